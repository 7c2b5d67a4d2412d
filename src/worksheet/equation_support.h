#pragma once

// Small pieces shared by the equation commands.

#include <optional>
#include <string>

#include "shell/extended.h"
#include "worksheet/worksheet.h"

namespace lumatik {

// ASCII letters in lower case; the first lines are compared this way.
std::string LowerCase(std::string text);

// "In die erste Zeile muss "<name>" stehen!" and how to get the example.
std::string WrongFirstLineHint(const std::string& name);

// The two-click convention of the equation commands: an empty worksheet
// gets the example and nothing more; otherwise the first line must hold the
// keyword (compared in lower case), or the hint names what belongs there.
// Returns the first line when the command is to compute.
std::optional<std::string> EquationHead(Worksheet& sheet, const std::string& example,
                                        const std::string& keyword, const std::string& firstLineName);

// The real cube root: that of |x|, with the sign of x.
Extended RealCubeRoot(Extended x);

// Cosine and sine of an angle in degrees.
Extended CosDegrees(Extended degrees);
Extended SinDegrees(Extended degrees);

// The angle of (re, im) with im >= 0, in degrees from 0 to 180.
Extended AngleDegrees(Extended re, Extended im);

}  // namespace lumatik
