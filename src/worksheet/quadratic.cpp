// "quadratische Gleichung" and the quadratic steps that the cubic and
// quartic equations (and the geometry) end with.

#include <cmath>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "expr/nth_value.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"

namespace lumatik {

namespace {

struct SolutionPair {
  Coefficient first;   // m + r
  Coefficient second;  // m - r
};

// m + r and m - r for r > 0. Exact values add exactly; otherwise the
// solution of larger size comes from m +- r and the other from Vieta's
// product, so that a small solution does not drown in the rounding of m - r.
SolutionPair Solutions(const Coefficient& m, const Coefficient& r, const Coefficient& product) {
  if (m.isExact() && r.isExact()) return {m + r, m - r};
  const Extended size = m.size() + r.size();
  if (m.sign() == 0) return {Coefficient::Approximate(r.value(), size), Coefficient::Approximate(-r.value(), size)};
  const Extended large = m.value() + (m.value() > 0 ? r.value() : -r.value());
  const Coefficient largeSolution = Coefficient::Approximate(large, size);
  const Coefficient smallSolution = Coefficient::Approximate(product.value() / large, size);
  if (m.value() > 0) return {largeSolution, smallSolution};
  return {smallSolution, largeSolution};
}

// wur(d): exact for the square of a fraction, else the root form. A small
// root that the root form cannot write (it would read "0") keeps its value.
std::string RootOfDiscriminantText(const Coefficient& d) {
  const Coefficient root = SquareRootOf(d);
  if (root.isExact()) return MixedText(root);
  const std::string text = RootText("wur", root.value());
  if (text.empty() || (text == "0" && !root.isZero())) return ExactTextOf(root);
  return text;
}

}  // namespace

std::string SignedNumberText(Extended x) { return WithPlusSign(ExactText(x)); }

bool SolveQuadratic(Extended a, Extended b, Extended c, Extended& s1, Extended& s2, Worksheet& sheet) {
  if (a == 0) {
    sheet.hint("Keine quadratische Gleichung");
    return false;
  }
  const Coefficient d = Coefficient::Approximate(b * b, b * b) - 4 * Coefficient::Approximate(a * c, a * c);
  if (d.sign() < 0) return false;
  const Extended root = d.sign() == 0 ? 0 : std::sqrt(d.value());
  s1 = (root - b) / 2 / a;
  s2 = (-b - root) / 2 / a;
  return true;
}

void QuadraticSteps(Worksheet& sheet, const std::string& var, int k, const Coefficient& c, const Coefficient& b,
                    const Coefficient& a) {
  if (a.isZero()) {
    sheet.hint("Keine quadratische Gleichung");
    return;
  }
  const std::string first = var + FloatText18(k);
  const std::string second = var + FloatText18(k + 1);
  const Coefficient m = -b / 2 / a;
  const Coefficient d = b * b - 4 * a * c;
  // The root over 2|a|: with a < 0 the "+" solution stays the first and no
  // text shows "+-" or "/-".
  const Coefficient twiceA = AbsoluteValue(2 * a);
  const std::string mText = MixedText(m);
  if (d.sign() < 0) {
    const std::string root = MixedText(d) + ")/" + MixedText(twiceA);
    sheet.append(PadRight("Rechnung:" + first + "=" + mText + "+wur(" + root, 30) + " " + second + "=" + mText +
                 "-wur(" + root + "\r\n" + Cp1252("Keine reelle Lösung."));
    return;
  }
  if (d.sign() == 0) {
    sheet.append(Cp1252("Eine Lösung: ") + var + "=" + mText);
    return;
  }
  const Coefficient r = SquareRootOf(d) / twiceA;
  const SolutionPair solutions = Solutions(m, r, c / a);
  sheet.append(PadRight("Rechnung:" + first + "=" + mText + "+" + ExactTextOf(r), 30) + " " + second + "=" + mText +
               "-" + ExactTextOf(r) + "\r\n" +
               PadRight(Cp1252("Lösung:") + first + "=" + MixedText(solutions.first), 30) + " " + second + "=" +
               MixedText(solutions.second) + "\r\n" +
               // Vieta's relations as a check.
               Spaces(7) + first + "+" + second + "=" + MixedText(-b / a) + Spaces(3) + first + "*" + second + "=" +
               MixedText(c / a));
}

void QuadraticSteps(Worksheet& sheet, const std::string& var, int k, Extended c, Extended b, Extended a) {
  QuadraticSteps(sheet, var, k, Coefficient::Typed(c), Coefficient::Typed(b), Coefficient::Typed(a));
}

void SolveQuadraticEquation(Worksheet& sheet) {
  const std::optional<std::string> found = EquationHead(sheet, QuadraticExampleText(), "quadr", "quadratische Gleichung");
  if (!found) return;
  const std::string& head = *found;
  const Coefficient a = Coefficient::TypedAt(head, 1);
  const Coefficient b = Coefficient::TypedAt(head, 2);
  const Coefficient c = Coefficient::TypedAt(head, 3);
  const Coefficient d = b * b - 4 * a * c;
  sheet.keepFirstLines(2);
  sheet.append(Spaces(15) + (a.value() == 1 ? std::string() : MixedText(a) + "*") + "x^2" + SignedText(b) + "*x" +
               SignedText(c) + "=0");
  sheet.append("Diskriminante d = b*b - 4a*c = " + MixedText(d));
  if (d.sign() >= 0) sheet.append("          wur(d) = " + RootOfDiscriminantText(d));
  QuadraticSteps(sheet, "x", 1, c, b, a);
}

void PointToPlotter(Worksheet& sheet) {
  sheet.hint(Cp1252("Lösungen von beliebigen Gleichungen über Schaubild|Nullstellen"));
}

}  // namespace lumatik
