#pragma once

// The plane commands of the geometry worksheet: parameter form or three
// points to the coordinate equation, a coordinate equation with its trace
// points, and the signed distance of a point from a plane.

#include <string>
#include <vector>

#include "geometry/geometry_scalar.h"
#include "geometry/geometry_types.h"
#include "worksheet/worksheet.h"

namespace lumatik {

struct PlaneFromParamResult {
  PlaneEquation plane;  // all zero: no plane
  bool notUnique = false;  // the integer normalisation found nothing to divide by
};

// The coordinate equation through p spanned by u and v, brought to coprime
// integer coefficients where the coefficients are rational.
PlaneFromParamResult PlaneFromParam(const TypedVec3& p, const TypedVec3& u, const TypedVec3& v);
PlaneFromParamResult PlaneFromParam(const Vec3& p, const Vec3& u, const Vec3& v);

std::string ParamFormText(const Vec3& p, const Vec3& u, const Vec3& v);
std::string TriangleFormText(const TypedVec3& p, const TypedVec3& u, const TypedVec3& v);

// "Ebenenpunkte: (0|0|5)  ..." lines: up to 35 points with small integer
// coordinates x1, x2 (and x3 where it is one too).
std::vector<std::string> PlanePointLines(const PlaneEquation& e);

// "Ebene x=p+s*u+t*v" (threePoints false) and "Ebene ABC" (true); the flag
// only chooses the example.
void PlaneToCoordinateForm(Worksheet& sheet, bool threePoints);
// "Ebene ax1+bx2+cx3=d"
void PlaneFromEquation(Worksheet& sheet);
// "Abstand Punkt Ebene"
void PointPlaneDistance(Worksheet& sheet);

}  // namespace lumatik
