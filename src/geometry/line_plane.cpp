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
LinePlaneResult LinePlaneIn(const TypedVec3& pIn, const TypedVec3& uIn, const TypedVec3& nIn, const Typed& dIn) {
  const Vec3Of<T> p = InputAs<T>(pIn);
  const Vec3Of<T> u = InputAs<T>(uIn);
  const Vec3Of<T> n = InputAs<T>(nIn);
  const T d = InputAs<T>(dIn);
  LinePlaneResult result;
  result.noPlane = IsZeroVector(n);
  result.noLine = IsZeroVector(u);
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

LinePlaneResult ComputeLinePlane(const TypedVec3& p, const TypedVec3& u, const TypedVec3& n, const Typed& d) {
  return ExactOrFloat([&](auto zero) { return LinePlaneIn<decltype(zero)>(p, u, n, d); });
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
  const TypedVec3 p = lineValues.typedVec3(1);
  const TypedVec3 u = lineValues.typedVec3(4);
  const TypedVec3 n = planeValues.typedVec3(1);
  const Typed d = planeValues.typed(4);
  const Line3 g{ValueOf(p), ValueOf(u)};
  const PlaneEquation e{n.x1.value, n.x2.value, n.x3.value, d.value};
  if (!ValuesComputed(sheet, {{1, &lineValues}, {2, &planeValues}}) ||
      !InputsInRange({g.p, g.u, e.normal()}, sheet) || !InputsInRange({e.d}, sheet))
    return;
  sheet.clear();
  sheet.append("p" + PointText("|", g.p) + " u" + PointText(" ", g.u) + "  Gerade g: x=p+s*u\r\n" +
               NumberTextMixed(e.a) + " " + NumberTextMixed(e.b) + " " + NumberTextMixed(e.c) + " " +
               NumberTextMixed(e.d) + "  Ebene n*x=d bzw. ax1+bx2+cx3=d");
  const LinePlaneResult r = ComputeLinePlane(p, u, n, d);
  if (r.noPlane) {
    // 0 = d is no plane: neither "in E" nor "parallel" would mean anything.
    sheet.hint("Keine Ebene: a, b und c sind alle 0.");
    return;
  }
  if (r.noLine) {
    // Without a direction p + s*u is one point, which is never "in E".
    sheet.append("Der Richtungsvektor ist der Nullvektor: keine Gerade!");
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
