#include "geometry/geometry_text.h"

#include <cmath>

#include "exact/fractions.h"
#include "shell/luhilf.h"

namespace lumatik {

std::string PointText(const std::string& sep, Extended x1, Extended x2, Extended x3) {
  return "(" + NumberTextMixed(x1) + sep + NumberTextMixed(x2) + sep + NumberTextMixed(x3) + ")";
}

std::string PointText(const std::string& sep, const Vec3& v) { return PointText(sep, v.x1, v.x2, v.x3); }

std::string PointTextDecimal(const std::string& sep, const Vec3& v) {
  return "(" + FloatTextGrouped(4, v.x1) + sep + FloatTextGrouped(4, v.x2) + sep + FloatTextGrouped(4, v.x3) + ")";
}

std::string ParenNumberText(Extended x) {
  const std::string text = NumberTextMixed(x);
  return IsWholeNumber(x, 1e-12L) ? text : "(" + text + ")";
}

std::string PaddedNumberText(Extended x) { return PadRight(NumberTextMixed(x), 5); }

Vec3 ReadVec3(const std::string& line, int first) {
  return {NthValue(line, first), NthValue(line, first + 1), NthValue(line, first + 2)};
}

Vec3 ReadVec3Plain(const std::string& line, int first) {
  return {NthValuePlain(line, first), NthValuePlain(line, first + 1), NthValuePlain(line, first + 2)};
}

Line3 ReadLine3(const std::string& line) { return {ReadVec3(line, 1), ReadVec3(line, 4)}; }

PlaneEquation ReadPlaneEquation(const std::string& line) {
  return {NthValuePlain(line, 1), NthValuePlain(line, 2), NthValuePlain(line, 3), NthValuePlain(line, 4)};
}

std::string CoordinateEquationText(const PlaneEquation& e) {
  return NumberTextMixed(e.a) + "*x1" + SignChar(e.b) + ParenNumberText(std::fabs(e.b)) + "*x2" + SignChar(e.c) +
         ParenNumberText(std::fabs(e.c)) + "*x3=" + NumberTextMixed(e.d);
}

std::string PlaneCoefficientLine(const PlaneEquation& e, const std::string& equation) {
  return PaddedNumberText(e.a) + " " + PaddedNumberText(e.b) + " " + PaddedNumberText(e.c) + " " +
         PaddedNumberText(e.d) + "(Ebene E: " + equation + ")";
}

std::string TraceTriangleText(const PlaneEquation& e) {
  std::string text = "DREIECK der Spurpunkte ";
  if (e.a != 0) text += " S1" + PointText("|", e.d / e.a, 0, 0);
  if (e.b != 0) text += " S2" + PointText("|", 0, e.d / e.b, 0);
  if (e.c != 0) text += " S3" + PointText("|", 0, 0, e.d / e.c);
  return text;
}

bool GeometryHead(Worksheet& sheet, const std::string& example, bool keywordsFound, const std::string& hint) {
  if (sheet.isEmpty()) {
    sheet.clear();
    sheet.append(example);
    return false;
  }
  if (!keywordsFound) {
    sheet.hint(hint);
    return false;
  }
  return true;
}

}  // namespace lumatik
