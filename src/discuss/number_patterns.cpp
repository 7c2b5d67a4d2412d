#include "discuss/number_patterns.h"

#include <cmath>

#include "shell/decimal_separator.h"
#include "shell/floatformat.h"

namespace lumatik {

std::string DecimalsText(Extended x, int decimals) {
  if (!std::isfinite(x) || std::fabs(x) >= 1e18L) return GeneralFloatText(x, 15);
  const FixedParts parts = ToFixedParts(x, 18, decimals);
  std::string text = parts.integer.empty() ? "0" : parts.integer;
  if (!parts.fraction.empty()) text += DecimalSeparator() + parts.fraction;
  return parts.negative ? "-" + text : text;
}

std::string OneDigitScientificText(Extended x) {
  if (!std::isfinite(x)) return GeneralFloatText(x, 15);
  const DecimalDigits d = ToDecimalDigits(x, 1);
  if (d.digits.empty()) return "0E0";
  // 0.d * 10^exponent is d * 10^(exponent - 1).
  return std::string(d.negative ? "-" : "") + d.digits + "E" + std::to_string(d.exponent - 1);
}

}  // namespace lumatik
