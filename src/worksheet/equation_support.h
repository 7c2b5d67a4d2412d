#pragma once

// Small pieces shared by the equation commands.

#include <optional>
#include <string>

#include "shell/extended.h"
#include "worksheet/coefficient.h"
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

// Cosine and sine of an angle in degrees.
Extended CosDegrees(Extended degrees);
Extended SinDegrees(Extended degrees);

// The angle of (re, im) with im >= 0, in degrees from 0 to 180; the
// half plane comes from the sign of the real part.
Extended AngleDegrees(Extended re, Extended im);

// The worked solution of a*Var^2 + b*Var + c = 0 (see QuadraticSteps),
// deciding d<0, d=0 and d>0 exactly for fractions and otherwise against
// the rounding noise of b*b and 4*a*c.
void QuadraticSteps(Worksheet& sheet, const std::string& var, int k, const Coefficient& c, const Coefficient& b,
                    const Coefficient& a);

// d = (q/2)^2 + (p/3)^3 of x^3 + p*x + q = 0.
Coefficient CardanoDiscriminant(const Coefficient& q, const Coefficient& p);

// Solution k (0, 1, 2) of x^3 + p*x + q = 0 by Cardano's formula, exact
// when it is a fraction. For d > 0 every k gives the one real solution;
// for d = 0, k = 0 gives the simple solution and k = 1, 2 the double one.
Coefficient CardanoSolution(int k, const Coefficient& q, const Coefficient& p);

// The quadratic a*x^2 + b1*x + c1 left after dividing
// a*x^3 + b*x^2 + c*x + d by (x - x0).
struct DeflatedCubic {
  Coefficient b1;
  Coefficient c1;
};
DeflatedCubic DeflateCubic(const Coefficient& x0, const Coefficient& a, const Coefficient& b, const Coefficient& c);

}  // namespace lumatik
