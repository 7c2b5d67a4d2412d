#pragma once

// The "Gleichungen" menu: quadratic, reduced cubic (Cardano), general cubic
// and quartic equations, each with its worked steps. On an empty worksheet
// each command writes an example whose first line carries the coefficients.

#include <string>

#include "shell/extended.h"
#include "worksheet/worksheet.h"

namespace lumatik {

void SolveQuadraticEquation(Worksheet& sheet);  // "quadratische Gleichung"
void SolveReducedCubic(Worksheet& sheet);       // "red. kubische Gleichung"
void SolveCubicEquation(Worksheet& sheet);      // "kubische Gleichung"
void SolveQuarticEquation(Worksheet& sheet);    // "Gleichung 4. Grades"
void PointToPlotter(Worksheet& sheet);          // "beliebige Gleichung"

// The real solutions of A*x^2 + B*x + C = 0. False when A is 0 (with the
// hint "Keine quadratische Gleichung") or when there is no real solution;
// s1 and s2 are then left as they were. A discriminant within the rounding
// noise of B*B and 4*A*C counts as 0 (a tangent meets in one point).
bool SolveQuadratic(Extended a, Extended b, Extended c, Extended& s1, Extended& s2, Worksheet& sheet);

// The worked solution of A*Var^2 + B*Var + C = 0, naming the solutions
// Var<k> and Var<k+1>. Coefficients that are fractions are taken exactly.
void QuadraticSteps(Worksheet& sheet, const std::string& var, int k, Extended c, Extended b, Extended a);

// One real solution of x^3 + p*x + q = 0; with three real solutions, k
// (0, 1, 2) picks one of them, and with a double one (d = 0) k = 1 and 2
// give the double solution.
Extended CardanoRoot(int k, Extended q, Extended p);

// The quadratic left after dividing a*x^3 + b*x^2 + c*x + d by (x - x0).
void DeflateCubic(Extended x0, Extended a, Extended b, Extended c, Extended& b1, Extended& c1);

// The exact text with a "+" in front of a positive value, for a
// coefficient that follows another term.
std::string SignedNumberText(Extended x);

// Example texts written on an empty worksheet.
std::string QuadraticExampleText();
std::string ReducedCubicExampleText();
std::string CubicExampleText();
std::string QuarticExampleText();
// The three lines that explain the quartic method.
std::string QuarticMethodText();

}  // namespace lumatik
