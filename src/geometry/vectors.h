#pragma once

// "Vektor" and "Zwei Vektoren": the length of a vector, or the lengths,
// the dot product and the angle of two.

#include "geometry/geometry_types.h"
#include "worksheet/worksheet.h"

namespace lumatik {

struct VectorsResult {
  Extended lengthU = 0, lengthV = 0;
  Extended dot = 0;
  Extended cosPhi = 0;
  Extended phi = 0;  // degrees
};

VectorsResult ComputeVectors(const Vec3& u, const Vec3& v);

// "Vektor" (twoVectors false) and "Zwei Vektoren" (true); the flag only
// chooses the example: a first line with a "v" computes with two vectors.
void Vectors(Worksheet& sheet, bool twoVectors);

}  // namespace lumatik
