#pragma once

// Primitive Pythagorean triples and quadruples listed by exhaustive search
// over growing c (or d), and the algebra area's polynomial product, which
// shows its example and the selected line.

#include <string>

#include "worksheet/worksheet.h"

namespace lumatik {

// n with blanks in front: at least 1 character while top < 11, 2 while
// top < 101, 3 beyond, so the columns grow with the largest value.
std::string PadNumber(int n, int top);

// Every hundredth value asks "Weitermachen?" through the worksheet; "no"
// writes the pending line and ends the list.
void PythagoreanTriples(Worksheet& sheet);     // "Pythagoreische Zahlentripel"
void PythagoreanQuadruples(Worksheet& sheet);  // "pythagoräische Zahlenquadrupel"

void PolynomialProduct(Worksheet& sheet);      // "Polynommultiplikation"

}  // namespace lumatik
