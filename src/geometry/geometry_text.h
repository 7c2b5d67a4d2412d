#pragma once

// How the geometry commands read points, vectors and planes from worksheet
// lines and how they write numbers, points and coordinate equations.

#include <string>

#include "geometry/geometry_types.h"
#include "worksheet/worksheet.h"

namespace lumatik {

// "(1|-2|1/2)" for points (separator "|"), "(1 -2 1/2)" for vectors (" ").
std::string PointText(const std::string& sep, Extended x1, Extended x2, Extended x3);
std::string PointText(const std::string& sep, const Vec3& v);
// The same frame with at most 4 grouped decimal places per coordinate.
std::string PointTextDecimal(const std::string& sep, const Vec3& v);
// An integer as it is, anything else in brackets: "3", "(1/2)".
std::string ParenNumberText(Extended x);
// NumberTextMixed padded with blanks to 5 characters.
std::string PaddedNumberText(Extended x);

// Three values of a line from value number `first` on: NthValue reads names
// and brackets as separators ("A(6|4|4)"), so a line can name its points.
Vec3 ReadVec3(const std::string& line, int first);
// The same without the bracket blanking, for lines of bare numbers followed
// by a bracketed remark ("-1 2 1   (Punkt P(-1 2 1))").
Vec3 ReadVec3Plain(const std::string& line, int first);
Line3 ReadLine3(const std::string& line);
// a, b, c, d as the first four plain values: "2 -1 -2 3   (Ebene E: ...)".
PlaneEquation ReadPlaneEquation(const std::string& line);

// "2*x1-1*x2-5*x3=3": integer coefficients bare, others in brackets.
std::string CoordinateEquationText(const PlaneEquation& e);
// The four coefficients padded, then "(Ebene E: " + equation + ")".
std::string PlaneCoefficientLine(const PlaneEquation& e, const std::string& equation);

// The scene line of the trace points; a zero coefficient has none.
std::string TraceTriangleText(const PlaneEquation& e);

// The start of every geometry command: an empty worksheet gets the example
// and nothing more; a worksheet whose head fails the keyword test gets the
// hint and stays as it is. True when the command is to compute.
bool GeometryHead(Worksheet& sheet, const std::string& example, bool keywordsFound, const std::string& hint);

}  // namespace lumatik
