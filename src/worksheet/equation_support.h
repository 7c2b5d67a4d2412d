#pragma once

// Small pieces shared by the equation commands.

#include <string>

#include "shell/extended.h"

namespace lumatik {

// ASCII letters in lower case; the first lines are compared this way.
std::string LowerCase(std::string text);

// "In die erste Zeile muss "<name>" stehen!" and how to get the example.
std::string WrongFirstLineHint(const std::string& name);

// The real cube root: that of |x|, with the sign of x.
Extended RealCubeRoot(Extended x);

// Cosine and sine of an angle in degrees.
Extended CosDegrees(Extended degrees);
Extended SinDegrees(Extended degrees);

// The angle of (re, im) with im >= 0, in degrees from 0 to 180.
Extended AngleDegrees(Extended re, Extended im);

}  // namespace lumatik
