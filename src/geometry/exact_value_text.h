#pragma once

// The texts of results the geometry commands know exactly: a fraction, or
// the square root of a fraction. Nothing is recognised from a floating
// value here, so nothing can be claimed that is not true; results of
// irrational input keep the exact display of the value.

#include <string>

#include "geometry/geometry_scalar.h"

namespace lumatik {

// As NumberTextMixed writes a value: "-2'1/3", "5/7", else 18 digits.
std::string MixedValueText(const RootValue& x);

// As ExactText writes a value: an integer, a mixed fraction, a root such as
// "1/200*sqrt(17129969)", else a decimal with 12 digits. A small value that
// the exact display would take for 0 is written as a decimal: only 0 reads 0.
std::string ExactValueText(const RootValue& x);

// "=" + the fraction or root form when there is one, else "".
std::string RootSuffixText(const RootValue& x);

// ExactValueText, followed by " = " and three decimals when it shows no
// decimal and the value is no integer.
std::string ValueWithDecimalText(const RootValue& x);

// An angle in degrees with the 15 significant digits the computation
// carries, fraction digits grouped by three: "119,842 225 826 261".
std::string AngleDegreesText(Extended degrees);

}  // namespace lumatik
