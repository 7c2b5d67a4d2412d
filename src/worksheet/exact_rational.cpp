#include "worksheet/exact_rational.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "exact/fractions.h"
#include "shell/floatformat.h"
#include "shell/luhilf.h"

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
  mpq_class q{mpz_class(static_cast<long>(num)), mpz_class(static_cast<long>(den))};
  q.canonicalize();
  return q;
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

std::string IntegerDecimalText(const mpz_class& z) {
  const mpz_class magnitude = abs(z);
  if (magnitude < mpz_class(1000000000000000000L)) return FloatText18(static_cast<Extended>(z.get_si()));
  const std::string grouped = GroupDigits3(magnitude.get_str());
  return sgn(z) < 0 ? "-" + grouped : grouped;
}

}  // namespace lumatik
