#pragma once

// "Dreieck": everything about a triangle ABC in space - its plane, sides,
// angles, medians, circumcircle, centroid, heights and area.

#include <array>
#include <optional>

#include "geometry/geometry_types.h"
#include "worksheet/worksheet.h"

namespace lumatik {

struct TriangleHeight {
  Vec3 foot;
  Extended length = 0;
};

struct TriangleResult {
  bool collinear = false;  // also when two corners coincide
  Vec3 ab, ac, bc;         // the side vectors B - A, C - A, C - B
  Extended a = 0, b = 0, c = 0;  // |BC|, |AC|, |AB|
  Extended alpha = 0, beta = 0, gamma = 0;  // degrees; 0 at a side of length 0
  std::array<Vec3, 3> midpoints;            // of BC, AC, AB
  std::optional<Sphere> circumcircle;       // centre U and radius
  Vec3 centroid;
  // On the sides a, b, c; nothing where the side has length 0.
  std::array<std::optional<TriangleHeight>, 3> heights;
  Extended area = 0;
};

TriangleResult ComputeTriangle(const Vec3& a, const Vec3& b, const Vec3& c);

// "Dreieck"
void Triangle(Worksheet& sheet);

}  // namespace lumatik
