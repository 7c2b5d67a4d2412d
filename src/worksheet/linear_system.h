#pragma once

// The "LSG" menu: systems of m linear equations in n unknowns, typed into
// the worksheet as rows of coefficients, solved by Gauss-Jordan elimination
// that keeps the left side of each row integral, with the matrix after
// each step, the solution as fractions and decimals, and a test against the
// equations as typed.

#include <string>

#include "shell/extended.h"
#include "worksheet/worksheet.h"

namespace lumatik {

// "Rechne Lin. Gl.-System allgemein". On an empty worksheet it writes the
// 5*4 example instead.
void SolveLinearSystem(Worksheet& sheet);

enum class LinearSystemExample { TwoByTwo, ThreeByThree, FiveByFour, EightByEight, ElevenByFour };

// The "Beispiel LGS" items: the example with the common footer, but only
// on an empty worksheet.
void WriteLinearSystemExample(Worksheet& sheet, LinearSystemExample example);
// The example and footer appended whatever the worksheet holds.
void AppendLinearSystemExample(Worksheet& sheet, LinearSystemExample example);

// A small residual as "2,500*10^(-15)", or "0" below 1e-17.
std::string SmallNumberText(Extended x);

}  // namespace lumatik
