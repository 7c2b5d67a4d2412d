#pragma once

// The working part of "Rechne Lin. Gl.-System allgemein", below the rows
// that have been read: Gauss-Jordan elimination with integral left sides,
// the matrix after each step, the solution lines and the test ("Probe").
// Each row holds n coefficients and the right side.

#include <gmpxx.h>

#include <vector>

#include "shell/extended.h"
#include "worksheet/worksheet.h"

namespace lumatik {

// Every entry a fraction: exact arithmetic with integers of any size, so
// rank, "beliebig", "Keine Lösung", every printed number and the test are
// exact.
void WriteExactElimination(Worksheet& sheet, int n, const std::vector<std::vector<mpq_class>>& rows);

// Other entries (sqrt(2), Pi): extended arithmetic, where an entry counts as
// zero when it is below 1e-12 of the size of the numbers it came from.
void WriteExtendedElimination(Worksheet& sheet, int n, const std::vector<std::vector<Extended>>& rows);

}  // namespace lumatik
