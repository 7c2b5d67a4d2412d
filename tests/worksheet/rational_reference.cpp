#include "rational_reference.h"

#include <cstdlib>
#include <stdexcept>

namespace lumatik::testing {

Rational::Rational(std::int64_t num, std::int64_t den)
    : value_(mpz_class(static_cast<long>(num)), mpz_class(static_cast<long>(den))) {
  if (den == 0) throw std::domain_error("zero denominator");
  value_.canonicalize();
}

long double Rational::value() const {
  // Enough digits for the 64-bit mantissa, read back by the C library.
  mpf_class f(value_, 128);
  mp_exp_t exponent = 0;
  const std::string digits = f.get_str(exponent, 10, 30);
  if (digits.empty() || digits == "0") return 0;
  const bool negative = digits[0] == '-';
  const std::string text =
      (negative ? "-0." + digits.substr(1) : "0." + digits) + "e" + std::to_string(static_cast<long>(exponent));
  return std::strtold(text.c_str(), nullptr);
}

std::string Rational::text() const { return value_.get_str(); }

namespace {

mpz_class ToMpz(__int128 v) {
  const bool negative = v < 0;
  unsigned __int128 magnitude = negative ? -static_cast<unsigned __int128>(v) : static_cast<unsigned __int128>(v);
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
    magnitude /= 10;
  } while (magnitude != 0);
  return mpz_class((negative ? "-" : "") + digits);
}

__int128 FromMpz(const mpz_class& z) {
  if (mpz_sizeinbase(z.get_mpz_t(), 2) > 126) throw std::overflow_error("beyond 128 bits");
  __int128 v = 0;
  for (const char c : mpz_class(abs(z)).get_str()) v = v * 10 + (c - '0');
  return sgn(z) < 0 ? -v : v;
}

}  // namespace

Rational Rational::FromParts(__int128 num, __int128 den) {
  if (den == 0) throw std::domain_error("zero denominator");
  mpq_class q(ToMpz(num), ToMpz(den));
  q.canonicalize();
  return Rational(q);
}

__int128 Rational::num() const { return FromMpz(value_.get_num()); }
__int128 Rational::den() const { return FromMpz(value_.get_den()); }

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
  std::string digits;
  std::size_t decimals = 0;
  bool fraction = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c >= '0' && c <= '9') {
      digits += c;
      if (fraction) ++decimals;
    } else if ((c == '.' || c == ',') && !fraction) {
      fraction = true;
    } else if (c == '/' && !fraction && !digits.empty()) {
      const auto divisor = ParseRational(text.substr(pos + 1));
      if (!divisor || divisor->isZero() || text.find_first_of("+-", pos + 1) != std::string::npos) return std::nullopt;
      const mpq_class numerator(mpz_class(digits, 10));
      const mpq_class signedNumerator = negative ? mpq_class(-numerator) : numerator;
      return Rational(mpq_class(signedNumerator / divisor->exact()));
    } else {
      return std::nullopt;
    }
  }
  if (digits.empty()) return std::nullopt;
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, decimals);
  mpq_class value(mpz_class(digits, 10), power);
  value.canonicalize();
  return Rational(negative ? mpq_class(-value) : value);
}

std::optional<Rational> ParseNearRational(const std::string& text) {
  const auto exact = ParseRational(text);
  if (!exact) return std::nullopt;
  if (text.find_first_of(".,") == std::string::npos) return exact;
  // Continued fraction of x until a convergent comes within 1e-15 relative.
  const mpq_class x = abs(exact->exact());
  mpq_class rest = x;
  mpz_class h0 = 1, h1 = 0, k0 = 0, k1 = 1;
  const mpq_class tolerance = x > 1 ? mpq_class(x / 1000000000000000) : mpq_class(1, 1000000000000000);
  for (int round = 0; round < 60; ++round) {
    mpz_class whole;
    mpz_fdiv_q(whole.get_mpz_t(), rest.get_num_mpz_t(), rest.get_den_mpz_t());
    const mpz_class h = whole * h0 + h1;
    const mpz_class k = whole * k0 + k1;
    h1 = h0;
    k1 = k0;
    h0 = h;
    k0 = k;
    const mpq_class approx(h, k);
    if (abs(mpq_class(approx - x)) <= tolerance || k > 1000000000 || rest == whole) break;
    rest = 1 / mpq_class(rest - whole);
  }
  mpq_class near(h0, k0);
  near.canonicalize();
  return Rational(sgn(exact->exact()) < 0 ? mpq_class(-near) : near);
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
