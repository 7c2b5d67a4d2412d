// "Gleichung 4. Grades": a root y of the resolvent cubic splits the quartic
// x^4+Ax^3+Bx^2+Cx+D into two quadratics (x^2+(A/2+s)x+(y+t)) and
// (x^2+(A/2-s)x+(y-t)), which are then solved one after the other.

#include "exact/fractions.h"
#include "exact/roots.h"
#include "expr/nth_value.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"

namespace lumatik {

void SolveQuarticEquation(Worksheet& sheet) {
  const std::optional<std::string> found = EquationHead(sheet, QuarticExampleText(), "vierten", "Gleichung 4. Grades");
  if (!found) return;
  const std::string& head = *found;
  const Coefficient a = Coefficient::TypedAt(head, 1);
  const Coefficient b = Coefficient::TypedAt(head, 2);
  const Coefficient c = Coefficient::TypedAt(head, 3);
  const Coefficient d = Coefficient::TypedAt(head, 4);
  const Coefficient e = Coefficient::TypedAt(head, 5);
  if (a.value() == 0) {
    sheet.hint("a=0 ->kubische Gleichung");
    return;
  }
  const Coefficient bigA = b / a;
  const Coefficient bigB = c / a;
  const Coefficient bigC = d / a;
  const Coefficient bigD = e / a;

  sheet.keepFirstLines(1);
  sheet.append(Cp1252("Die Lösung der Gleichung a*x^4+b*x^3+c*x^2+d*x+e=0 bzw."));
  sheet.append(Cp1252("x^4+A*x^3+B*x^2+C*x+D=0 für ") + "A=" + MixedText(bigA) + " B=" + MixedText(bigB) +
               " C=" + MixedText(bigC) + " D=" + MixedText(bigD));
  sheet.append("");
  sheet.append(QuarticMethodText());

  // Step 1: the resolvent cubic y^3+a2*y^2+a1*y+a0=0, reduced by y=z-a2/3.
  sheet.append("");
  sheet.append("1.Schritt:");
  const Coefficient a2 = -bigB / 2;
  const Coefficient a1 = (bigA * bigC - 4 * bigD) / 4;
  const Coefficient a0 = (4 * bigB * bigD - bigA * bigA * bigD - bigC * bigC) / 8;
  sheet.append("y^3" + SignedText(a2) + "*y^2" + SignedText(a1) + "*y" + SignedText(a0) + "=0");
  const Coefficient p = a1 - a2 * a2 / 3;
  const Coefficient q = Coefficient(2) / 27 * a2 * a2 * a2 - a1 * a2 / 3 + a0;
  sheet.append("reduzierte kubische Gleichung p=" + ExactTextOf(p) + " q=" + ExactTextOf(q));
  sheet.append("z^3" + SignedText(p) + "*z" + SignedText(q) + "=0");
  // The largest root keeps 2y+A^2/4-B, the square of s, from going negative.
  Coefficient z = CardanoSolution(0, q, p);
  for (int k = 1; k <= 2; ++k) {
    const Coefficient other = CardanoSolution(k, q, p);
    if (other.value() > z.value()) z = other;
  }
  const Coefficient y = z - a2 / 3;
  sheet.append(Cp1252("Eine Lösung: z=") + ExactTextOf(z));
  sheet.append(Spaces(13) + "y=" + ExactTextOf(y));

  // Step 2: s and t of the factorisation.
  const Coefficient s = SquareRootOf(2 * y + bigA * bigA / 4 - bigB);
  const Coefficient t = s.isZero() ? SquareRootOf(y * y - bigD) : (bigA * y - bigC) / (2 * s);
  sheet.append("2. Schritt: s=" + MixedText(s) + " t=" + MixedText(t));
  sheet.append(Cp1252("Zu lösen bleibt:(x^2") + SignedText(bigA / 2 + s) + "*x" + SignedText(y + t) + ")*(" + "x^2" +
               SignedText(bigA / 2 - s) + "*x" + SignedText(y - t) + ")=0");
  QuadraticSteps(sheet, "x", 1, y + t, bigA / 2 + s, 1);
  QuadraticSteps(sheet, "x", 3, y - t, bigA / 2 - s, 1);
}

}  // namespace lumatik
