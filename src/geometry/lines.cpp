#include "geometry/lines.h"

#include <cmath>
#include <string>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "geometry/exact_value_text.h"
#include "geometry/geometry_support.h"
#include "geometry/geometry_text.h"
#include "shell/codepage.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"
#include "worksheet/equation_support.h"

namespace lumatik {

namespace {

template <class T>
PointLineDistanceResult PointLineDistanceIn(const TypedVec3& pIn, const TypedVec3& aIn, const TypedVec3& vIn) {
  const Vec3Of<T> p = InputAs<T>(pIn);
  const Vec3Of<T> a = InputAs<T>(aIn);
  const Vec3Of<T> v = InputAs<T>(vIn);
  PointLineDistanceResult result;
  result.planeRight = Cleaned(Dot(v, p), ProductScale(v, p));
  // A typed direction is the zero vector only when it is exactly zero.
  const std::optional<FootPoint<T>> foot = FootOnLine(p, a, v, 0);
  result.zeroDirection = !foot;
  const Vec3Of<T> f = foot ? foot->f : a;
  const Extended footScale = SizeOf(a) + SizeOf(p);
  result.foot = CleanedVec(f, footScale);
  result.s = foot ? ValueOf(foot->s) : 0;
  result.distance = LengthValue(f - p, footScale);
  return result;
}

template <class T>
TwoLinesResult TwoLinesIn(const TypedVec3& pIn, const TypedVec3& uIn, const TypedVec3& qIn, const TypedVec3& vIn) {
  const Vec3Of<T> p = InputAs<T>(pIn);
  const Vec3Of<T> u = InputAs<T>(uIn);
  const Vec3Of<T> q = InputAs<T>(qIn);
  const Vec3Of<T> v = InputAs<T>(vIn);
  TwoLinesResult result;
  if (IsZeroVector(u) || IsZeroVector(v)) {
    result.zeroDirection = true;
    return result;
  }
  const Vec3Of<T> w = q - p;
  const T uu = Dot(u, u);
  const T vv = Dot(v, v);
  const T uv = Dot(u, v);
  const T wu = Dot(w, u);
  const T wv = Dot(w, v);
  const Extended uvScale = ProductScale(u, v);
  const Extended wuScale = ProductScale(w, u);
  const Extended wvScale = ProductScale(w, v);
  result.uu = ValueOf(uu);
  result.vv = ValueOf(vv);
  result.uv = Cleaned(uv, uvScale);
  result.wu = Cleaned(wu, wuScale);
  result.wv = Cleaned(wv, wvScale);

  T s = 0;
  T t = 0;
  result.parallel = NegligibleVec(Cross(u, v), uvScale);
  if (result.parallel) {
    // G = P, H the foot of P on h; the plane of both lines has the normal w x u.
    t = -Snapped(wv, wvScale) / vv;
    const Vec3Of<T> n = Cross(w, u);
    result.identical = NegligibleVec(n, wuScale);
    if (!result.identical) {
      const Vec3 normal = CleanedVec(n, wuScale);
      result.spanned = {normal.x1, normal.x2, normal.x3, Cleaned(Dot(n, p), wuScale * SizeOf(p))};
    }
  } else {
    // -uu*s + uv*t = -wu and -uv*s + vv*t = -wv, solved by Cramer's rule
    // with the determinant of exactly this system.
    const T a11 = -uu, a12 = uv, b1 = -wu;
    const T a21 = -uv, a22 = vv, b2 = -wv;
    const T det = a11 * a22 - a12 * a21;
    const Extended detScale = ValueOf(uu) * ValueOf(vv) + ValueOf(uv) * ValueOf(uv);
    if (Negligible(det, detScale)) {
      result.solvable = false;
    } else {
      const Extended rightScale = (wuScale + wvScale) * (ValueOf(uu) + ValueOf(vv));
      s = Snapped(b1 * a22 - a12 * b2, rightScale) / det;
      t = Snapped(a11 * b2 - b1 * a21, rightScale) / det;
    }
  }
  const Vec3Of<T> g = p + s * u;
  const Vec3Of<T> h = q + t * v;
  const Extended pointScale = SizeOf(p) + SizeOf(q) + std::fabs(ValueOf(s)) * SizeOf(u) +
                              std::fabs(ValueOf(t)) * SizeOf(v);
  result.s = ValueOf(s);
  result.t = ValueOf(t);
  result.g = CleanedVec(g, pointScale);
  result.h = CleanedVec(h, pointScale);
  result.distance = LengthValue(h - g, pointScale);
  result.cosPhi = SignedQuotientByRoot(uv, T(uu * vv), uvScale);
  if (result.cosPhi.value > 1) result.cosPhi.value = 1;
  if (result.cosPhi.value < -1) result.cosPhi.value = -1;
  result.phi = AngleDegrees(u, v);
  return result;
}

std::string AngleText(Extended phi) {
  std::string text = GeneralFloatText(phi, 15) + kDegreeSign;
  if (phi > 90) text += "(phi'=" + GeneralFloatText(180 - phi, 15) + kDegreeSign + ")";
  return text;
}

}  // namespace

PointLineDistanceResult ComputePointLineDistance(const TypedVec3& p, const TypedVec3& a, const TypedVec3& v) {
  return ExactOrFloat([&](auto zero) { return PointLineDistanceIn<decltype(zero)>(p, a, v); });
}

TwoLinesResult ComputeTwoLines(const TypedVec3& p, const TypedVec3& u, const TypedVec3& q, const TypedVec3& v) {
  return ExactOrFloat([&](auto zero) { return TwoLinesIn<decltype(zero)>(p, u, q, v); });
}

void PointLineDistance(Worksheet& sheet) {
  const std::string head = sheet.line(1);
  if (!GeometryHead(sheet,
                    Cp1252("Abstand Punkt Gerade\r\n"
                           "Punkt P(4|6|2) Gerade mit Aufpunkt(4|2|1) Richtungsvektor(1 1 0)\r\n"
                           "Werte ändern und noch einmal  \"Abstand Punkt Gerade\" klicken!"),
                    head.find("Abstand") != std::string::npos && head.find("Gerade") != std::string::npos,
                    Cp1252("Die erste Zeile muß die Überschrift \"Abstand Punkt Gerade\"\r"
                           "als Erkennungsmerkmal enthalten!\r") +
                        ClickTwiceAgainText()))
    return;
  const std::string data = sheet.line(2);
  LineValues values(data);
  const TypedVec3 pTyped = values.typedVec3(1);
  const TypedVec3 aTyped = values.typedVec3(4);
  const TypedVec3 vTyped = values.typedVec3(7);
  const Vec3 p = ValueOf(pTyped);
  const Vec3 a = ValueOf(aTyped);
  const Vec3 v = ValueOf(vTyped);
  if (!ValuesComputed(sheet, {{2, &values}}) || !InputsInRange({p, a, v}, sheet)) return;
  sheet.clear();
  sheet.append("Abstand Punkt Gerade");
  sheet.append(data);
  sheet.append("Gerade A" + PointText("|", a) + " v=" + PointText(" ", v));
  const PointLineDistanceResult r = ComputePointLineDistance(pTyped, aTyped, vTyped);
  if (r.zeroDirection) {
    sheet.hint("Der Richtungsvektor v ist der Nullvektor: gemessen wird der Abstand zum Punkt A.");
  }
  const Vec3& f = r.foot;
  const bool whole = IsWholeNumber(f.x1, 1e-12L) && IsWholeNumber(f.x2, 1e-12L) && IsWholeNumber(f.x3, 1e-12L);
  sheet.append("Ebene " + CoordinateEquationText({v.x1, v.x2, v.x3, r.planeRight}) +
               " durch Punkt senkrecht zur Geraden schneidet Gerade im\r\n"
               "PUNKT F" + PointText("|", f) + (whole ? "" : "=F" + PointTextDecimal("|", f)) +
               " (s=" + NumberTextMixed(r.s) + ")\r\n"
               "STRECKE P" + PointText("|", p) + " F" + PointText("|", f) + " ergibt Abstand:\r\n"
               "d=" + ExactValueText(r.distance));
}

void TwoLines(Worksheet& sheet) {
  const std::string first = sheet.line(1);
  if (!GeometryHead(sheet,
                    Cp1252("Gerade P(9 10 -2)  u(-2 1 0)  Gerade g: x=p+s*u\r\n"
                           "Gerade Q(1 -3 -4) v(0 1 3)  Gerade h: x=q+t*v\r\n"
                           "Ändern Sie die Werte und klicken Sie den Punkt noch mal an!\r\n"
                           "z.B.:\r\n"
                           "Gerade P(2 -6 -2)  u(0 1 1) und\r\n"
                           "Gerade Q(5 -4 0)   v(1 0 -1)"),
                    LowerCase(first).find("gerade") != std::string::npos,
                    Cp1252("In der 1. Zeile muss \"Gerade\" stehen\r"
                           "Klicken Sie \"alles Löschen\" und diesen Punkt noch zwei mal an!")))
    return;
  const std::string second = sheet.line(2);
  LineValues firstValues(first);
  LineValues secondValues(second);
  const TypedVec3 p = firstValues.typedVec3(1);
  const TypedVec3 u = firstValues.typedVec3(4);
  const TypedVec3 q = secondValues.typedVec3(1);
  const TypedVec3 v = secondValues.typedVec3(4);
  if (!ValuesComputed(sheet, {{1, &firstValues}, {2, &secondValues}}) ||
      !InputsInRange({ValueOf(p), ValueOf(u), ValueOf(q), ValueOf(v)}, sheet))
    return;
  sheet.clear();
  sheet.append(first);
  sheet.append(second);
  const TwoLinesResult r = ComputeTwoLines(p, u, q, v);
  if (r.zeroDirection) {
    // Without a direction there is no line, no perpendicular and no angle.
    sheet.append("Ein Richtungsvektor ist der Nullvektor: keine Gerade!");
    return;
  }
  if (r.parallel) {
    sheet.append("g und h sind parallel!");
    if (r.identical) {
      sheet.append("g und h sind identisch!");
    } else {
      sheet.append("g und h spannen die Ebene auf:" + CoordinateEquationText(r.spanned));
    }
  } else {
    sheet.append(Cp1252("g: x=p+s*u und h: x=q+t*v mit GH senkrecht g und senkrecht h führt auf LGS"));
    sheet.append(NumberTextMixed(-r.uu) + "*s" + SignChar(r.uv) + ParenNumberText(std::fabs(r.uv)) +
                 "*t=" + NumberTextMixed(-r.wu));
    sheet.append(NumberTextMixed(-r.uv) + "*s" + SignChar(r.vv) + ParenNumberText(std::fabs(r.vv)) +
                 "*t=" + NumberTextMixed(-r.wv));
    if (!r.solvable) sheet.append(Cp1252("Lineares GLS nicht lösbar. DET=0"));
  }
  sheet.append("s=" + NumberTextMixed(r.s) + " t=" + NumberTextMixed(r.t) + " G" + PointText("|", r.g) + " H" +
               PointText("|", r.h));
  sheet.append("Abstand d(g,h)=g(G,H)=" + ExactValueText(r.distance));
  sheet.append("Winkel zwischen u und v: cos(phi)=" + NumberTextMixed(r.uv) + "/(wur(" + NumberTextMixed(r.uu) +
               ")*wur(" + NumberTextMixed(r.vv) + "))=" + MixedValueText(r.cosPhi) + "\r\n" +
               RootSuffixText(r.cosPhi) + " => phi=" + AngleText(r.phi));
  sheet.append("---------- Jetzt \"Zeichne\" klicken!-----------------\r\nSTRECKE G" + PointTextDecimal("|", r.g) +
               " H" + PointTextDecimal("|", r.h));
}

}  // namespace lumatik
