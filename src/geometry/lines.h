#pragma once

// The line commands of the geometry worksheet: the distance of a point from
// a line through the perpendicular plane, and the mutual position of two
// lines with their common perpendicular, distance and angle.

#include <optional>

#include "geometry/geometry_scalar.h"
#include "geometry/geometry_types.h"
#include "worksheet/worksheet.h"

namespace lumatik {

// The foot of the perpendicular from P onto the line x = A + s*V. Nothing
// when V is the zero vector, exactly or (for a direction that is the
// difference of two points of size `directionScale`) up to rounding.
template <class T>
struct FootPoint {
  Vec3Of<T> f;
  T s;
};

template <class T>
std::optional<FootPoint<T>> FootOnLine(const Vec3Of<T>& p, const Vec3Of<T>& a, const Vec3Of<T>& v,
                                       Extended directionScale) {
  if (NegligibleVec(v, directionScale)) return std::nullopt;
  const T s = Snapped(Dot(v, p - a), ProductScale(v, p) + ProductScale(v, a)) / Dot(v, v);
  return FootPoint<T>{a + s * v, s};
}

struct PointLineDistanceResult {
  bool zeroDirection = false;  // v = 0: the foot is A itself
  Extended planeRight = 0;     // v.P, the right side of the perpendicular plane
  Vec3 foot;
  Extended s = 0;
  RootValue distance;
};

PointLineDistanceResult ComputePointLineDistance(const TypedVec3& p, const TypedVec3& a, const TypedVec3& v);

struct TwoLinesResult {
  bool zeroDirection = false;  // u or v is the zero vector: no line
  bool parallel = false;
  bool identical = false;
  PlaneEquation spanned;  // parallel lines that are not identical
  // The system GH.u = 0, GH.v = 0 with GH = w + t*v - s*u, w = Q - P.
  Extended uu = 0, uv = 0, vv = 0, wu = 0, wv = 0;
  bool solvable = true;
  Extended s = 0, t = 0;
  Vec3 g, h;  // the feet of the common perpendicular
  RootValue distance;
  RootValue cosPhi;
  Extended phi = 0;  // degrees
};

// The lines x = p + s*u and x = q + t*v.
TwoLinesResult ComputeTwoLines(const TypedVec3& p, const TypedVec3& u, const TypedVec3& q, const TypedVec3& v);

// "Abstand Punkt Gerade"
void PointLineDistance(Worksheet& sheet);
// "zwei Geraden"
void TwoLines(Worksheet& sheet);

}  // namespace lumatik
