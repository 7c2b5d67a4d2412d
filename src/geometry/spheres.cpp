#include "geometry/spheres.h"

#include <cmath>
#include <optional>
#include <string>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "geometry/exact_value_text.h"
#include "geometry/geometry_scalar.h"
#include "geometry/geometry_support.h"
#include "geometry/geometry_text.h"
#include "shell/codepage.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"
#include "worksheet/equation_support.h"

namespace lumatik {

namespace {

// The two solutions of A*s^2 + B*s + C = 0 (A > 0, discriminant > 0) when
// the root of the discriminant is irrational: the larger first, each from
// the form without cancellation.
void IrrationalRoots(Extended a, Extended b, Extended c, Extended discriminant, Extended& s1, Extended& s2) {
  const Extended root = std::sqrt(discriminant);
  if (b >= 0) {
    s2 = (-b - root) / (2 * a);
    s1 = c / (a * s2);
  } else {
    s1 = (root - b) / (2 * a);
    s2 = c / (a * s1);
  }
}

template <class T>
LineSphereResult LineSphereIn(const TypedVec3& pIn, const TypedVec3& uIn, const TypedVec3& mIn, const Typed& rIn) {
  const Vec3Of<T> p = InputAs<T>(pIn);
  const Vec3Of<T> u = InputAs<T>(uIn);
  const Vec3Of<T> m = InputAs<T>(mIn);
  const T r = InputAs<T>(rIn);
  const Vec3Of<T> pm = p - m;
  const Extended pmScale = SizeOf(p) + SizeOf(m);
  const Extended bScale = 2 * pmScale * SizeOf(u);
  const Extended cScale = pmScale * pmScale + ValueOf(r) * ValueOf(r);
  const T a = Dot(u, u);
  const T b = Snapped(2 * Dot(pm, u), bScale);
  const T c = Snapped(Dot(pm, pm) - r * r, cScale);
  LineSphereResult result;
  result.a = ValueOf(a);
  result.b = ValueOf(b);
  result.c = ValueOf(c);
  if (IsZeroVector(u)) {
    result.noQuadratic = true;
    return result;
  }
  const Extended discriminantScale = bScale * bScale + 4 * ValueOf(a) * cScale;
  const T discriminant = b * b - 4 * a * c;
  if (Negligible(discriminant, discriminantScale)) {
    result.meets = result.touches = true;
    const T s = -b / (2 * a);
    result.s1 = result.s2 = ValueOf(s);
    result.p1 = result.p2 = CleanedVec(p + s * u, SizeOf(p) + std::fabs(ValueOf(s)) * SizeOf(u));
    return result;
  }
  if (ValueOf(discriminant) < 0) return result;
  result.meets = true;
  if constexpr (std::is_same_v<T, mpq_class>) {
    if (const std::optional<mpq_class> root = ExactSquareRoot(discriminant)) {
      const T s1 = (*root - b) / (2 * a);
      const T s2 = (-b - *root) / (2 * a);
      result.s1 = ValueOf(s1);
      result.s2 = ValueOf(s2);
      result.p1 = CleanedVec(p + s1 * u, 0);
      result.p2 = CleanedVec(p + s2 * u, 0);
      return result;
    }
  }
  result.irrational = std::is_same_v<T, mpq_class>;
  IrrationalRoots(result.a, result.b, result.c, ValueOf(discriminant), result.s1, result.s2);
  const Vec3 pv{ValueOf(p.x1), ValueOf(p.x2), ValueOf(p.x3)};
  const Vec3 uv{ValueOf(u.x1), ValueOf(u.x2), ValueOf(u.x3)};
  const Vec3Of<Extended> p1 = {pv.x1 + result.s1 * uv.x1, pv.x2 + result.s1 * uv.x2, pv.x3 + result.s1 * uv.x3};
  const Vec3Of<Extended> p2 = {pv.x1 + result.s2 * uv.x1, pv.x2 + result.s2 * uv.x2, pv.x3 + result.s2 * uv.x3};
  result.p1 = CleanedVec(p1, SizeOf(p) + std::fabs(result.s1) * SizeOf(u));
  result.p2 = CleanedVec(p2, SizeOf(p) + std::fabs(result.s2) * SizeOf(u));
  return result;
}

template <class T>
SphereFromPointsResult SphereFromPointsIn(const std::array<TypedVec3, 4>& in) {
  std::array<Vec3Of<T>, 4> x;
  Extended scale = 0;
  for (int k = 0; k < 4; ++k) {
    x[k] = InputAs<T>(in[k]);
    scale += SizeOf(x[k]);
  }
  SphereFromPointsResult result;
  for (int k = 0; k < 4; ++k) {
    result.pointRows[k] = {ValueOf(x[k].x1), ValueOf(x[k].x2), ValueOf(x[k].x3),
                           Cleaned(-Dot(x[k], x[k]), scale * scale)};
  }
  // Subtracting row k from row 1 removes d: (A - X).(a, b, c) = |X|^2 - |A|^2.
  std::array<std::array<T, 4>, 3> rows;
  for (int k = 1; k < 4; ++k) {
    const Vec3Of<T> diff = x[0] - x[k];
    rows[k - 1] = {diff.x1, diff.x2, diff.x3, Snapped(Dot(x[k], x[k]) - Dot(x[0], x[0]), scale * scale)};
    for (int col = 0; col < 4; ++col) result.differenceRows[k - 1][col] = ValueOf(rows[k - 1][col]);
  }
  const std::optional<std::array<T, 3>> abc = Solve3x3(rows);
  if (!abc) return result;
  result.solved = true;
  const Vec3Of<T> coefficients{(*abc)[0], (*abc)[1], (*abc)[2]};
  const T d = Dot(x[0], x[0]) + Dot(coefficients, x[0]);
  const Vec3 abcClean = CleanedVec(coefficients, scale);
  result.a = abcClean.x1;
  result.b = abcClean.x2;
  result.c = abcClean.x3;
  result.d = Cleaned(d, scale * scale);
  const T half = T(1) / T(2);
  const Vec3Of<T> m = -half * coefficients;
  result.m = CleanedVec(m, scale);
  for (int k = 0; k < 4; ++k) result.distances[k] = LengthValue(m - x[k], scale);
  return result;
}

std::string RowText(const std::array<Extended, 4>& row) {
  return PaddedNumberText(row[0]) + " " + PaddedNumberText(row[1]) + " " + PaddedNumberText(row[2]);
}

}  // namespace

LineSphereResult ComputeLineSphere(const TypedVec3& p, const TypedVec3& u, const TypedVec3& m, const Typed& r) {
  return ExactOrFloat([&](auto zero) { return LineSphereIn<decltype(zero)>(p, u, m, r); });
}

SphereFromPointsResult ComputeSphereFromPoints(const std::array<TypedVec3, 4>& points) {
  return ExactOrFloat([&](auto zero) { return SphereFromPointsIn<decltype(zero)>(points); });
}

void LineSphere(Worksheet& sheet) {
  const std::string first = sheet.line(1);
  const std::string second = sheet.line(2);
  if (!GeometryHead(sheet,
                    Cp1252("Gerade p(-8 8 14) u(4 0 -3)\r\n"
                           "Kugel M(3 8 4) r=5\r\n"
                           "Ändern Sie die Werte und klicken Sie den Punkt noch mal an!"),
                    LowerCase(first).find("gerade") != std::string::npos &&
                        LowerCase(second).find("kugel") != std::string::npos,
                    "In die erste Zeile \"Gerade\" in die zweite \"Kugel\"\r" + ClickTwiceAgainText()))
    return;
  LineValues lineValues(first);
  LineValues sphereValues(second);
  const TypedVec3 p = lineValues.typedVec3(1);
  const TypedVec3 u = lineValues.typedVec3(4);
  const TypedVec3 m = sphereValues.typedVec3(1);
  const Typed radius = sphereValues.typed(4);
  if (!ValuesComputed(sheet, {{1, &lineValues}, {2, &sphereValues}}) ||
      !InputsInRange({ValueOf(p), ValueOf(u), ValueOf(m)}, sheet) || !InputsInRange({radius.value}, sheet))
    return;
  sheet.clear();
  sheet.append(first);
  sheet.append(second);
  const LineSphereResult r = ComputeLineSphere(p, u, m, radius);
  sheet.append(Cp1252("Gerade in Kugel führt auf Gleichung ") + NumberTextMixed(r.a) + "*s^2" + SignChar(r.b) +
               ParenNumberText(std::fabs(r.b)) + "*s" + SignChar(r.c) + ParenNumberText(std::fabs(r.c)) + "=0");
  if (r.noQuadratic) sheet.hint("Keine quadratische Gleichung");
  if (!r.meets) {
    sheet.append("Keine Schnittpunkte");
    return;
  }
  // What is known to be irrational is not looked up as a fraction.
  auto number = [&](Extended x, bool rational) { return rational ? NumberTextMixed(x) : GeneralFloatText(x, 18); };
  const Vec3 direction = ValueOf(u);
  auto point = [&](const Vec3& x) {
    return "(" + number(x.x1, !r.irrational || direction.x1 == 0) + "|" +
           number(x.x2, !r.irrational || direction.x2 == 0) + "|" + number(x.x3, !r.irrational || direction.x3 == 0) +
           ")";
  };
  sheet.append(Cp1252("Lsg.: s1=") + number(r.s1, !r.irrational) + " s2=" + number(r.s2, !r.irrational) +
               " Schnittpunkte Gerade Kugel");
  sheet.append("STRECKE S1" + point(r.p1) + "S2" + point(r.p2));
}

void SphereThroughFourPoints(Worksheet& sheet) {
  const std::string first = sheet.line(1);
  if (!GeometryHead(sheet,
                    Cp1252("Kugel durch A(4|4|6) B(0|3|6) C(5|4|5) D(-1|3|1)\r\n"
                           "Ändern Sie die Werte und klicken Sie den Punkt noch mal an!"),
                    LowerCase(first).find("kugel durch") != std::string::npos,
                    "In die erste Zeile muss \"Kugel durch ...\" stehen!\r\n" + ClickTwiceAgainText()))
    return;
  LineValues values(first);
  const std::array<TypedVec3, 4> points = {values.typedVec3(1), values.typedVec3(4), values.typedVec3(7),
                                           values.typedVec3(10)};
  if (!ValuesComputed(sheet, {{1, &values}}) ||
      !InputsInRange({ValueOf(points[0]), ValueOf(points[1]), ValueOf(points[2]), ValueOf(points[3])}, sheet))
    return;
  sheet.clear();
  std::string text = first + Cp1252("\r\n"
                                    "Ansatz Kugel: x1^2+x2^2+x3^2+ax1+bx2+cx3=d\r\n"
                                    " => M(-a/2|-b/2|-c/2) r=d(A,M)\r\n"
                                    "Punktprobe mit A,B,C und D führt mit Umformung\r\n"
                                    "ax1+bx2+cx3-d=-(x1^2+x2^2+x3^2) auf das LGS für a,b,c und d:\r\n"
                                    "n=4 m=4");
  const SphereFromPointsResult r = ComputeSphereFromPoints(points);
  for (const auto& row : r.pointRows) text += "\r\n" + RowText(row) + " -1 |" + PaddedNumberText(row[3]);
  sheet.append(text);
  text = Cp1252("(1)-(2), (1)-(3), (1)-(4) führt auf das LGS für a,b und c:\r\nn=3 m=3");
  for (const auto& row : r.differenceRows) text += "\r\n" + RowText(row) + "|" + PaddedNumberText(row[3]);
  sheet.append(text);
  if (!r.solved) {
    sheet.append(Cp1252("Nicht oder nicht eindeutig lösbar."));
    return;
  }
  const RootValue& radius = r.distances[0];
  sheet.append(Cp1252("Lösung: a=") + NumberTextMixed(r.a) + " b=" + NumberTextMixed(r.b) + " c=" +
               NumberTextMixed(r.c) + "\r\n" + "        in (1) => d=" + NumberTextMixed(r.d) + "\r\n" +
               "Mittelpunkt M" + PointText("|", r.m) + " Radius r=" + MixedValueText(radius) + "\r\n" + "KUGEL M" +
               PointText("|", r.m) + " Radius r=" + ExactValueText(radius));
  sheet.append("Probe  MA=" + MixedValueText(radius) + "\r\n" + "       MB=" + MixedValueText(r.distances[1]) +
               "\r\n" + "       MC=" + MixedValueText(r.distances[2]) + "\r\n" + "       MD=" +
               MixedValueText(r.distances[3]));
}

}  // namespace lumatik
