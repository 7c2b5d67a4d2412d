#pragma once

// "Vektor" and "Zwei Vektoren": the length of a vector, or the lengths,
// the dot product and the angle of two.

#include "geometry/geometry_scalar.h"
#include "geometry/geometry_types.h"
#include "worksheet/worksheet.h"

namespace lumatik {

struct VectorsResult {
  RootValue lengthU, lengthV;
  RootValue dot;
  RootValue cosPhi;
  Extended phi = 0;  // degrees
};

VectorsResult ComputeVectors(const TypedVec3& u, const TypedVec3& v);

// "Vektor" (twoVectors false) and "Zwei Vektoren" (true); the flag only
// chooses the example: a first line with a "v" computes with two vectors.
void Vectors(Worksheet& sheet, bool twoVectors);

}  // namespace lumatik
