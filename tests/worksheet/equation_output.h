#pragma once

// Reading the worked solutions of the equation commands back: the
// solutions they print, and rounding noise that must never be printed.

#include <string>
#include <vector>

namespace lumatik::testing {

enum class EquationKind { Quadratic, ReducedCubic, Cubic, Quartic };

// A number as the worksheet writes it: "5", "-2/3", "1'1/2", "-0,25"; any
// other text (a root form) through the engine.
long double PrintedNumber(const std::string& text);

// Every solution the worksheet names for the variable of the equation: the
// "Lösung:" lines of the quadratic steps, their "Eine Lösung:" line, the
// "x=u+v=" lines of the reduced cubic and the "z=" line of the cubic.
std::vector<long double> PrintedSolutions(const std::vector<std::string>& lines, EquationKind kind);

// What gives rounding noise away in a line, or "" for a clean line: an
// "E-" exponent, a run of seven 0s or 9s among decimals, or a sign right
// after "+", "-" or "/".
std::string NoiseIn(const std::string& line);

}  // namespace lumatik::testing
