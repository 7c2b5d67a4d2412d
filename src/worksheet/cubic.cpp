// Cubic equations: the reduced form x^3+px+q=0 by Cardano's formula, with
// the casus irreducibilis through complex cube roots in cis form, and the
// general form by the substitution z=x-A/3.

#include <cmath>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "expr/nth_value.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"

namespace lumatik {

Coefficient CardanoDiscriminant(const Coefficient& q, const Coefficient& p) {
  const Coefficient halfQ = q / 2;
  const Coefficient thirdP = p / 3;
  return halfQ * halfQ + thirdP * thirdP * thirdP;
}

namespace {

// The angle of u^3 = -q/2 + i*sqrt(-d) in degrees, for d < 0. It comes from
// the values of p and q in extended precision, as the worksheet has always
// computed it, so that its eighteen digits stay the same; the exact d only
// decides the case (and stands in should rounding put the value at d >= 0).
Extended CubeRootAngle(const Coefficient& q, const Coefficient& p, const Coefficient& d) {
  const Extended halfQ = q.value() / 2;
  const Extended thirdP = p.value() / 3;
  Extended dValue = halfQ * halfQ + thirdP * thirdP * thirdP;
  if (!(dValue < 0)) dValue = d.value();
  return AngleDegrees(-halfQ, std::sqrt(-dValue));
}

}  // namespace

Coefficient CardanoSolution(int k, const Coefficient& q, const Coefficient& p) {
  const Coefficient d = CardanoDiscriminant(q, p);
  const Polynomial reduced{1, 0, p, q};
  if (d.sign() >= 0) {
    const Coefficient rootD = SquareRootOf(d);
    const Coefficient u = CubeRootOf(-q / 2 + rootD);
    const Coefficient v = CubeRootOf(-q / 2 - rootD);
    // With d = 0, u = v; the other two pairs of cube roots (u*w, v*w^2)
    // both give -u, the double solution.
    return RefinedSolution(d.sign() == 0 && k > 0 ? -u : u + v, reduced);
  }
  // Three real solutions: u and v are conjugate complex cube roots of
  // -q/2 +- i*sqrt(-d), of modulus sqrt(-p/3), and x = 2*Re(u).
  const Extended phi = CubeRootAngle(q, p, d);
  const Coefficient rho = SquareRootOf(-p / 3);
  const Extended x = 2 * rho.value() * CosDegrees(phi / 3 + (k > 0 ? 120 * k : 0));
  return RefinedSolution(Coefficient::Approximate(x, 2 * rho.size()), reduced);
}

Extended CardanoRoot(int k, Extended q, Extended p) {
  return CardanoSolution(k, Coefficient::Typed(q), Coefficient::Typed(p)).value();
}

DeflatedCubic DeflateCubic(const Coefficient& x0, const Coefficient& a, const Coefficient& b, const Coefficient& c) {
  const Coefficient b1 = a * x0 + b;
  return {b1, b1 * x0 + c};
}

void DeflateCubic(Extended x0, Extended a, Extended b, Extended c, Extended& b1, Extended& c1) {
  const DeflatedCubic rest = DeflateCubic(Coefficient::Typed(x0), Coefficient::Typed(a), Coefficient::Typed(b),
                                          Coefficient::Typed(c));
  b1 = rest.b1.value();
  c1 = rest.c1.value();
}

namespace {

std::string DegreesText(Extended degrees) { return FloatText18(degrees) + "\xB0"; }

// d >= 0: one real pair of cube roots, then the remaining quadratic.
void RealCardano(Worksheet& sheet, const Coefficient& p, const Coefficient& q, const Coefficient& d) {
  sheet.append(d.sign() == 0 ? Cp1252("d=0 Sonderfall ergibt zwei reelle Lösungen")
                             : Cp1252("d>0 Casus reducibilis ergibt eine reelle Lösung"));
  const Coefficient rootD = SquareRootOf(d);
  const Coefficient bigU = -q / 2 + rootD;
  const Coefficient bigV = -q / 2 - rootD;
  sheet.append("u^3=" + MixedText(-q / 2) + SignedText(rootD) + "=" + ExactTextOf(bigU));
  sheet.append("v^3=" + MixedText(-q / 2) + SignedText(-rootD) + "=" + ExactTextOf(bigV));
  const Coefficient x = CardanoSolution(0, q, p);
  sheet.append(Cp1252("----- Lösung -------------"));
  sheet.append("u=" + ExactTextOf(CubeRootOf(bigU)));
  sheet.append("v=" + ExactTextOf(CubeRootOf(bigV)));
  sheet.append("x=u+v=" + ExactTextOf(x) + " Probe:x^3" + SignedText(p) + "*x" + SignedText(q) + "=" +
               GroupedText18(ValueAt({1, 0, p, q}, x)));
  const DeflatedCubic rest = DeflateCubic(x, 1, 0, p);
  sheet.append(Cp1252("Weitere Lösungen sind die Lösungen der quadratischen Gleichung \r\n   x^2") +
               SignedText(rest.b1) + "*x" + SignedText(rest.c1) + "=0");
  QuadraticSteps(sheet, "x", 1, rest.c1, rest.b1, 1);
}

// d < 0: u^3 and v^3 are complex conjugates; their three pairs of cube
// roots give three real solutions x = u + v = 2*Re(u).
void IrreducibleCardano(Worksheet& sheet, const Coefficient& p, const Coefficient& q, const Coefficient& d) {
  sheet.append(Cp1252("d<0 Casus irreducibilis ergibt reelle Lösungen über komplexe u und v"));
  sheet.append("   Hinweis:cis(phi)=cos(phi)+i*sin(phi)=e^(i*phi)");
  sheet.append(Cp1252("           3.Wurzel(cis(phi)=cis(phi/3+k*120°) (k=0,1,2 120°=2/3*Pi)"));
  const Coefficient re = -q / 2;
  const Coefficient im = SquareRootOf(-d);
  const Coefficient r = SquareRootOf(re * re - d);
  const Extended phi = CubeRootAngle(q, p, d);
  sheet.append("u^3=" + ExactTextOf(re) + "+i*" + ExactTextOf(im) + "=" + ExactTextOf(r) + "*cis(" + DegreesText(phi) +
               ")");
  sheet.append("v^3=" + ExactTextOf(re) + "-i*" + ExactTextOf(im) + "=" + ExactTextOf(r) + "*cis(" +
               DegreesText(-phi) + ")");
  // |u| = |v| = cube root of r = sqrt(-p/3).
  const Coefficient rho = SquareRootOf(-p / 3);
  for (int k = 0; k <= 2; ++k) {
    const Extended alpha = phi / 3 + 120 * k;
    const Coefficient x = CardanoSolution(k, q, p);
    // u = x/2 + i*im(u) with im(u)^2 = |u|^2 - (x/2)^2 = -p/3 - (x/2)^2:
    // exact parts for an exact solution.
    const Coefficient reU = x.isExact() ? x / 2 : Coefficient::Approximate(rho.value() * CosDegrees(alpha), rho.size());
    const Coefficient imU = x.isExact() ? SquareRootOf(-p / 3 - reU * reU)
                                        : Coefficient::Approximate(rho.value() * SinDegrees(alpha), rho.size());
    const Coefficient signedImU = SinDegrees(alpha) < 0 && x.isExact() ? -imU : imU;
    sheet.append("----- " + FloatText18(k + 1) + Cp1252(". Lösung -------------"));
    sheet.append("u=" + ExactTextOf(reU) + "+i*" + ExactTextOf(signedImU) + "=" + ExactTextOf(rho) + "*cis(" +
                 DegreesText(alpha) + ")");
    sheet.append("v=" + ExactTextOf(reU) + "-i*" + ExactTextOf(signedImU) + "=" + ExactTextOf(rho) + "*cis(" +
                 DegreesText(-alpha) + ")");
    sheet.append("x=u+v=" + ExactTextOf(x) + " Probe:x^3+p*x+q=" + GroupedText18(ValueAt({1, 0, p, q}, x)));
  }
}

}  // namespace

void SolveReducedCubic(Worksheet& sheet) {
  const std::optional<std::string> found = EquationHead(sheet, ReducedCubicExampleText(), "red", "reduzierte kubische Gleichung");
  if (!found) return;
  const std::string& head = *found;
  const Coefficient p = Coefficient::TypedAt(head, 1);
  const Coefficient q = Coefficient::TypedAt(head, 2);
  sheet.keepFirstLines(3);
  const Coefficient d = CardanoDiscriminant(q, p);
  sheet.append("d=(q/2)^2+(p/3)^3=" + ExactTextOf(d));
  if (d.sign() >= 0) {
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
  const Coefficient a = Coefficient::TypedAt(head, 1);
  const Coefficient b = Coefficient::TypedAt(head, 2);
  const Coefficient c = Coefficient::TypedAt(head, 3);
  const Coefficient d = Coefficient::TypedAt(head, 4);
  if (a.value() == 0) {
    sheet.hint("a=0 ->quadratische Gleichung");
    return;
  }
  const Coefficient bigA = b / a;
  const Coefficient bigB = c / a;
  const Coefficient bigC = d / a;
  sheet.append("A=" + MixedText(bigA) + " B=" + MixedText(bigB) + " C=" + MixedText(bigC) + "   z^3" +
               SignedText(bigA) + "*z^2" + SignedText(bigB) + "*z" + SignedText(bigC) + "=0");
  const Coefficient p = bigB - bigA * bigA / 3;
  const Coefficient q = Coefficient(2) / 27 * bigA * bigA * bigA - bigA * bigB / 3 + bigC;
  sheet.append("reduzierte kubische Gleichung mit x=z" + SignedText(bigA / 3) + " => p=" + ExactTextOf(p) +
               " q=" + ExactTextOf(q));
  sheet.append("x^3" + SignedText(p) + "*x" + SignedText(q) + "=0");
  const Coefficient x = CardanoSolution(0, q, p);
  sheet.append(Cp1252("Eine Lösung: x=") + ExactTextOf(x) + " Probe:x^3" + SignedText(p) + "*x" + SignedText(q) + "=" +
               ExactTextOf(ValueAt({1, 0, p, q}, x)));
  const Polynomial cubic{a, b, c, d};
  const Coefficient z = RefinedSolution(x - bigA / 3, cubic);
  sheet.append(Spaces(13) + "z=" + ExactTextOf(z) + " Probe: " + ExactTextOf(a) + "*z^3" + SignedText(b) + "*z^2" +
               SignedText(c) + "*z" + SignedText(d) + "=" + ExactTextOf(ValueAt(cubic, z)));
  const DeflatedCubic rest = DeflateCubic(z, a, b, c);
  sheet.append(Cp1252("Weitere Lösungen sind die Lösungen der quadratischen Gleichung \r\n   ") + ExactTextOf(a) +
               "*z^2" + SignedText(rest.b1) + "*z" + SignedText(rest.c1) + "=0");
  QuadraticSteps(sheet, "z", 1, rest.c1, rest.b1, a);
}

}  // namespace lumatik
