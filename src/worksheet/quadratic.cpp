// "quadratische Gleichung" and the quadratic steps that the cubic and
// quartic equations (and the geometry) end with.

#include <cmath>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "expr/numeric.h"
#include "shell/codepage.h"
#include "shell/luhilf.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"

namespace lumatik {

std::string SignedNumberText(Extended x) {
  const std::string text = ExactText(x);
  return text.rfind('-', 0) == 0 ? text : "+" + text;
}

bool SolveQuadratic(Extended a, Extended b, Extended c, Extended& s1, Extended& s2, Worksheet& sheet) {
  if (a == 0) {
    sheet.hint("Keine quadratische Gleichung");
    return false;
  }
  const Extended d = b * b - 4 * a * c;
  if (d < 0) return false;
  s1 = (SqrtTol(d) - b) / 2 / a;
  s2 = (-b - SqrtTol(d)) / 2 / a;
  return true;
}

void QuadraticSteps(Worksheet& sheet, const std::string& var, int k, Extended c, Extended b, Extended a) {
  if (a == 0) {
    sheet.hint("Keine quadratische Gleichung");
    return;
  }
  const std::string first = var + FloatText18(k);
  const std::string second = var + FloatText18(k + 1);
  const Extended m = -b / 2 / a;
  const Extended d = b * b - 4 * a * c;
  const std::string mText = NumberTextMixed(m);
  if (d < 0) {
    const std::string root = NumberTextMixed(d) + ")/" + NumberTextMixed(2 * a);
    sheet.append(PadRight("Rechnung:" + first + "=" + mText + "+wur(" + root, 30) + " " + second + "=" + mText +
                 "-wur(" + root + "\r\n" + Cp1252("Keine reelle Lösung."));
    return;
  }
  if (d == 0) {
    sheet.append(Cp1252("Eine Lösung: ") + var + "=" + mText);
    return;
  }
  const Extended r = std::sqrt(d) / 2 / a;
  sheet.append(PadRight("Rechnung:" + first + "=" + mText + "+" + ExactText(r), 30) + " " + second + "=" + mText +
               "-" + ExactText(r) + "\r\n" +
               PadRight(Cp1252("Lösung:") + first + "=" + NumberTextMixed(m + r), 30) + " " + second + "=" +
               NumberTextMixed(m - r) + "\r\n" +
               // Vieta's relations as a check.
               Spaces(7) + first + "+" + second + "=" + NumberTextMixed(-b / a) + Spaces(3) + first + "*" + second +
               "=" + NumberTextMixed(c / a));
}

void SolveQuadraticEquation(Worksheet& sheet) {
  const std::optional<std::string> found = EquationHead(sheet, QuadraticExampleText(), "quadr", "quadratische Gleichung");
  if (!found) return;
  const std::string& head = *found;
  const Extended a = NthValue(head, 1);
  const Extended b = NthValue(head, 2);
  const Extended c = NthValue(head, 3);
  const Extended d = b * b - 4 * a * c;
  sheet.keepFirstLines(2);
  sheet.append(Spaces(15) + (a == 1 ? std::string() : NumberTextMixed(a) + "*") + "x^2" + SignedNumberText(b) + "*x" +
               SignedNumberText(c) + "=0");
  sheet.append("Diskriminante d = b*b - 4a*c = " + NumberTextMixed(d));
  if (d >= 0) sheet.append("          wur(d) = " + RootText("wur", std::sqrt(d)));
  QuadraticSteps(sheet, "x", 1, c, b, a);
}

void PointToPlotter(Worksheet& sheet) {
  sheet.hint(Cp1252("Lösungen von beliebigen Gleichungen über Schaubild|Nullstellen"));
}

}  // namespace lumatik
