#pragma once

#include <string>

#include "shell/extended.h"
#include "shell/floatformat.h"

namespace lumatik {

// |X| lies in [n - Eps, n + Eps) for an integer n.
bool IsWholeNumber(Extended x, Extended eps);

// A value rounded to a number of significant decimal digits:
// |x| = 0.d1 d2 d3 ... * 10^exponent. Zero has no digits.
struct DecimalDigits {
  bool negative = false;
  std::string digits;  // no leading or trailing zeros
  int exponent = 0;
};

DecimalDigits ToDecimalDigits(Extended x, int significantDigits);

// |x| split at the decimal separator after rounding to `significantDigits`
// and then to at most `maxFractionDigits` (half away from zero, as a pattern
// formatter does). The integer part of a value below 1 is empty; trailing
// zeros of the fraction are dropped.
struct FixedParts {
  bool negative = false;
  std::string integer;
  std::string fraction;
};

FixedParts ToFixedParts(Extended x, int significantDigits, int maxFractionDigits);

// The platform's general format: fixed notation while the value has at most
// `significantDigits` integer digits and is not below 0.00001, otherwise
// scientific ("1,5E25", "1E-7"); trailing zeros dropped; the locale's
// decimal separator.
std::string GeneralFloatText(Extended x, int significantDigits);

// "1234567" -> "1 234 567": a blank before every group of three from the right.
std::string GroupDigits3(const std::string& digits);

// "1234567" -> "123 456 7": fraction digits grouped from the separator on.
std::string GroupFractionDigits3(const std::string& digits);

// Digits of a whole extended value below 2^64, without sign.
std::string WholeDigits(Extended absoluteValue);

}  // namespace lumatik
