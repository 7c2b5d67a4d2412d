// Cubic equations: the reduced form x^3+px+q=0 by Cardano's formula, with
// the casus irreducibilis through complex cube roots in cis form, and the
// general form by the substitution z=x-A/3.

#include <cmath>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "expr/lumath.h"
#include "shell/codepage.h"
#include "shell/luhilf.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"

namespace lumatik {

Extended CardanoRoot(int k, Extended q, Extended p) {
  const Extended d = (p / 3) * (p / 3) * (p / 3) + (q / 2) * (q / 2);
  if (d >= 0) {
    const Extended u = -q / 2 + SqrtTol(d);
    const Extended v = -q / 2 - SqrtTol(d);
    return RealCubeRoot(u) + RealCubeRoot(v);
  }
  // Three real solutions: u and v are conjugate complex cube roots.
  const Extended a = -q / 2;
  const Extended b = SqrtTol(-d);
  const Extended r = SqrtTol(a * a + b * b);
  const Extended phi = AngleDegrees(a, b);
  return 2 * std::pow(r, 1.0L / 3) * CosDegrees(phi / 3 + (k > 0 ? 120 * k : 0));
}

void DeflateCubic(Extended x0, Extended a, Extended b, Extended c, Extended& b1, Extended& c1) {
  b1 = a * x0 + b;
  c1 = a * x0 * x0 + b * x0 + c;
}

namespace {

std::string DegreesText(Extended degrees) { return FloatText18(degrees) + "\xB0"; }

// d >= 0: one real pair of cube roots, then the remaining quadratic.
void RealCardano(Worksheet& sheet, Extended p, Extended q, Extended d) {
  sheet.append(d == 0 ? Cp1252("d=0 Sonderfall ergibt zwei reelle Lösungen")
                      : Cp1252("d>0 Casus reducibilis ergibt eine reelle Lösung"));
  const Extended rootD = SqrtTol(d);
  const Extended bigU = -q / 2 + rootD;
  const Extended bigV = -q / 2 - rootD;
  sheet.append("u^3=" + NumberTextMixed(-q / 2) + SignedNumberText(std::sqrt(d)) + "=" + ExactText(bigU));
  sheet.append("v^3=" + NumberTextMixed(-q / 2) + SignedNumberText(-std::sqrt(d)) + "=" + ExactText(bigV));
  const Extended u = RealCubeRoot(bigU);
  const Extended v = RealCubeRoot(bigV);
  const Extended x = u + v;
  sheet.append(Cp1252("----- Lösung -------------"));
  sheet.append("u=" + ExactText(u));
  sheet.append("v=" + ExactText(v));
  sheet.append("x=u+v=" + ExactText(x) + " Probe:x^3" + SignedNumberText(p) + "*x" + SignedNumberText(q) + "=" +
               FloatText18(x * x * x + p * x + q));
  Extended b1 = 0;
  Extended c1 = 0;
  DeflateCubic(x, 1, 0, p, b1, c1);
  sheet.append(Cp1252("Weitere Lösungen sind die Lösungen der quadratischen Gleichung \r\n   x^2") +
               SignedNumberText(b1) + "*x" + SignedNumberText(c1) + "=0");
  QuadraticSteps(sheet, "x", 1, c1, b1, 1);
}

// d < 0: u^3 and v^3 are complex conjugates; their three pairs of cube
// roots give three real solutions x = u + v = 2*Re(u).
void IrreducibleCardano(Worksheet& sheet, Extended p, Extended q, Extended d) {
  sheet.append(Cp1252("d<0 Casus irreducibilis ergibt reelle Lösungen über komplexe u und v"));
  sheet.append("   Hinweis:cis(phi)=cos(phi)+i*sin(phi)=e^(i*phi)");
  sheet.append(Cp1252("           3.Wurzel(cis(phi)=cis(phi/3+k*120°) (k=0,1,2 120°=2/3*Pi)"));
  const Extended re = -q / 2;
  const Extended im = std::sqrt(-d);
  const Extended r = std::sqrt(re * re + im * im);
  const Extended phi = AngleDegrees(re, im);
  sheet.append("u^3=" + ExactText(re) + "+i*" + ExactText(im) + "=" + ExactText(r) + "*cis(" + DegreesText(phi) + ")");
  sheet.append("v^3=" + ExactText(re) + "-i*" + ExactText(im) + "=" + ExactText(r) + "*cis(" + DegreesText(-phi) + ")");
  const Extended rho = std::pow(r, 1.0L / 3);
  for (int k = 0; k <= 2; ++k) {
    const Extended alpha = phi / 3 + 120 * k;
    const Extended re3 = rho * CosDegrees(alpha);
    const Extended im3 = rho * SinDegrees(alpha);
    sheet.append("----- " + FloatText18(k + 1) + Cp1252(". Lösung -------------"));
    sheet.append("u=" + ExactText(re3) + "+i*" + ExactText(im3) + "=" + ExactText(rho) + "*cis(" + DegreesText(alpha) +
                 ")");
    sheet.append("v=" + ExactText(re3) + "-i*" + ExactText(im3) + "=" + ExactText(rho) + "*cis(" +
                 DegreesText(-alpha) + ")");
    Extended x = 2 * rho * CosDegrees(alpha);
    // A fraction shown for x is taken at its word, so that the test
    // computes with the exact value.
    const std::string xText = ExactText(x);
    if (xText.find('/') != std::string::npos) x = EvalTermGuarded(xText);
    sheet.append("x=u+v=" + ExactText(x) + " Probe:x^3+p*x+q=" + FloatText18(x * x * x + p * x + q));
  }
}

}  // namespace

void SolveReducedCubic(Worksheet& sheet) {
  const std::optional<std::string> found = EquationHead(sheet, ReducedCubicExampleText(), "red", "reduzierte kubische Gleichung");
  if (!found) return;
  const std::string& head = *found;
  const Extended p = NthValue(head, 1);
  const Extended q = NthValue(head, 2);
  sheet.keepFirstLines(3);
  const Extended d = (q / 2) * (q / 2) + (p / 3) * (p / 3) * (p / 3);
  sheet.append("d=(q/2)^2+(p/3)^3=" + ExactText(d));
  if (d >= 0) {
    RealCardano(sheet, p, q, d);
  } else {
    IrreducibleCardano(sheet, p, q, d);
  }
}

void SolveCubicEquation(Worksheet& sheet) {
  const std::optional<std::string> found = EquationHead(sheet, CubicExampleText(), "a=", "a=...");
  if (!found) return;
  const std::string& head = *found;
  sheet.keepFirstLines(1);
  sheet.append("   a*z^3+b*z^2+c*z+d=0 bzw. z^3+A*z^2+B*z+C=0");
  sheet.append(Cp1252("   wird auf die reduzierte kubische Gleichung x^3+p*x+q=0 zurückgeführt."));
  sheet.append(Cp1252("   Substitution z=x-A/3 führt auf p=B-A^2/3 q=2/27A^3-1/3AB+C"));
  const Extended a = NthValue(head, 1);
  const Extended b = NthValue(head, 2);
  const Extended c = NthValue(head, 3);
  const Extended d = NthValue(head, 4);
  if (a == 0) {
    sheet.hint("a=0 ->quadratische Gleichung");
    return;
  }
  const Extended bigA = b / a;
  const Extended bigB = c / a;
  const Extended bigC = d / a;
  sheet.append("A=" + NumberTextMixed(bigA) + " B=" + NumberTextMixed(bigB) + " C=" + NumberTextMixed(bigC) + "   z^3" +
               SignedNumberText(bigA) + "*z^2" + SignedNumberText(bigB) + "*z" + SignedNumberText(bigC) + "=0");
  const Extended p = bigB - bigA * bigA / 3;
  const Extended q = 2.0L / 27 * bigA * bigA * bigA - bigA * bigB / 3 + bigC;
  sheet.append("reduzierte kubische Gleichung mit x=z" + SignedNumberText(bigA / 3) + " => p=" + ExactText(p) +
               " q=" + ExactText(q));
  sheet.append("x^3" + SignedNumberText(p) + "*x" + SignedNumberText(q) + "=0");
  const Extended x = CardanoRoot(0, q, p);
  sheet.append(Cp1252("Eine Lösung: x=") + ExactText(x) + " Probe:x^3" + SignedNumberText(p) + "*x" +
               SignedNumberText(q) + "=" + ExactText(x * x * x + p * x + q));
  const Extended z = x - bigA / 3;
  sheet.append(Spaces(13) + "z=" + ExactText(z) + " Probe: " + ExactText(a) + "*z^3" + SignedNumberText(b) + "*z^2" +
               SignedNumberText(c) + "*z" + SignedNumberText(d) + "=" +
               ExactText(a * z * z * z + b * z * z + c * z + d));
  Extended b1 = 0;
  Extended c1 = 0;
  DeflateCubic(z, a, b, c, b1, c1);
  sheet.append(Cp1252("Weitere Lösungen sind die Lösungen der quadratischen Gleichung \r\n   ") + ExactText(a) +
               "*z^2" + SignedNumberText(b1) + "*z" + SignedNumberText(c1) + "=0");
  QuadraticSteps(sheet, "z", 1, c1, b1, a);
}

}  // namespace lumatik
