#pragma once

// Reads what "Rechne Lin. Gl.-System allgemein" printed - the matrices, the
// solution lines, "Keine Lösung" and the test lines - and checks it against
// exact rational elimination (GMP) done here, independent of the program's
// scaling, pivoting and number texts.

#include <gmpxx.h>

#include <string>
#include <vector>

namespace lumatik::testing {

using RationalRow = std::vector<mpq_class>;

int RankOf(std::vector<RationalRow> rows);

struct ReferenceSolution {
  bool consistent = false;
  int rank = 0;                    // of the coefficient matrix
  std::vector<mpq_class> unique;   // filled when rank = n
};
// Rows of n coefficients and the right side.
ReferenceSolution SolveReference(const std::vector<RationalRow>& rows, int n);

struct PrintedOutput {
  std::vector<std::vector<std::string>> matrices;  // printed blocks
  std::vector<std::string> solutionLines;
  std::vector<std::string> probeLines;
  bool noSolution = false;
};
// The output below the m typed rows.
PrintedOutput Analyse(const std::vector<std::string>& lines, int m);

// Solves the worksheet's system with the command's core function and checks
// everything it prints against the reference for `rows` (n coefficients and
// the right side each; none: the typed rows, read here), with n and m from
// the first line ("n=3 m=2"; m = n when it is missing). The printed
// matrices keep the row space and an integral left side; "Keine Lösung"
// exactly for an inconsistent system; otherwise one line per unknown, n -
// rank of them "beliebig", the printed solution solving every equation for
// any choice of the free unknowns, the unique solution equal to the
// reference, and every test line "o.K.".
void CheckSolvedSystem(const std::vector<std::string>& input, std::vector<RationalRow> rows = {});

}  // namespace lumatik::testing
