#pragma once

// "Gerade Ebene": where a line x = p + s*u meets a plane n*x = d, or
// whether it runs parallel to it or lies in it.

#include "geometry/geometry_scalar.h"
#include "geometry/geometry_types.h"
#include "worksheet/worksheet.h"

namespace lumatik {

struct LinePlaneResult {
  bool noPlane = false;  // n = 0
  bool noLine = false;   // u = 0
  Extended nu = 0;       // n.u
  Extended np = 0;       // n.p
  bool parallel = false;  // n.u = 0
  bool inPlane = false;   // parallel and d - n.p = 0
  Extended s = 0;
  Vec3 point;  // the intersection point S
};

// The line x = p + s*u and the plane n.x = d.
LinePlaneResult ComputeLinePlane(const TypedVec3& p, const TypedVec3& u, const TypedVec3& n, const Typed& d);

// "Gerade Ebene"
void LinePlane(Worksheet& sheet);

}  // namespace lumatik
