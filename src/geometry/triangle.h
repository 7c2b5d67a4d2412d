#pragma once

// "Dreieck": everything about a triangle ABC in space - its plane, sides,
// angles, medians, circumcircle, centroid, heights and area.

#include <array>
#include <optional>

#include "geometry/geometry_scalar.h"
#include "geometry/geometry_types.h"
#include "worksheet/worksheet.h"

namespace lumatik {

struct TriangleHeight {
  Vec3 foot;
  RootValue length;
};

struct TriangleResult {
  bool collinear = false;  // also when two corners coincide
  bool coinciding = false;  // two corners are one point
  Vec3 ab, ac, bc;         // the side vectors B - A, C - A, C - B
  RootValue a, b, c;       // |BC|, |AC|, |AB|
  Extended alpha = 0, beta = 0, gamma = 0;  // degrees; 0 at a side of length 0
  std::array<Vec3, 3> midpoints;            // of BC, AC, AB
  std::optional<Vec3> circumcentre;
  RootValue circumradius;
  Vec3 centroid;
  // On the sides a, b, c; nothing where the side has length 0.
  std::array<std::optional<TriangleHeight>, 3> heights;
  RootValue area;
};

TriangleResult ComputeTriangle(const TypedVec3& a, const TypedVec3& b, const TypedVec3& c);

// "Dreieck"
void Triangle(Worksheet& sheet);

}  // namespace lumatik
