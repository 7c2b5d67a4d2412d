#include "geometry/planes.h"

#include <cmath>
#include <optional>
#include <utility>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "shell/floatformat.h"
#include "shell/matherror.h"
#include "expr/numeric.h"
#include "geometry/geometry_scalar.h"
#include "geometry/geometry_support.h"
#include "geometry/geometry_text.h"
#include "shell/codepage.h"
#include "shell/luhilf.h"
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

// Eliminates s and t from x = p + s*u + t*v the way one does it by hand;
// nothing when u and v are parallel. Exact fractions give the coefficients
// without rounding; floating ones are cleaned of noise against the sizes
// they are made of.
template <class T>
std::optional<PlaneEquation> EliminateIn(const Vec3& pIn, const Vec3& uIn, const Vec3& vIn) {
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
  PlaneEquation e;
  if (Negligible(r2v, uvScale)) {
    e = {ValueOf(u.x2), -ValueOf(u.x1), 0, Cleaned(r2p, upScale)};
  } else if (Negligible(r3v, uvScale)) {
    e = {ValueOf(u.x3), 0, -ValueOf(u.x1), Cleaned(r3p, upScale)};
  } else {
    const Extended abcScale = SizeOf(u) * uvScale;
    e = {Cleaned(r3v * u.x2 - r2v * u.x3, abcScale), Cleaned(-r3v * u.x1, abcScale), Cleaned(r2v * u.x1, abcScale),
         Cleaned(r3v * r2p - r2v * r3p, abcScale * SizeOf(p))};
  }
  if (e.a != 0 || e.b != 0 || e.c != 0) return e;
  // With both first coordinates zero the elimination can lose the plane
  // x1 = p1; the cross product does not.
  Vec3Of<T> n = Cross(u, v);
  const T first = ValueOf(n.x1) != 0 ? n.x1 : ValueOf(n.x2) != 0 ? n.x2 : n.x3;
  if (ValueOf(first) < 0) n = T(-1) * n;
  const Vec3 normal = CleanedVec(n, uvScale);
  return PlaneEquation{normal.x1, normal.x2, normal.x3, Cleaned(Dot(n, p), uvScale * SizeOf(p))};
}

Extended Nearest(Extended x) { return std::nearbyint(x) + 0.0L; }

}  // namespace

PlaneFromParamResult PlaneFromParam(const Vec3& p, const Vec3& u, const Vec3& v) {
  PlaneFromParamResult result;
  const std::optional<PlaneEquation> eliminated =
      ExactOrFloat([&](auto zero) { return EliminateIn<decltype(zero)>(p, u, v); });
  if (!eliminated) return result;
  PlaneEquation e = *eliminated;
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

std::string ParamFormText(const Vec3& p, const Vec3& u, const Vec3& v) {
  return "Ebene Parameterform p" + PointText("|", p) + " u" + PointText(" ", u) + " v" + PointText(" ", v);
}

std::string TriangleFormText(const Vec3& p, const Vec3& u, const Vec3& v) {
  return "Ebene DREIECK  A" + PointText("|", p) + "B" + PointText("|", p + u) + "C" + PointText("|", p + v);
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
  Vec3 p = values.vec3(1);
  Vec3 u = values.vec3(4);
  Vec3 v = values.vec3(7);
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
    sheet.append(ParamFormText(p, u, v));
  } else {
    sheet.append(ParamFormText(p, u, v));
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
  const PlaneEquation e = planeValues.plane();
  LineValues pointValues(sheet.line(3));
  const Vec3 p = pointValues.vec3(1);
  if (!planeValues.computed() || !pointValues.computed()) {
    sheet.hint(planeValues.computed() ? pointValues.hint(3) : planeValues.hint(2));
    return;
  }
  sheet.clear();
  sheet.append("Abstand Punkt Ebene");
  sheet.append(PlaneCoefficientLine(e, CoordinateEquationText(e)));
  sheet.append(PaddedNumberText(p.x1) + " " + PaddedNumberText(p.x2) + " " + PadRight(NumberTextMixed(p.x3), 11) +
               "(Punkt P" + PointText("|", p) + ")");
  sheet.append(TraceTriangleText(e));
  const Vec3 n = e.normal();
  const Extended nn = Dot(n, n);
  if (nn == 0) {
    // Without a normal vector there is no plane to measure from.
    sheet.hint("Keine Ebene: a, b und c sind alle 0.");
    return;
  }
  // The length of a small normal vector is no rounding noise: 0,0000001*x1=1
  // is a plane 10 000 000 away from the origin.
  sheet.append("+/-Abstand=" + LengthText((Dot(n, p) - e.d) / std::sqrt(nn)));
  const Extended s = (e.d - Dot(n, p)) / nn;
  const Vec3 f = p + s * n;
  sheet.append(Cp1252("Fußpunkt=F") + PointText("|", f) + "=F" + PointTextDecimal("|", f) + " s=" + NumberTextMixed(s));
  sheet.append("STRECKE P" + PointText("|", p) + " F" + PointText("|", f));
}

}  // namespace lumatik
