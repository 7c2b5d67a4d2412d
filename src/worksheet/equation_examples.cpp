// The example texts of the "Gleichungen" menu. Their first line carries the
// coefficients that the next click reads.

#include "shell/codepage.h"
#include "worksheet/equations.h"

namespace lumatik {

std::string QuadraticExampleText() {
  return Cp1252(
      "quadratische Gleichung  a=7 b=-10 c=1\r\n"
      "               ax^2+bx+c=0\r\n"
      "Ändern Sie die Werte und klicken Sie den Punkt noch mal an!");
}

std::string ReducedCubicExampleText() {
  return Cp1252(
      "reduzierte kubische Gleichung p=-7/3 q=20/27\r\n"
      "Die Lösung der kubischen Gleichung x^3+px+q=0 ist nach Cardano:\r\n"
      "x=u+v für u^3=-q/2+wur(d) und v^3=-q/2-wur(d)\r\n"
      "für d=(q/2)^2+(p/3)^3 mit Nebenbedingung u*v=-p/3.\r\n"
      "Ändern Sie die Werte und klicken Sie den Punkt noch mal an!\r\n"
      "Beispiele (p,q)=(-2;-4) (2/3;-20/27), (-7;6), (-3;2), (6;2), (1;-2), ...\r\n"
      "Herleitung der Formel von Cardano: Setze x=u+v\r\n"
      " => u^3+3u^2v+3uv^2+v^3+p(u+v)+q=0\r\n"
      " => u^3+ 3uv(u+v)+  v^3+p(u+v)+q=0\r\n"
      " => u^3 + (3uv+p)*(u+v)   +v^3+q=0\r\n"
      " Mit 3uv+p=0 (*) (kann gesetzt werden) folgt: u^3+v^3=-q (**)\r\n"
      " (**)=> u^6+2u^3v^3+v^6=q^2 (*) => 4u^3v^3=-4/27p^3\r\n"
      " Subtraktion: u^6-2u^3v^3+v^6=q^2+4/27p^3\r\n"
      " d.h          (u^3-v^3)^2  =4*d für d=(q/2)^2+(p/3)^3 (***)\r\n"
      " Somit gilt:   u^3+v^3 =-q\r\n"
      "               u^3-v^3 =2*wur(d)\r\n"
      " Summe/2         u^3   =-q/2+wur(d)\r\n"
      " Differenz/2     v^3   =-q/2-wur(d)\r\n"
      " Literatur: jedes Lehrbuch der Algebra über Gleichungen 3. und 4. Grades (Cardano, Ferrari)\r\n"
      "\r\n"
      " Zum Berechnen: Menü noch einmal aufrufen!");
}

std::string CubicExampleText() {
  return Cp1252(
      "kubische Gleichung a=1 b=-4 c=1 d=6\r\n"
      "   a*z^3+b*z^2+c*z+d=0 bzw. z^3+A*z^2+B*z+C=0\r\n"
      "   wird auf die reduzierte kubische Gleichung x^3+p*x+q=0 zurückgeführt.\r\n"
      "   Substitution z=x-A/3 führt auf p=B-A^2/3 q=2/27A^3-1/3AB+C\r\n"
      "   Ändern Sie die Werte und klicken Sie den Punkt noch mal an!");
}

std::string QuarticMethodText() {
  return Cp1252(
      "1. Schritt: Löse y^3-B/2*y^2+1/4*(AC-4*D)*y+1/8*(4BD-A^2*D-C^2)=0\r\n"
      "2. Schritt: Löse (x^2+(A/2+s)*x+(y+t))*(x^2+(A/2-s)*x+(y-t))=0\r\n"
      "            für s=wur(1/4*A^2+2*y-B) und t=(Ay-C)/(2s) bzw. t=wur(y^2-D) (falls s=0)");
}

std::string QuarticExampleText() {
  return Cp1252(
             "Gleichung vierten Grades a=1 b=-10 c=35 d=-50 e=24\r\n"
             "Die Lösung der Gleichung a*x^4+b*x^3+c*x^2+d*x+e=0 bzw.\r\n"
             "x^4+A*x^3+B*x^2+C*x+D=0 für  A=b/a B=c/a C=d/a und D=e/a\r\n"
             "\r\n") +
         QuarticMethodText() +
         Cp1252(
             "\r\n"
             "Ändern Sie die Werte und klicken Sie den Punkt noch mal an!\r\n"
             "Literatur: jedes Lehrbuch der Algebra über Gleichungen 3. und 4. Grades (Cardano, Ferrari)");
}

}  // namespace lumatik
