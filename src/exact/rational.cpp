#include "exact/rational.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "exact/fractions.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }

// Beyond this power of ten no extended value is left to stand for the
// number; such a text is left to the engine.
constexpr long kLargestExponent = 6000;

std::string DigitRun(const std::string& s, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < s.size() && IsDigitChar(s[pos])) ++pos;
  return s.substr(start, pos - start);
}

mpz_class PowerOfTen(long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
  return power;
}

// Digits with at most one decimal separator and an optional exponent:
// "12", "0,25", ".5", "1.5E-20".
std::optional<mpq_class> ReadUnsignedDecimal(const std::string& s, std::size_t& pos) {
  std::string digits = DigitRun(s, pos);
  long exponent = 0;
  if (pos < s.size() && (s[pos] == ',' || s[pos] == '.')) {
    ++pos;
    const std::string fraction = DigitRun(s, pos);
    digits += fraction;
    exponent = -static_cast<long>(fraction.size());
  }
  if (digits.empty()) return std::nullopt;
  if (pos < s.size() && s[pos] == 'E') {
    ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
    const std::string power = DigitRun(s, pos);
    if (power.empty() || power.size() > 5) return std::nullopt;
    exponent += negative ? -std::stol(power) : std::stol(power);
  }
  if (exponent > kLargestExponent || exponent < -kLargestExponent) return std::nullopt;
  const mpz_class mantissa(digits, 10);
  if (exponent >= 0) return mpq_class(mantissa * PowerOfTen(exponent));
  mpq_class value(mantissa, PowerOfTen(-exponent));
  value.canonicalize();
  return value;
}

// A typed fraction reproduces its value to a few units in the last place.
// Any value comes that close to some fraction whose denominator is about
// 1/sqrt(tolerance), so only denominators well below that count as
// evidence (a chance of about 1e-4 for an irrational value) - and decimals
// with up to eight places, whose denominators divide 10^8.
bool IsTypedDenominator(Extended den, Extended tolerance) {
  if (den <= std::sqrt(1e-4L / tolerance)) return true;
  if (!(den <= 1e8L)) return false;
  return static_cast<long long>(100000000) % static_cast<long long>(den) == 0;
}

// Fractions the display would not print are no exact input either: beyond
// this a convergent can stand in for an irrational value.
constexpr Extended kLargestDisplayedFraction = 1e14L;

// Numerator and denominator of the fraction search, whole extended values
// below 2^63, as a reduced fraction.
mpq_class WholeFraction(Extended num, Extended den) {
  mpq_class q{mpz_class(static_cast<long>(std::llround(num))), mpz_class(static_cast<long>(std::llround(den)))};
  q.canonicalize();
  return q;
}

// The n-th root (n = 2 or 3) of a non-negative integer, if it has one.
std::optional<mpz_class> ExactRoot(const mpz_class& v, unsigned long n) {
  mpz_class root;
  if (mpz_root(root.get_mpz_t(), v.get_mpz_t(), n) == 0) return std::nullopt;
  return root;
}

}  // namespace

std::optional<mpq_class> ReadRationalLiteral(const std::string& text) {
  std::string s;
  for (const char c : text) {
    if (c != ' ') s += c;
  }
  std::size_t pos = 0;
  bool negative = false;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
  mpq_class value;
  const std::size_t mixedMark = s.find('\'');
  if (mixedMark != std::string::npos) {
    // Whole part, apostrophe, proper fraction: 26'2/3.
    const std::string whole = DigitRun(s, pos);
    if (whole.empty() || pos != mixedMark) return std::nullopt;
    ++pos;
    const std::string numerator = DigitRun(s, pos);
    if (numerator.empty() || pos >= s.size() || s[pos] != '/') return std::nullopt;
    ++pos;
    const std::string denominator = DigitRun(s, pos);
    if (denominator.empty() || pos != s.size()) return std::nullopt;
    const mpz_class den(denominator, 10);
    if (den == 0) return std::nullopt;
    value = mpq_class(mpz_class(whole, 10)) + mpq_class(mpz_class(numerator, 10), den);
  } else {
    const auto numerator = ReadUnsignedDecimal(s, pos);
    if (!numerator) return std::nullopt;
    value = *numerator;
    if (pos < s.size() && s[pos] == '/') {
      ++pos;
      const auto denominator = ReadUnsignedDecimal(s, pos);
      if (!denominator || sgn(*denominator) == 0) return std::nullopt;
      value /= *denominator;
    }
    if (pos != s.size()) return std::nullopt;
  }
  value.canonicalize();
  if (negative) value = -value;
  return value;
}

std::optional<mpq_class> RecogniseFraction(Extended x) {
  if (!std::isfinite(x)) return std::nullopt;
  if (x == 0) return mpq_class(0);
  // A few units of the last of the 64 bits, relative to the value.
  const Extended eps = 1e-18L * std::max<Extended>(1, std::fabs(x));
  Extended num = 0;
  Extended den = 0;
  if (!FindFraction(num, den, x, eps)) return std::nullopt;
  if (!(den >= 1 && den <= 1e6L) || !(std::fabs(num) < 9e18L)) return std::nullopt;
  // Fractions with denominators up to q lie about 1/q^2 apart: only where
  // that is far above the tolerance does the value single one out. A large
  // value such as 10^6 * sqrt(5) is within its tolerance of some fraction
  // by chance.
  if (den * den * eps > 1e-6L) return std::nullopt;
  return WholeFraction(num, den);
}

std::optional<mpq_class> RecogniseTypedFraction(Extended x) {
  if (!std::isfinite(x)) return std::nullopt;
  // Integers up to 2^63 are exact extended values.
  if (x == std::trunc(x) && std::fabs(x) < 9.2e18L) return mpq_class(mpz_class(static_cast<long>(x)));
  Extended num = 0;
  Extended den = 0;
  // The tolerance of the fraction search: 1e-18, or eight units in the last place.
  const Extended ax = std::fabs(x);
  const Extended tolerance = std::max(1e-18L, 8 * (std::nextafter(ax, std::numeric_limits<Extended>::infinity()) - ax));
  if (!FindFraction(num, den, x, 1e-18L) || !IsTypedDenominator(den, tolerance)) return std::nullopt;
  return WholeFraction(num, den);
}

std::optional<mpq_class> RecogniseDisplayedFraction(Extended x) {
  if (x == 0) return mpq_class(0);
  if (!std::isfinite(x)) return std::nullopt;
  Extended num = 0;
  Extended den = 0;
  if (!FindFraction(num, den, x, 1e-18L)) return std::nullopt;
  if (!(std::fabs(num * den) <= kLargestDisplayedFraction) || num / den != x) return std::nullopt;
  return WholeFraction(num, den);
}

std::optional<mpq_class> ExactSquareRoot(const mpq_class& q) {
  if (sgn(q) < 0) return std::nullopt;
  const std::optional<mpz_class> num = ExactRoot(q.get_num(), 2);
  const std::optional<mpz_class> den = ExactRoot(q.get_den(), 2);
  if (!num || !den) return std::nullopt;
  return mpq_class(*num, *den);
}

std::optional<mpq_class> ExactCubeRoot(const mpq_class& q) {
  const std::optional<mpz_class> num = ExactRoot(abs(q.get_num()), 3);
  const std::optional<mpz_class> den = ExactRoot(q.get_den(), 3);
  if (!num || !den) return std::nullopt;
  return mpq_class(sgn(q) < 0 ? mpz_class(-*num) : *num, *den);
}

Extended ToExtended(const mpq_class& q) {
  if (sgn(q) == 0) return 0;
  mpz_class a = abs(q.get_num());
  mpz_class b = q.get_den();
  // Scale so that the integer quotient has 66 or 67 bits: 64 for the
  // mantissa, the rest and the remainder decide the rounding.
  const long shift = 66 - (static_cast<long>(mpz_sizeinbase(a.get_mpz_t(), 2)) -
                           static_cast<long>(mpz_sizeinbase(b.get_mpz_t(), 2)));
  if (shift > 0) {
    a <<= static_cast<mp_bitcnt_t>(shift);
  } else {
    b <<= static_cast<mp_bitcnt_t>(-shift);
  }
  mpz_class quotient;
  mpz_class remainder;
  mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
  long drop = static_cast<long>(mpz_sizeinbase(quotient.get_mpz_t(), 2)) - 64;
  mpz_class mantissa = quotient >> static_cast<mp_bitcnt_t>(drop);
  const bool roundBit = mpz_tstbit(quotient.get_mpz_t(), static_cast<mp_bitcnt_t>(drop - 1)) != 0;
  const bool sticky =
      remainder != 0 || static_cast<long>(mpz_scan1(quotient.get_mpz_t(), 0)) < drop - 1;
  if (roundBit && (sticky || mpz_odd_p(mantissa.get_mpz_t()))) mantissa += 1;
  if (mpz_sizeinbase(mantissa.get_mpz_t(), 2) > 64) {
    mantissa >>= 1;
    ++drop;
  }
  const Extended magnitude = std::ldexp(static_cast<Extended>(mantissa.get_ui()), static_cast<int>(drop - shift));
  return sgn(q) < 0 ? -magnitude : magnitude;
}

std::string RationalText(const mpq_class& q) {
  if (q.get_den() == 1) return q.get_num().get_str();
  return q.get_num().get_str() + "/" + q.get_den().get_str();
}

std::string MixedRationalText(const mpq_class& q) {
  const mpz_class absNum = abs(q.get_num());
  if (q.get_den() == 1 || absNum < q.get_den()) return RationalText(q);
  const mpz_class whole = absNum / q.get_den();
  const mpz_class rest = absNum % q.get_den();
  return (sgn(q) < 0 ? "-" : "") + whole.get_str() + "'" + rest.get_str() + "/" + q.get_den().get_str();
}

bool FitsFractionDisplay(const mpq_class& q) {
  // A rough count first, so that a huge number is never written out.
  if (mpz_sizeinbase(q.get_num_mpz_t(), 10) + mpz_sizeinbase(q.get_den_mpz_t(), 10) > kMaxFractionDigits + 2)
    return false;
  return mpz_class(abs(q.get_num())).get_str().size() + q.get_den().get_str().size() <= kMaxFractionDigits;
}

std::string IntegerDecimalText(const mpz_class& z) {
  const mpz_class magnitude = abs(z);
  if (magnitude < mpz_class(1000000000000000000L)) return FloatText18(static_cast<Extended>(z.get_si()));
  const std::string grouped = GroupDigits3(magnitude.get_str());
  return sgn(z) < 0 ? "-" + grouped : grouped;
}

}  // namespace lumatik
