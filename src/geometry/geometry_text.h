#pragma once

// How the geometry commands read points, vectors and planes from worksheet
// lines and how they write numbers, points and coordinate equations.

#include <string>
#include <vector>

#include "geometry/geometry_scalar.h"
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

// The values of one worksheet line, in order. Names and words ("Gerade",
// "Aufpunkt", "r=") and the brackets around the coordinates of a point or
// vector ("A(6|4|4)", "u=(1 -1 1/2)") separate them; a point as the program
// writes it ("P(1'3/5|-2|0)", "F(1 234,5|0|-1)") reads as that point. A
// value is a number or a term of the engine without blanks, also one that
// begins with a letter ("wur(3)", "Pi/2").
std::vector<std::string> ValueItems(const std::string& line);

class LineValues {
 public:
  explicit LineValues(const std::string& line) : items_(ValueItems(line)) {}

  // Value n, counted from 1; 0 where the line has fewer values.
  Extended value(int n);
  Vec3 vec3(int first);
  // The same with the fraction each value was typed as: "0,865", "7/3",
  // "-1'1/2" and "1,5E-3" are read exactly, not through their extended value.
  Typed typed(int n);
  TypedVec3 typedVec3(int first);
  // a, b, c, d as the first four values: "2 -1 -2 3   (Ebene E: ...)".
  PlaneEquation plane();

  // False once a value asked for was a term the engine cannot compute (it
  // reads 0); the command then shows hint() instead of computing.
  bool computed() const { return uncomputable_.empty(); }
  std::string hint(int lineNumber) const;

 private:
  std::vector<std::string> items_;
  std::string uncomputable_;
  std::string message_;
};

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
