// "Gleichung 4. Grades": a root y of the resolvent cubic splits the quartic
// x^4+Ax^3+Bx^2+Cx+D into two quadratics (x^2+(A/2+s)x+(y+t)) and
// (x^2+(A/2-s)x+(y-t)), which are then solved one after the other.

#include <algorithm>
#include <cmath>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "expr/numeric.h"
#include "shell/codepage.h"
#include "shell/luhilf.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"

namespace lumatik {

void SolveQuarticEquation(Worksheet& sheet) {
  const std::optional<std::string> found = EquationHead(sheet, QuarticExampleText(), "vierten", "Gleichung 4. Grades");
  if (!found) return;
  const std::string& head = *found;
  const Extended a = NthValue(head, 1);
  const Extended b = NthValue(head, 2);
  const Extended c = NthValue(head, 3);
  const Extended d = NthValue(head, 4);
  const Extended e = NthValue(head, 5);
  if (a == 0) {
    sheet.hint("a=0 ->kubische Gleichung");
    return;
  }
  const Extended bigA = b / a;
  const Extended bigB = c / a;
  const Extended bigC = d / a;
  const Extended bigD = e / a;

  sheet.keepFirstLines(1);
  sheet.append(Cp1252("Die Lösung der Gleichung a*x^4+b*x^3+c*x^2+d*x+e=0 bzw."));
  sheet.append(Cp1252("x^4+A*x^3+B*x^2+C*x+D=0 für ") + "A=" + NumberTextMixed(bigA) + " B=" + NumberTextMixed(bigB) +
               " C=" + NumberTextMixed(bigC) + " D=" + NumberTextMixed(bigD));
  sheet.append("");
  sheet.append(QuarticMethodText());

  // Step 1: the resolvent cubic y^3+a2*y^2+a1*y+a0=0, reduced by y=z-a2/3.
  sheet.append("");
  sheet.append("1.Schritt:");
  const Extended a2 = -bigB / 2;
  const Extended a1 = (bigA * bigC - 4 * bigD) / 4;
  const Extended a0 = (4 * bigB * bigD - bigA * bigA * bigD - bigC * bigC) / 8;
  sheet.append("y^3" + SignedNumberText(a2) + "*y^2" + SignedNumberText(a1) + "*y" + SignedNumberText(a0) + "=0");
  const Extended p = a1 - a2 * a2 / 3;
  const Extended q = 2.0L / 27 * a2 * a2 * a2 - a1 * a2 / 3 + a0;
  sheet.append("reduzierte kubische Gleichung p=" + ExactText(p) + " q=" + ExactText(q));
  sheet.append("z^3" + SignedNumberText(p) + "*z" + SignedNumberText(q) + "=0");
  // The largest root keeps 2y+A^2/4-B, the square of s, from going negative.
  const Extended z = std::max({CardanoRoot(0, q, p), CardanoRoot(1, q, p), CardanoRoot(2, q, p)});
  const Extended y = z - a2 / 3;
  sheet.append(Cp1252("Eine Lösung: z=") + ExactText(z));
  sheet.append(Spaces(13) + "y=" + ExactText(y));

  // Step 2: s and t of the factorisation.
  Extended s2 = 2 * y + bigA * bigA / 4 - bigB;
  if (std::fabs(s2) < 1e-12L) s2 = 0;
  const Extended s = SqrtTol(s2);
  const Extended t = s != 0 ? (bigA * y - bigC) / (2 * s) : SqrtTol(y * y - bigD);
  sheet.append("2. Schritt: s=" + NumberTextMixed(s) + " t=" + NumberTextMixed(t));
  sheet.append(Cp1252("Zu lösen bleibt:(x^2") + SignedNumberText(bigA / 2 + s) + "*x" + SignedNumberText(y + t) + ")*(" +
               "x^2" + SignedNumberText(bigA / 2 - s) + "*x" + SignedNumberText(y - t) + ")=0");
  QuadraticSteps(sheet, "x", 1, y + t, bigA / 2 + s, 1);
  QuadraticSteps(sheet, "x", 3, y - t, bigA / 2 - s, 1);
}

}  // namespace lumatik
