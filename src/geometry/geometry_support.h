#pragma once

// Pieces the line, sphere, vector and triangle commands share: reading a
// single value and the size limit of typed numbers.

#include <initializer_list>
#include <string>
#include <utility>

#include "geometry/geometry_text.h"
#include "geometry/geometry_types.h"
#include "worksheet/worksheet.h"

namespace lumatik {

// The last line of most "wrong first line" hints.
std::string ClickTwiceAgainText();

// True when every value read from these lines was computed; otherwise the
// hint names the first term the engine could not compute (line numbers as in
// the worksheet) and the command stops.
bool ValuesComputed(Worksheet& sheet, std::initializer_list<std::pair<int, const LineValues*>> lines);

// Typed values beyond 1E300 would overflow the squares and products the
// commands form; such input gets a hint instead of a computation. True when
// every value is in range.
bool InputsInRange(std::initializer_list<Extended> values, Worksheet& sheet);
bool InputsInRange(std::initializer_list<Vec3> points, Worksheet& sheet);

}  // namespace lumatik
