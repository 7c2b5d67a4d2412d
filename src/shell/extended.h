#pragma once

#include <limits>

namespace lumatik {

// Every computed value is an 80-bit extended float; integers of the exact
// display are extended values without a fractional part.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "lumatik computes in 80-bit extended precision");

// Characters with a meaning in terms, as Windows-1252 bytes.
inline constexpr char kDegreeSign = '\xB0';
inline constexpr char kMiddleDot = '\xB7';

}  // namespace lumatik
