#pragma once

#include <limits>

namespace lumatik {

// Every computed value is an 80-bit extended float; integers of the exact
// display are extended values without a fractional part.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "lumatik computes in 80-bit extended precision");

// Pi with the 64-bit mantissa C90FDAA22168C235.
inline constexpr Extended kPi = 0xC.90FDAA22168C235p-2L;
inline constexpr Extended kPiOver180 = 0.017453292519943295769L;

// Characters with a meaning in terms, as Windows-1252 bytes.
inline constexpr char kDegreeSign = '\xB0';
inline constexpr char kMiddleDot = '\xB7';

}  // namespace lumatik
