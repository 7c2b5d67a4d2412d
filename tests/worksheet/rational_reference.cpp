#include "rational_reference.h"

#include <cmath>
#include <stdexcept>

namespace lumatik::testing {

namespace {

__int128 Gcd(__int128 a, __int128 b) {
  if (a < 0) a = -a;
  if (b < 0) b = -b;
  while (b != 0) {
    const __int128 r = a % b;
    a = b;
    b = r;
  }
  return a;
}

std::string DigitsOf(__int128 v) {
  if (v == 0) return "0";
  std::string digits;
  const bool negative = v < 0;
  if (negative) v = -v;
  while (v > 0) {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
    v /= 10;
  }
  return negative ? "-" + digits : digits;
}

}  // namespace

Rational::Rational(std::int64_t num, std::int64_t den) : num_(num), den_(den) { Normalise(); }

Rational Rational::FromParts(__int128 num, __int128 den) {
  Rational r;
  r.num_ = num;
  r.den_ = den;
  r.Normalise();
  return r;
}

void Rational::Normalise() {
  if (den_ == 0) throw std::domain_error("zero denominator");
  if (den_ < 0) {
    num_ = -num_;
    den_ = -den_;
  }
  const __int128 g = Gcd(num_, den_);
  num_ /= g;
  den_ /= g;
}

Rational operator+(const Rational& a, const Rational& b) {
  return Rational::FromParts(a.num_ * b.den_ + b.num_ * a.den_, a.den_ * b.den_);
}
Rational operator-(const Rational& a, const Rational& b) {
  return Rational::FromParts(a.num_ * b.den_ - b.num_ * a.den_, a.den_ * b.den_);
}
Rational operator*(const Rational& a, const Rational& b) {
  return Rational::FromParts(a.num_ * b.num_, a.den_ * b.den_);
}
Rational operator/(const Rational& a, const Rational& b) {
  return Rational::FromParts(a.num_ * b.den_, a.den_ * b.num_);
}

std::string Rational::text() const { return den_ == 1 ? DigitsOf(num_) : DigitsOf(num_) + "/" + DigitsOf(den_); }

std::optional<Rational> ParseRational(const std::string& input) {
  std::string text;
  for (const char c : input) {
    if (c != ' ') text += c;
  }
  if (text.empty()) return std::nullopt;
  bool negative = false;
  std::size_t pos = 0;
  if (text[0] == '-' || text[0] == '+') {
    negative = text[0] == '-';
    pos = 1;
  }
  __int128 num = 0;
  __int128 den = 1;
  bool digits = false;
  bool fraction = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c >= '0' && c <= '9') {
      num = num * 10 + (c - '0');
      if (fraction) den *= 10;
      digits = true;
    } else if ((c == '.' || c == ',') && !fraction) {
      fraction = true;
    } else if (c == '/' && !fraction && digits) {
      const auto divisor = ParseRational(text.substr(pos + 1));
      if (!divisor || divisor->isZero() || text.find_first_of("+-", pos + 1) != std::string::npos) return std::nullopt;
      const Rational value = Rational::FromParts(negative ? -num : num, 1) / *divisor;
      return value;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  return Rational::FromParts(negative ? -num : num, den);
}

std::optional<Rational> ParseNearRational(const std::string& text) {
  const auto exact = ParseRational(text);
  if (!exact) return std::nullopt;
  if (text.find_first_of(".,") == std::string::npos) return exact;
  const long double x = exact->value();
  // Continued fraction of x until a convergent comes within 1e-15 relative.
  long double rest = x < 0 ? -x : x;
  __int128 h0 = 1, h1 = 0, k0 = 0, k1 = 1;
  for (int round = 0; round < 40; ++round) {
    const long double whole = std::floor(rest);
    const __int128 a = static_cast<__int128>(whole);
    const __int128 h = a * h0 + h1;
    const __int128 k = a * k0 + k1;
    h1 = h0;
    k1 = k0;
    h0 = h;
    k0 = k;
    const long double approx = static_cast<long double>(h) / static_cast<long double>(k);
    const long double ax = x < 0 ? -x : x;
    if (std::fabs(approx - ax) <= 1e-15L * (ax > 1 ? ax : 1) || k > 1000000000) break;
    rest = 1 / (rest - whole);
  }
  return Rational::FromParts(x < 0 ? -h0 : h0, k0);
}

int RankOf(std::vector<RationalRow> rows) {
  if (rows.empty()) return 0;
  const std::size_t columns = rows.front().size();
  int rank = 0;
  for (std::size_t c = 0; c < columns && rank < static_cast<int>(rows.size()); ++c) {
    std::size_t pivot = rank;
    while (pivot < rows.size() && rows[pivot][c].isZero()) ++pivot;
    if (pivot == rows.size()) continue;
    std::swap(rows[pivot], rows[rank]);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      if (static_cast<int>(r) == rank || rows[r][c].isZero()) continue;
      const Rational f = rows[r][c] / rows[rank][c];
      for (std::size_t j = c; j < columns; ++j) rows[r][j] = rows[r][j] - f * rows[rank][j];
    }
    ++rank;
  }
  return rank;
}

ReferenceSolution SolveReference(const std::vector<RationalRow>& rows, int n) {
  ReferenceSolution solution;
  std::vector<RationalRow> left;
  for (const RationalRow& row : rows) left.emplace_back(row.begin(), row.begin() + n);
  solution.rank = RankOf(left);
  solution.consistent = RankOf(rows) == solution.rank;
  if (!solution.consistent || solution.rank < n) return solution;

  // Full column rank: eliminate on the augmented rows and read the values.
  std::vector<RationalRow> work = rows;
  for (int c = 0; c < n; ++c) {
    std::size_t pivot = c;
    while (work[pivot][c].isZero()) ++pivot;
    std::swap(work[pivot], work[c]);
    for (std::size_t r = 0; r < work.size(); ++r) {
      if (static_cast<int>(r) == c || work[r][c].isZero()) continue;
      const Rational f = work[r][c] / work[c][c];
      for (int j = c; j <= n; ++j) work[r][j] = work[r][j] - f * work[c][j];
    }
  }
  for (int c = 0; c < n; ++c) solution.unique.push_back(work[c][n] / work[c][c]);
  return solution;
}

}  // namespace lumatik::testing
