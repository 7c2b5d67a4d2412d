#include "geometry/triangle.h"

#include <cmath>
#include <string>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "shell/matherror.h"
#include "geometry/exact_value_text.h"
#include "geometry/geometry_scalar.h"
#include "geometry/geometry_support.h"
#include "geometry/geometry_text.h"
#include "geometry/lines.h"
#include "geometry/planes.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"
#include "worksheet/equation_support.h"

namespace lumatik {

namespace {

// The angle at a corner between two sides; 0 when a side has length 0.
template <class T>
Extended CornerAngle(const Vec3Of<T>& x, const Vec3Of<T>& y, bool xZero, bool yZero) {
  return xZero || yZero ? 0 : AngleDegrees(x, y);
}

template <class T>
TriangleResult TriangleIn(const TypedVec3& aIn, const TypedVec3& bIn, const TypedVec3& cIn) {
  const Vec3Of<T> a = InputAs<T>(aIn);
  const Vec3Of<T> b = InputAs<T>(bIn);
  const Vec3Of<T> c = InputAs<T>(cIn);
  const Extended scale = SizeOf(a) + SizeOf(b) + SizeOf(c);
  const Vec3Of<T> ab = b - a;
  const Vec3Of<T> ac = c - a;
  const Vec3Of<T> bc = c - b;
  const bool abZero = NegligibleVec(ab, scale);
  const bool acZero = NegligibleVec(ac, scale);
  const bool bcZero = NegligibleVec(bc, scale);
  const Vec3Of<T> normal = Cross(ab, ac);
  const Extended normalScale = scale * scale;

  TriangleResult result;
  result.collinear = NegligibleVec(normal, normalScale);
  result.coinciding = abZero || acZero || bcZero;
  result.ab = CleanedVec(ab, scale);
  result.ac = CleanedVec(ac, scale);
  result.bc = CleanedVec(bc, scale);
  result.a = LengthValue(bc, scale);
  result.b = LengthValue(ac, scale);
  result.c = LengthValue(ab, scale);
  result.alpha = CornerAngle(ab, ac, abZero, acZero);
  result.beta = CornerAngle(a - b, bc, abZero, bcZero);
  result.gamma = CornerAngle(a - c, b - c, acZero, bcZero);

  const T half = T(1) / T(2);
  result.midpoints = {CleanedVec(half * (b + c), scale), CleanedVec(half * (a + c), scale),
                      CleanedVec(half * (a + b), scale)};
  result.centroid = CleanedVec((T(1) / T(3)) * (a + b + c), scale);

  if (!result.collinear) {
    // U is as far from A as from B and from C, and lies in the plane ABC.
    const std::array<std::array<T, 4>, 3> rows = {{
        {ab.x1, ab.x2, ab.x3, half * (Dot(b, b) - Dot(a, a))},
        {ac.x1, ac.x2, ac.x3, half * (Dot(c, c) - Dot(a, a))},
        {normal.x1, normal.x2, normal.x3, Dot(normal, a)},
    }};
    if (const std::optional<std::array<T, 3>> u = Solve3x3(rows)) {
      const Vec3Of<T> centre{(*u)[0], (*u)[1], (*u)[2]};
      result.circumcentre = CleanedVec(centre, scale);
      result.circumradius = LengthValue(a - centre, scale);
    }
  }

  // The foot of each corner on the line through the other two: A on BC,
  // B on AC, C on AB.
  const Vec3Of<T>* const corners[3][3] = {{&a, &b, &c}, {&b, &a, &c}, {&c, &a, &b}};
  for (int k = 0; k < 3; ++k) {
    const Vec3Of<T>& from = *corners[k][0];
    const Vec3Of<T>& p = *corners[k][1];
    const Vec3Of<T>& q = *corners[k][2];
    if (const std::optional<FootPoint<T>> foot = FootOnLine(from, p, q - p, SizeOf(p) + SizeOf(q))) {
      result.heights[k] = TriangleHeight{CleanedVec(foot->f, scale), LengthValue(from - foot->f, scale)};
    }
  }
  result.area = LengthValue(half * normal, normalScale);
  return result;
}

std::string SideLine(const std::string& name, const Vec3& side, const std::string& length, const RootValue& value) {
  return PadRight(name + "=" + PointText(" ", side), 30) + " " + length + "=" + ExactValueText(value);
}

}  // namespace

TriangleResult ComputeTriangle(const TypedVec3& a, const TypedVec3& b, const TypedVec3& c) {
  return ExactOrFloat([&](auto zero) { return TriangleIn<decltype(zero)>(a, b, c); });
}

void Triangle(Worksheet& sheet) {
  const std::string head = sheet.line(1);
  if (!GeometryHead(sheet,
                    Cp1252("Dreieck A(6|4|4) B(2|6|5) C(3|4|1)\r\n"
                           "Überschreiben Sie die Zahlen in Zeile 1 und\r\n"
                           "klicken Sie anschließend auf  \"Dreieck\"."),
                    LowerCase(head).find("dreieck") != std::string::npos,
                    "Die erste Zeile mu\xDF das Wort \"Dreieck\" als Erkennungsmerkmal enthalten\r" +
                        ClickTwiceAgainText()))
    return;
  LineValues values(head);
  const TypedVec3 aTyped = values.typedVec3(1);
  const TypedVec3 bTyped = values.typedVec3(4);
  const TypedVec3 cTyped = values.typedVec3(7);
  const Vec3 a = ValueOf(aTyped);
  const Vec3 b = ValueOf(bTyped);
  const Vec3 c = ValueOf(cTyped);
  if (!ValuesComputed(sheet, {{1, &values}}) || !InputsInRange({a, b, c}, sheet)) return;
  sheet.clear();
  sheet.append(head);
  const TriangleResult r = ComputeTriangle(aTyped, bTyped, cTyped);
  // Points on one line span no plane, and every further line would be
  // about a triangle that is not there.
  if (r.coinciding) {
    sheet.append("Zwei Punkte fallen zusammen: kein Dreieck!");
    return;
  }
  if (r.collinear) {
    sheet.append("Die drei Punkte liegen auf einer Geraden: kein Dreieck!");
    return;
  }

  MathErrorText().clear();
  const PlaneFromParamResult found = PlaneFromParam(aTyped, bTyped - aTyped, cTyped - aTyped);
  if (found.notUnique) sheet.hint("Die Ebene ist nicht eindeutig bestimmt");
  const PlaneEquation& plane = found.plane;
  sheet.append("auf Ebene: " + CleanFloatText(plane.a) + "*x1" + SignChar(plane.b) +
               CleanFloatText(std::fabs(plane.b)) + "*x2" + SignChar(plane.c) + CleanFloatText(std::fabs(plane.c)) +
               "*x3=" + CleanFloatText(plane.d) + MathErrorText());

  sheet.append(SideLine("BC", r.bc, "a", r.a));
  sheet.append(SideLine("AC", r.ac, "b", r.b));
  sheet.append(SideLine("AB", r.ab, "c", r.c));

  sheet.append(Spaces(15) + "Winkel");
  sheet.append("alpha=" + AngleDegreesText(r.alpha) + kDegreeSign);
  sheet.append("beta=" + AngleDegreesText(r.beta) + kDegreeSign);
  sheet.append("gamma=" + AngleDegreesText(r.gamma) + kDegreeSign);

  sheet.append(Spaces(15) + "Seitenhalbierenden");
  sheet.append("Strecke A" + PointText("|", a) + " Ma" + PointText("|", r.midpoints[0]));
  sheet.append("Strecke B" + PointText("|", b) + " Mb" + PointText("|", r.midpoints[1]));
  sheet.append("Strecke C" + PointText("|", c) + " Mc" + PointText("|", r.midpoints[2]));

  if (r.circumcentre) {
    const Vec3& u = *r.circumcentre;
    const Extended radius = r.circumradius.value;
    sheet.append("Umkreis U" + PointText("|", u) + " r=" + ExactValueText(r.circumradius));
    sheet.append("Kreis U(" + FloatTextGrouped(3, u.x1) + "|" + FloatTextGrouped(3, u.x2) + "|" +
                 FloatTextGrouped(3, u.x3) + ") r=" + FloatTextGrouped(3, radius) + " orthogonal zu v" +
                 PointText(" ", plane.a, plane.b, plane.c));
  } else {
    sheet.append("(Umkreis nicht berechnet)");
  }

  sheet.append(Spaces(15) + "SCHWERPUNKT" + PointText("|", r.centroid));

  const char* names[3] = {"a", "b", "c"};
  for (int k = 0; k < 3; ++k) {
    const std::string label = std::string("H") + names[k];
    if (!r.heights[k]) {
      sheet.append(label + " ???");
      continue;
    }
    sheet.append(PadRight(label + PointText("|", r.heights[k]->foot), 33) + " h" + names[k] + "=" +
                 ExactValueText(r.heights[k]->length));
  }
  if (r.heights[2]) sheet.append(Cp1252("Dreiecksfläche=") + ExactValueText(r.area));
}

}  // namespace lumatik
