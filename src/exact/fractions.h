#pragma once

#include <string>

#include "shell/extended.h"

namespace lumatik {

// Integers here are extended values without a fractional part; +infinity is
// the "overflow" result of the integer routines.

// Continued-fraction search for Num/Den within Eps of X (sign carried by Num);
// Eps = 1e-18 asks for a few units in the last place of X, at any magnitude.
bool FindFraction(Extended& num, Extended& den, Extended x, Extended eps);

// "2/3", mixed "26'2/3", an integer "118", or "" when no fraction fits.
std::string FractionText(bool mixed, Extended x, Extended eps);

// The fraction for X, or X in the 18-digit general format.
std::string NumberText(Extended x);
std::string NumberTextMixed(Extended x);

// "=1/3" for a short fraction, otherwise empty.
std::string FractionSuffix(Extended x);

// The distance from |X| to the next larger extended value.
Extended UnitInLastPlace(Extended x);
// How many of those units a recognised exact form may differ from the value.
inline constexpr Extended kProvenUlps = 8;

bool NearlyEqual(Extended a, Extended b);

Extended AddChecked(Extended a, Extended b);
Extended IntDiv(Extended a, Extended b);
Extended ModOf(Extended a, Extended b);
bool IsOdd(Extended n);
Extended GcdOf(Extended a, Extended b);
int GcdInt(int a, int b);
void ReduceFraction(Extended& num, Extended& den);

}  // namespace lumatik
