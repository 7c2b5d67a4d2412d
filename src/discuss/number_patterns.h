#pragma once

// The two number patterns of the worked texts: "0.###..." (at least one
// integer digit, a fixed maximum of decimals, trailing zeros dropped) and
// "#E-0" (one significant digit with an exponent). Both use the locale's
// decimal separator.

#include <string>

#include "shell/extended.h"

namespace lumatik {

// The pattern "0." followed by `decimals` "#": DecimalsText(1.41421356, 4)
// is "1,4142", DecimalsText(-2, 4) is "-2". A value that rounds to zero is
// "0" without a sign. Values too large for the pattern (18 integer digits
// and more) fall back to the general format.
std::string DecimalsText(Extended x, int decimals);

// The pattern "#E-0": 0.000123 is "1E-4", -45678 is "-5E4", 0 is "0E0".
std::string OneDigitScientificText(Extended x);

}  // namespace lumatik
