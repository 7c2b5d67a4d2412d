#pragma once

// Reads what "Rechne Lin. Gl.-System allgemein" printed - the matrices,
// the solution lines, "Keine Lösung" and the test lines - and checks it
// against exact rational elimination done by the test's own reference.

#include <string>
#include <vector>

#include "rational_reference.h"

namespace lumatik::testing {

std::vector<std::string> SplitWords(const std::string& line);

// The typed rows of a worksheet (lines 2..m + 1), read with the test's own
// parser; plain numbers and fractions only.
std::vector<RationalRow> TypedRows(const std::vector<std::string>& lines, int n, int m);

struct PrintedOutput {
  std::vector<std::vector<std::string>> matrices;  // printed blocks
  std::vector<std::string> solutionLines;
  std::vector<std::string> probeLines;
  bool noSolution = false;
};

// The output below the m typed rows.
PrintedOutput Analyse(const std::vector<std::string>& lines, int m);

// One solution line read back: "x1=2689/1800  +3*x5  =1,49 +3*x5" is the
// value 2689/1800 and the term +3 * x5; "x5 beliebig" is free.
struct PrintedUnknown {
  bool free = false;
  Rational value;
  std::vector<std::pair<int, Rational>> terms;  // (unknown, coefficient)
  bool readable = true;
};
PrintedUnknown ParseSolutionLine(const std::string& line);

// Solves the worksheet's system with the command's core function and checks
// everything it prints against the reference for `rows` (n coefficients and
// the right side each): the printed matrices keep the row space and an
// integral left side; "Keine Lösung" exactly for an inconsistent system;
// otherwise one line per unknown, n - rank of them "beliebig", the printed
// solution solving every equation for any choice of the free unknowns, the
// unique solution equal to the reference, and every test line "o.K.".
void CheckSolvedSystem(const std::vector<std::string>& input, const std::vector<RationalRow>& rows, int n);

}  // namespace lumatik::testing
