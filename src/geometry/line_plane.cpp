#include "geometry/line_plane.h"

#include <cmath>
#include <string>

#include "exact/fractions.h"
#include "geometry/geometry_scalar.h"
#include "geometry/geometry_support.h"
#include "geometry/geometry_text.h"
#include "shell/codepage.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"

namespace lumatik {

namespace {

template <class T>
LinePlaneResult LinePlaneIn(const Line3& gIn, const PlaneEquation& eIn) {
  const Vec3Of<T> p = InputAs<T>(gIn.p);
  const Vec3Of<T> u = InputAs<T>(gIn.u);
  const Vec3Of<T> n = InputAs<T>(eIn.normal());
  const T d = InputAs<T>(eIn.d);
  LinePlaneResult result;
  result.noPlane = IsZeroVector(n);
  const T nu = Dot(n, u);
  const T np = Dot(n, p);
  const Extended nuScale = ProductScale(n, u);
  const Extended rightScale = ProductScale(n, p) + std::fabs(ValueOf(d));
  result.nu = Cleaned(nu, nuScale);
  result.np = Cleaned(np, ProductScale(n, p));
  result.parallel = Negligible(nu, nuScale);
  const T right = Snapped(d - np, rightScale);
  if (result.parallel) {
    result.inPlane = Negligible(right, rightScale);
    return result;
  }
  const T s = right / nu;
  result.s = ValueOf(s);
  result.point = CleanedVec(p + s * u, SizeOf(p) + std::fabs(ValueOf(s)) * SizeOf(u));
  return result;
}

}  // namespace

LinePlaneResult ComputeLinePlane(const Line3& g, const PlaneEquation& e) {
  return ExactOrFloat([&](auto zero) { return LinePlaneIn<decltype(zero)>(g, e); });
}

void LinePlane(Worksheet& sheet) {
  const std::string first = sheet.line(1);
  const std::string second = sheet.line(2);
  if (!GeometryHead(sheet,
                    Cp1252("p(2 2 1)  u(1 -1 1)  Gerade g: x=p+s*u\r\n"
                           "-1 7 2 16            Ebene  E: -x1+7x2+2x3=16\r\n"
                           "Ändern Sie die Werte und klicken Sie den Punkt noch mal an!"),
                    LowerCase(first).find("gerade") != std::string::npos &&
                        LowerCase(second).find("ebene") != std::string::npos,
                    Cp1252("In der 1. Zeile muss \"Gerade\" und in der zweiten \"Ebene\" stehen\r"
                           "Klicken Sie \"alles Löschen\" und diesen Punkt noch zwei mal an!")))
    return;
  LineValues lineValues(first);
  LineValues planeValues(second);
  const Line3 g = lineValues.line3();
  const PlaneEquation e = planeValues.plane();
  if (!ValuesComputed(sheet, {{1, &lineValues}, {2, &planeValues}}) ||
      !InputsInRange({g.p, g.u, e.normal()}, sheet) || !InputsInRange({e.d}, sheet))
    return;
  sheet.clear();
  sheet.append("p" + PointText("|", g.p) + " u" + PointText(" ", g.u) + "  Gerade g: x=p+s*u\r\n" +
               NumberTextMixed(e.a) + " " + NumberTextMixed(e.b) + " " + NumberTextMixed(e.c) + " " +
               NumberTextMixed(e.d) + "  Ebene n*x=d bzw. ax1+bx2+cx3=d");
  const LinePlaneResult r = ComputeLinePlane(g, e);
  if (r.noPlane) {
    // 0 = d is no plane: neither "in E" nor "parallel" would mean anything.
    sheet.hint("Keine Ebene: a, b und c sind alle 0.");
    return;
  }
  sheet.append(Cp1252("\"g in E\" führt auf n*u*s+n*p=d, hier: ") + NumberTextMixed(r.nu) + "*s" +
               SignedNumberText(r.np) + "=" + NumberTextMixed(e.d));
  if (r.parallel) {
    sheet.append(r.inPlane ? "g liegt in E" : "g parallel zu E");
    return;
  }
  sheet.append("Schnittpunkt S" + PointText("|", r.point) + "  s=" + NumberTextMixed(r.s));
}

}  // namespace lumatik
