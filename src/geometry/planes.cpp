#include "geometry/planes.h"

#include <cmath>
#include <optional>
#include <utility>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "shell/floatformat.h"
#include "shell/matherror.h"
#include "expr/numeric.h"
#include "geometry/exact_value_text.h"
#include "geometry/geometry_scalar.h"
#include "geometry/geometry_support.h"
#include "geometry/geometry_text.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"

namespace lumatik {

namespace {

std::string PlaneExample(bool threePoints) {
  std::string text;
  if (threePoints) {
    text =
        "Ebene Dreieck A(4 2 3)B(1 1 5)C(-1 -2 4)\r\n"
        "Aus drei Punkten wird die Koordinatengleichung der Ebene berechnet.\r\n"
        "(Trennzeichen \" \" oder \"|\".)\r\n"
        "Alternativ können Sie auch einen Punkt und zwei Richtungsvektoren eingeben.\r\n"
        "(Dazu \"Alles löschen\" und \"Ebene Parameterform x=p+s*u+t*v\" klicken.)\r\n"
        "----------------------------------------------\r\n"
        "   Jetzt noch einmal auf \"Ebene ABC\" klicken  \r\n";
  } else {
    text =
        "Ebene Parameterform  p(4 2 3)    u(-3 -1 2)   v(-5 -4 1)\r\n"
        "                      Aufpunkt      RV          RV  \r\n"
        "------- Umformung Parameterform der Ebene in Normalform --------\r\n"
        "Hier im Beispiel handelt es sich um eine Ebene mit dem Punkt P\r\n"
        "und den Richtungsvektoren u und v (Trennzeichen \" \" oder \"|\")\r\n"
        "Alternativ können Sie auch drei Punkte eingeben.\r\n"
        "(Dazu \"Alles löschen\" und \"Ebene ABC\" klicken)\r\n"
        "-----------------------------------------------------\r\n"
        "   Jetzt noch einmal auf \"Ebene Parameterform klicken!\r\n";
  }
  text +=
      "   Vorher die Werte überschreiben\r\n"
      "----------------------------------------------\r\n"
      "Die Normalenform a*x1+b*x2+c*x3=d wird dann berechnet.\r\n"
      "Bei  \"Zeichne\" wird anschließend das Spurdreieck gezeigt.";
  return Cp1252(text);
}

template <class T>
struct PlaneOf {
  T a = 0, b = 0, c = 0, d = 0;
};

// Eliminates s and t from x = p + s*u + t*v the way one does it by hand;
// nothing when u and v are parallel. Exact fractions give the coefficients
// without rounding; floating ones are cleaned of noise against the sizes
// they are made of.
template <class T>
std::optional<PlaneOf<T>> EliminateIn(const TypedVec3& pIn, const TypedVec3& uIn, const TypedVec3& vIn) {
  const Vec3Of<T> p = InputAs<T>(pIn);
  Vec3Of<T> u = InputAs<T>(uIn);
  Vec3Of<T> v = InputAs<T>(vIn);
  const Extended uvScale = ProductScale(u, v);
  if (NegligibleVec(Cross(u, v), uvScale)) return std::nullopt;
  if (ValueOf(u.x1) == 0) std::swap(u, v);
  if (ValueOf(u.x1) == 0 && (ValueOf(u.x2) == 0 || ValueOf(u.x3) == 0)) std::swap(u, v);
  const Extended upScale = ProductScale(u, p);
  const T r2p = u.x2 * p.x1 - u.x1 * p.x2;
  const T r2v = u.x2 * v.x1 - u.x1 * v.x2;
  const T r3p = u.x3 * p.x1 - u.x1 * p.x3;
  const T r3v = u.x3 * v.x1 - u.x1 * v.x3;
  PlaneOf<T> e;
  if (Negligible(r2v, uvScale)) {
    e = {u.x2, -u.x1, 0, Snapped(r2p, upScale)};
  } else if (Negligible(r3v, uvScale)) {
    e = {u.x3, 0, -u.x1, Snapped(r3p, upScale)};
  } else {
    const Extended abcScale = SizeOf(u) * uvScale;
    e = {Snapped(r3v * u.x2 - r2v * u.x3, abcScale), Snapped(-r3v * u.x1, abcScale), Snapped(r2v * u.x1, abcScale),
         Snapped(r3v * r2p - r2v * r3p, abcScale * SizeOf(p))};
  }
  if (ValueOf(e.a) != 0 || ValueOf(e.b) != 0 || ValueOf(e.c) != 0) return e;
  // With both first coordinates zero the elimination can lose the plane
  // x1 = p1; the cross product does not.
  Vec3Of<T> n = Cross(u, v);
  const T first = ValueOf(n.x1) != 0 ? n.x1 : ValueOf(n.x2) != 0 ? n.x2 : n.x3;
  if (ValueOf(first) < 0) n = T(-1) * n;
  return PlaneOf<T>{Snapped(n.x1, uvScale), Snapped(n.x2, uvScale), Snapped(n.x3, uvScale),
                    Snapped(Dot(n, p), uvScale * SizeOf(p))};
}

Extended Nearest(Extended x) { return std::nearbyint(x) + 0.0L; }


// Exact coefficients become coprime integers: times the common
// denominator, divided by the greatest common divisor.
PlaneEquation IntegerPlane(const PlaneOf<mpq_class>& e) {
  const mpq_class* values[4] = {&e.a, &e.b, &e.c, &e.d};
  mpz_class lcm = 1;
  mpz_class gcd = 0;
  for (const mpq_class* value : values) mpz_lcm(lcm.get_mpz_t(), lcm.get_mpz_t(), value->get_den().get_mpz_t());
  for (const mpq_class* value : values) {
    const mpz_class whole = value->get_num() * (lcm / value->get_den());
    mpz_gcd(gcd.get_mpz_t(), gcd.get_mpz_t(), whole.get_mpz_t());
  }
  auto integer = [&](const mpq_class& x) { return ToExtended(mpq_class(x.get_num() * (lcm / x.get_den()) / gcd)); };
  return {integer(e.a), integer(e.b), integer(e.c), integer(e.d)};
}

// Floating coefficients that are fractions the display would print are
// brought to integers the same way.
PlaneFromParamResult FloatIntegerPlane(const PlaneOf<Extended>& plane) {
  PlaneFromParamResult result;
  PlaneEquation e{plane.a, plane.b, plane.c, plane.d};
  Extended* values[4] = {&e.a, &e.b, &e.c, &e.d};
  Extended lcm = 1;
  for (Extended* value : values) {
    if (*value == 0) continue;
    Extended num = 0;
    Extended den = 1;
    // Only a fraction the display would print counts: with an absolute
    // tolerance every irrational value (sqrt(2)) has a convergent within
    // reach, and its denominator turned the plane into 1E19*x1+...
    const Extended magnitude = std::fabs(*value);
    if (!FindFraction(num, den, magnitude, 1e-15L * magnitude) || !(std::fabs(num * den) <= 1e14L)) {
      result.plane = e;
      return result;
    }
    lcm = LcmOf(lcm, den);
  }
  for (Extended* value : values) *value *= lcm;
  if (IsWholeNumber(e.a, 1e-12L)) {
    Extended g = Nearest(e.a);
    for (int k = 1; k < 4; ++k) {
      const Extended n = Nearest(*values[k]);
      if (g == 0) g = n;
      if (n != 0) g = GcdOf(g, n);
    }
    if (g == 0) {
      result.notUnique = true;
      return result;
    }
    // The quotients are integers; rounding leaves no trace of the division.
    for (Extended* value : values) *value = Nearest(*value / g);
  }
  result.plane = e;
  return result;
}

template <class T>
PlaneFromParamResult PlaneFromParamIn(const TypedVec3& p, const TypedVec3& u, const TypedVec3& v) {
  const std::optional<PlaneOf<T>> eliminated = EliminateIn<T>(p, u, v);
  if (!eliminated) return {};
  if constexpr (std::is_same_v<T, mpq_class>) {
    return {IntegerPlane(*eliminated)};
  } else {
    return FloatIntegerPlane(*eliminated);
  }
}

// The signed distance of P from the plane n.x = d and the foot point.
struct PointPlaneResult {
  RootValue distance;
  Vec3 foot;
  Extended s = 0;
};

template <class T>
PointPlaneResult PointPlaneIn(const TypedVec3& nIn, const Typed& dIn, const TypedVec3& pIn) {
  const Vec3Of<T> n = InputAs<T>(nIn);
  const T d = InputAs<T>(dIn);
  const Vec3Of<T> p = InputAs<T>(pIn);
  const T nn = Dot(n, n);
  const Extended scale = ProductScale(n, p) + std::fabs(ValueOf(d));
  const T offset = Snapped(Dot(n, p) - d, scale);
  PointPlaneResult result;
  // The length of a small normal vector is no rounding noise: 0,0000001*x1=1
  // is a plane 10 000 000 away from the origin.
  result.distance = SignedQuotientByRoot(offset, nn, scale);
  const T s = -offset / nn;
  result.s = ValueOf(s);
  result.foot = CleanedVec(p + s * n, SizeOf(p) + std::fabs(ValueOf(s)) * SizeOf(n));
  return result;
}

}  // namespace

PlaneFromParamResult PlaneFromParam(const TypedVec3& p, const TypedVec3& u, const TypedVec3& v) {
  return ExactOrFloat([&](auto zero) { return PlaneFromParamIn<decltype(zero)>(p, u, v); });
}

PlaneFromParamResult PlaneFromParam(const Vec3& p, const Vec3& u, const Vec3& v) {
  return PlaneFromParam(TypedOf(p), TypedOf(u), TypedOf(v));
}

std::string ParamFormText(const Vec3& p, const Vec3& u, const Vec3& v) {
  return "Ebene Parameterform p" + PointText("|", p) + " u" + PointText(" ", u) + " v" + PointText(" ", v);
}

// The corners come back from p, u and v exactly where they were typed so:
// 6 + (0,003 - 6) is 0,003 again, not 0,003 with the rounding of both steps.
std::string TriangleFormText(const TypedVec3& p, const TypedVec3& u, const TypedVec3& v) {
  return "Ebene DREIECK  A" + PointText("|", ValueOf(p)) + "B" + PointText("|", ValueOf(p + u)) + "C" +
         PointText("|", ValueOf(p + v));
}

std::vector<std::string> PlanePointLines(const PlaneEquation& e) {
  std::vector<std::string> lines;
  std::string text = "Ebenenpunkte: ";
  int count = 0;
  // A plane point for the pair (i, j), or nothing.
  auto addPoint = [&](int i, int j) {
    const Extended r = e.d - i * e.a - j * e.b;
    std::string third;
    if (e.c == 0) {
      if (r != 0) return;
      third = "beliebig";
    } else {
      const Extended q = r / e.c;
      if (!std::isfinite(q) || !IsWholeNumber(q, 1e-12L)) return;
      third = FloatText18(Nearest(q));
    }
    text += " (" + FloatText18(i) + "|" + FloatText18(j) + "|" + third + ")";
    while (text.size() % 12 != 3) text += ' ';
    if (text.size() > 65) {
      lines.push_back(text);
      text = Spaces(14);
    }
    ++count;
  };
  for (int k = 0; k <= 20 && count <= 34; ++k) {
    std::vector<std::pair<int, int>> ring;
    for (int i = 0; i <= k && count <= 34; ++i) {
      const std::pair<int, int> pairs[4] = {{i, k - i}, {-i, k - i}, {i, i - k}, {-i, i - k}};
      for (const auto& pair : pairs) {
        bool seen = false;
        for (const auto& tried : ring) seen = seen || tried == pair;
        if (seen) continue;
        ring.push_back(pair);
        // At most 35 points, even when one i would bring several more.
        if (count <= 34) addPoint(pair.first, pair.second);
      }
    }
  }
  if (text.size() > 15) lines.push_back(text);
  return lines;
}

void PlaneToCoordinateForm(Worksheet& sheet, bool threePoints) {
  const std::string head = sheet.line(1);
  const std::string lower = LowerCase(head);
  if (!GeometryHead(sheet, PlaneExample(threePoints), lower.find("ebene") != std::string::npos,
                    Cp1252("Die erste Zeile muß das Wort \"Ebene Dreieck\" oder \"Ebene Parameterform\r"
                           "als Erkennungsmerkmal enthalten.\r") + ClickTwiceAgainText()))
    return;
  LineValues values(head);
  const TypedVec3 p = values.typedVec3(1);
  TypedVec3 u = values.typedVec3(4);
  TypedVec3 v = values.typedVec3(7);
  if (!values.computed()) {
    sheet.hint(values.hint(1));
    return;
  }
  const bool typedPoints = lower.find("ebene drei") != std::string::npos;
  if (typedPoints) {
    u = u - p;
    v = v - p;
  }
  sheet.clear();
  if (typedPoints) {
    sheet.append(TriangleFormText(p, u, v));
    sheet.append(ParamFormText(ValueOf(p), ValueOf(u), ValueOf(v)));
  } else {
    sheet.append(ParamFormText(ValueOf(p), ValueOf(u), ValueOf(v)));
    sheet.append(TriangleFormText(p, u, v));
  }
  MathErrorText().clear();
  const PlaneFromParamResult result = PlaneFromParam(p, u, v);
  if (result.notUnique) sheet.hint("Die Ebene ist nicht eindeutig bestimmt");
  const PlaneEquation& e = result.plane;
  if (e.a == 0 && e.b == 0 && e.c == 0) {
    sheet.append("Keine Ebene! (Richtungsvektoren parallel)");
    return;
  }
  sheet.append("*** Koordinatengleichung der Ebene ***  " + MathErrorText());
  sheet.append(Spaces(9) + CleanFloatText(e.a) + "*x1" + SignChar(e.b) + CleanFloatText(std::fabs(e.b)) + "*x2" +
               SignChar(e.c) + CleanFloatText(std::fabs(e.c)) + "*x3=" + CleanFloatText(e.d));
  sheet.append(TraceTriangleText(e));
  for (const std::string& line : PlanePointLines(e)) sheet.append(line);
}

void PlaneFromEquation(Worksheet& sheet) {
  const std::string head = sheet.line(1);
  if (!GeometryHead(sheet,
                    Cp1252("2 -1 -2 3   (Ebene E: 2x1-x2-2x3=3)\r\n"
                           "Ändern Sie die Werte und klicken Sie den Punkt noch mal an!"),
                    head.find("(Ebene") != std::string::npos,
                    Cp1252("Die erste Zeile muß das Erkennungsmerkmal \"(Ebene\" enthalten!\r") +
                        ClickTwiceAgainText()))
    return;
  LineValues values(head);
  const PlaneEquation e = values.plane();
  if (!values.computed()) {
    sheet.hint(values.hint(1));
    return;
  }
  sheet.clear();
  sheet.append(PlaneCoefficientLine(e, NumberTextMixed(e.a) + "*x1" + SignedNumberText(e.b) + "*x2" +
                                           SignedNumberText(e.c) + "*x3=" + NumberTextMixed(e.d)));
  sheet.append(TraceTriangleText(e));
  if (e.a == 0 && e.b == 0 && e.c == 0) sheet.hint("Keine Ebene: a, b und c sind alle 0.");
}

void PointPlaneDistance(Worksheet& sheet) {
  const std::string head = sheet.line(1);
  if (!GeometryHead(sheet,
                    Cp1252("Abstand Punkt Ebene\r\n"
                           "2 -1 -5 3   (Ebene E: 2x1-x2-5x3=3)\r\n"
                           "-1 2 1      (Punkt P(-1 2 1))\r\n"
                           "Ändern Sie die Werte und klicken Sie den Punkt noch mal an!"),
                    head.find("Abstand") != std::string::npos && head.find("Ebene") != std::string::npos,
                    Cp1252("Die erste Zeile muß die Überschrift \"Abstand Punkt Ebene\"\r"
                           "als Erkennungsmerkmal enthalten!\r") +
                        ClickTwiceAgainText()))
    return;
  LineValues planeValues(sheet.line(2));
  const TypedVec3 n = planeValues.typedVec3(1);
  const Typed d = planeValues.typed(4);
  LineValues pointValues(sheet.line(3));
  const TypedVec3 pTyped = pointValues.typedVec3(1);
  if (!planeValues.computed() || !pointValues.computed()) {
    sheet.hint(planeValues.computed() ? pointValues.hint(3) : planeValues.hint(2));
    return;
  }
  const PlaneEquation e{n.x1.value, n.x2.value, n.x3.value, d.value};
  const Vec3 p = ValueOf(pTyped);
  sheet.clear();
  sheet.append("Abstand Punkt Ebene");
  sheet.append(PlaneCoefficientLine(e, CoordinateEquationText(e)));
  sheet.append(PaddedNumberText(p.x1) + " " + PaddedNumberText(p.x2) + " " + PadRight(NumberTextMixed(p.x3), 11) +
               "(Punkt P" + PointText("|", p) + ")");
  sheet.append(TraceTriangleText(e));
  if (e.a == 0 && e.b == 0 && e.c == 0) {
    // Without a normal vector there is no plane to measure from.
    sheet.hint("Keine Ebene: a, b und c sind alle 0.");
    return;
  }
  const auto r = ExactOrFloat([&](auto zero) { return PointPlaneIn<decltype(zero)>(n, d, pTyped); });
  sheet.append("+/-Abstand=" + ExactValueText(r.distance));
  sheet.append(Cp1252("Fußpunkt=F") + PointText("|", r.foot) + "=F" + PointTextDecimal("|", r.foot) +
               " s=" + NumberTextMixed(r.s));
  sheet.append("STRECKE P" + PointText("|", p) + " F" + PointText("|", r.foot));
}

}  // namespace lumatik
