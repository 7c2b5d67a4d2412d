#pragma once

// The sphere commands of the geometry worksheet: a line meeting a sphere,
// and the sphere through four points.

#include <array>

#include "geometry/geometry_scalar.h"
#include "geometry/geometry_types.h"
#include "worksheet/worksheet.h"

namespace lumatik {

struct LineSphereResult {
  // A*s^2 + B*s + C = 0 for the points p + s*u on the sphere.
  Extended a = 0, b = 0, c = 0;
  bool noQuadratic = false;  // A = 0: the direction is the zero vector
  bool meets = false;        // a real solution
  bool touches = false;  // one double solution: the line is a tangent
  // Rational line and sphere, but the root of the discriminant is not: s1,
  // s2 and the coordinates along u are irrational and written as decimals.
  bool irrational = false;
  Extended s1 = 0, s2 = 0;
  Vec3 p1, p2;
};

// The line x = p + s*u and the sphere with centre m and radius r.
LineSphereResult ComputeLineSphere(const TypedVec3& p, const TypedVec3& u, const TypedVec3& m, const Typed& r);

struct SphereFromPointsResult {
  // The rows a*X1 + b*X2 + c*X3 - d = -|X|^2 for X = A, B, C, D, and the
  // rows of (1)-(2), (1)-(3), (1)-(4) without d, as printed.
  std::array<std::array<Extended, 4>, 4> pointRows{};
  std::array<std::array<Extended, 4>, 3> differenceRows{};
  bool solved = false;  // the points do not lie on one plane
  Extended a = 0, b = 0, c = 0, d = 0;
  Vec3 m;
  std::array<RootValue, 4> distances{};  // |MA| = r, |MB|, |MC|, |MD|
};

SphereFromPointsResult ComputeSphereFromPoints(const std::array<TypedVec3, 4>& points);

// "Gerade-Kugel"
void LineSphere(Worksheet& sheet);
// "Kugel durch ABCD"
void SphereThroughFourPoints(Worksheet& sheet);

}  // namespace lumatik
