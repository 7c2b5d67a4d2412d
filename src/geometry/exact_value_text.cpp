#include "geometry/exact_value_text.h"

#include <cmath>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "shell/decimal_separator.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

// The display prints a fraction only while numerator times denominator
// stays at most this; beyond it the decimal says more.
const mpz_class kLargestShownFraction("100000000000000");
// Square factors are taken out of a radicand by trial division up to this
// prime; a larger square factor stays in the root, which is still true.
constexpr unsigned long kLargestTrialFactor = 100000;
// A root form with more digits than this is no simpler than its decimal.
constexpr std::size_t kLongestRootForm = 18;

// "-2'1/3", "5/7", "-4"; empty when the fraction is too long to show.
std::string ShortFractionText(const mpq_class& q) {
  if (sgn(q) == 0) return "0";
  if (abs(q.get_num()) * q.get_den() > kLargestShownFraction) return "";
  if (q.get_den() == 1) return q.get_num().get_str();
  const mpz_class num = abs(q.get_num());
  const std::string sign = sgn(q) < 0 ? "-" : "";
  if (num < q.get_den()) return sign + num.get_str() + "/" + q.get_den().get_str();
  const mpz_class whole = num / q.get_den();
  const mpz_class rest = num % q.get_den();
  return sign + whole.get_str() + "'" + rest.get_str() + "/" + q.get_den().get_str();
}

// The square root of `square` (not a square fraction) with the sign of
// `negative`, as f/d*sqrt(r); empty when that is too long.
std::string RootFormText(const mpq_class& square, bool negative) {
  // sqrt(n/d) = sqrt(n*d)/d
  mpz_class radicand = square.get_num() * square.get_den();
  mpz_class factor = 1;
  for (unsigned long p = 2; p <= kLargestTrialFactor && p * p <= radicand; p += p == 2 ? 1 : 2) {
    const unsigned long p2 = p * p;
    while (mpz_divisible_ui_p(radicand.get_mpz_t(), p2)) {
      radicand /= p2;
      factor *= p;
    }
  }
  mpq_class coefficient(factor, square.get_den());
  coefficient.canonicalize();
  std::string text;
  if (coefficient.get_den() == 1) {
    text = coefficient.get_num() == 1 ? "" : coefficient.get_num().get_str() + "*";
  } else {
    text = coefficient.get_num().get_str() + "/" + coefficient.get_den().get_str() + "*";
  }
  text += "sqrt(" + radicand.get_str() + ")";
  std::size_t digits = 0;
  for (const char c : text) digits += c >= '0' && c <= '9';
  if (digits > kLongestRootForm) return "";
  return negative ? "-" + text : text;
}

// The exact form of x: a fraction or a root, or empty.
std::string ExactForm(const RootValue& x) {
  if (!x.square) return "";
  if (const std::optional<mpq_class> root = ExactSquareRoot(*x.square)) {
    return ShortFractionText(x.value < 0 ? mpq_class(-*root) : *root);
  }
  return RootFormText(*x.square, x.value < 0);
}

}  // namespace

std::string MixedValueText(const RootValue& x) {
  if (!x.square) return NumberTextMixed(x.value);
  if (const std::optional<mpq_class> root = ExactSquareRoot(*x.square)) {
    const std::string text = ShortFractionText(x.value < 0 ? mpq_class(-*root) : *root);
    if (!text.empty()) return text;
  }
  return GeneralFloatText(x.value, 18);
}

std::string ExactValueText(const RootValue& x) {
  if (!x.square) {
    const std::string text = ExactText(x.value);
    return text == "0" && x.value != 0 ? GeneralFloatText(x.value, 12) : text;
  }
  const std::string form = ExactForm(x);
  return form.empty() ? GeneralFloatText(x.value, 12) : form;
}

std::string RootSuffixText(const RootValue& x) {
  if (!x.square) return RootSuffix(x.value);
  const std::string form = ExactForm(x);
  return form.find('/') != std::string::npos || form.find("sqrt") != std::string::npos ? "=" + form : "";
}

std::string ValueWithDecimalText(const RootValue& x) {
  if (!x.square) return RootTextWithDecimal(x.value);
  std::string text = ExactValueText(x);
  const std::optional<mpq_class> root = ExactSquareRoot(*x.square);
  const bool whole = root && root->get_den() == 1;
  if (text.find(DecimalSeparator()) == std::string::npos && !whole) text += " = " + FloatTextFixed(3, x.value);
  return text;
}

std::string AngleDegreesText(Extended degrees) {
  const DecimalDigits d = ToDecimalDigits(degrees, 15);
  if (d.digits.empty()) return "0";
  // Below 0,000 01 degrees the digits would start far behind the separator.
  if (d.exponent < -4) return GeneralFloatText(degrees, 15);
  std::string integer = d.exponent > 0 ? d.digits.substr(0, std::min<std::size_t>(d.exponent, d.digits.size())) : "";
  if (d.exponent > static_cast<int>(d.digits.size())) integer += std::string(d.exponent - d.digits.size(), '0');
  std::string fraction =
      d.exponent >= static_cast<int>(d.digits.size())
          ? ""
          : std::string(d.exponent < 0 ? -d.exponent : 0, '0') + d.digits.substr(d.exponent > 0 ? d.exponent : 0);
  std::string text = (d.negative ? "-" : "") + (integer.empty() ? "0" : GroupDigits3(integer));
  if (!fraction.empty()) text += DecimalSeparator() + GroupFractionDigits3(fraction);
  return text;
}

}  // namespace lumatik
