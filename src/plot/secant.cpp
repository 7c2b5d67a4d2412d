#include "plot/secant.h"

#include <cmath>

#include "exact/fractions.h"
#include "expr/lumath.h"
#include "shell/codepage.h"
#include "shell/decimal_separator.h"
#include "shell/floatformat.h"
#include "shell/messagesink.h"

namespace lumatik {

namespace {

constexpr Extended kTangentStep = 1e-6L;

// The current function with the dot at P, for every command.
std::vector<std::string> RestartedList(const SecantFields& fields) { return {fields.function}; }

std::string DotLine(Extended x, Extended y, long long divisor, bool red) {
  return "Kreis " + NumberText(x) + " " + NumberText(y) + " 1/" + std::to_string(divisor) +
         (red ? " rot" : "");
}

struct Point {
  Extended x;
  Extended y;
};

Point PointOn(const std::string& function, const std::string& xText) {
  const Extended x = EvalTerm(xText);
  return {x, EvalTermAt(function, x)};
}

// The backward difference quotient over 1e-6; nothing where x0 is so large
// that the step vanishes in rounding.
std::optional<Extended> TangentSlope(const SecantFields& fields) {
  const Extended a = EvalTerm(fields.x0) - kTangentStep;
  const Extended c = a + kTangentStep;
  const Extended m = (EvalTermAt(fields.function, c) - EvalTermAt(fields.function, a)) / (c - a);
  if (!std::isfinite(m)) {
    ShowMessage(Cp1252("Bei diesem x0 lässt sich die Tangentensteigung nicht berechnen."));
    return std::nullopt;
  }
  return m;
}

void SayPointsCoincide() {
  ShowMessage(Cp1252("P und Q fallen zusammen: Für die Sekante müssen x und x0 verschieden sein."));
}

// A line whose slope or intercept overflowed cannot be drawn.
bool IsDrawable(Extended m, Extended b) {
  if (std::isfinite(m) && std::isfinite(b)) return true;
  ShowMessage(Cp1252("Die Gerade ist zu steil, um sie zu zeichnen."));
  return false;
}

}  // namespace

std::string LineTerm(Extended m, Extended b) {
  return NumberText(m) + "*x" + (b < 0 ? "-" : "+") + NumberText(std::fabs(b));
}

std::string SlopeText(Extended m) {
  const FixedParts parts = ToFixedParts(m, 18, 5);
  std::string text = (parts.negative ? "-" : "") + (parts.integer.empty() ? "0" : parts.integer);
  if (!parts.fraction.empty()) text += DecimalSeparator() + parts.fraction;
  return text + FractionSuffix(m);
}

long long DotDivisor(const std::string& lexText) {
  const Extended n = std::nearbyint(EvalTerm(lexText) * 20);
  // A unit so large that the divisor no longer fits counts as the largest.
  if (!(std::fabs(n) < 1e15L)) return n < 0 ? -1000000000000000LL : 1000000000000000LL;
  return static_cast<long long>(n);
}

std::optional<SecantDrawing> DrawSecant(const SecantFields& fields) {
  const Point p = PointOn(fields.function, fields.x0);
  const Point q = PointOn(fields.function, fields.x);
  if (q.x == p.x) {
    SayPointsCoincide();
    return std::nullopt;
  }
  const Extended m = (q.y - p.y) / (q.x - p.x);
  const Extended b = p.y - m * p.x;
  if (!IsDrawable(m, b)) return std::nullopt;
  SecantDrawing drawing{"Sekantensteigung", SlopeText(m), RestartedList(fields)};
  const long long divisor = DotDivisor(fields.lex);
  drawing.plotList.push_back(DotLine(p.x, p.y, divisor, true));
  drawing.plotList.push_back(DotLine(q.x, q.y, divisor, false));
  drawing.plotList.push_back(LineTerm(m, b));
  return drawing;
}

std::optional<SecantDrawing> DrawTangent(const SecantFields& fields) {
  const std::optional<Extended> slope = TangentSlope(fields);
  if (!slope) return std::nullopt;
  const Extended m = *slope;
  const Point p = PointOn(fields.function, fields.x0);
  if (!IsDrawable(m, p.y - m * p.x)) return std::nullopt;
  SecantDrawing drawing{"Tangentensteigung", SlopeText(m), RestartedList(fields)};
  drawing.plotList.push_back(DotLine(p.x, p.y, DotDivisor(fields.lex), true));
  drawing.plotList.push_back(LineTerm(m, p.y - m * p.x));
  return drawing;
}

std::optional<SecantDrawing> DrawNormal(const SecantFields& fields) {
  const std::optional<Extended> slope = TangentSlope(fields);
  if (!slope) return std::nullopt;
  const Extended tangentSlope = *slope;
  const Point p = PointOn(fields.function, fields.x0);
  SecantDrawing drawing{"Normalensteigung", "", RestartedList(fields)};
  drawing.plotList.push_back(DotLine(p.x, p.y, DotDivisor(fields.lex), true));
  if (tangentSlope == 0) {
    // A horizontal tangent has a vertical normal: no function term can draw
    // it, a segment through P across the whole frame height does.
    const Extended unitY = EvalTerm(fields.ley);
    const Extended halfHeight = 6 * (unitY == 0 ? 1 : std::fabs(unitY));
    const Extended centreY = EvalTerm(fields.my);
    drawing.slopeText = "unendlich";
    drawing.plotList.push_back("Strecke " + NumberText(p.x) + " " + NumberText(centreY - halfHeight) + " " +
                               NumberText(p.x) + " " + NumberText(centreY + halfHeight));
    return drawing;
  }
  const Extended m = -1 / tangentSlope;
  if (!IsDrawable(m, p.y - m * p.x)) return std::nullopt;
  drawing.slopeText = SlopeText(m);
  drawing.plotList.push_back(LineTerm(m, p.y - m * p.x));
  return drawing;
}

std::string HalvedX(const SecantFields& fields) {
  return GeneralFloatText((EvalTerm(fields.x0) + EvalTerm(fields.x)) / 2, 15);
}

std::optional<SecantFields> Magnify(const SecantFields& fields) {
  const Point p = PointOn(fields.function, fields.x0);
  const Point q = PointOn(fields.function, fields.x);
  if (q.x == p.x) {
    SayPointsCoincide();
    return std::nullopt;
  }
  SecantFields magnified = fields;
  magnified.mx = GeneralFloatText(p.x, 15);
  magnified.my = GeneralFloatText(p.y, 15);
  magnified.lex = GeneralFloatText(1 / std::fabs(q.x - p.x), 15);
  magnified.ley =
      std::fabs(q.y - p.y) <= 1e-5L ? magnified.lex : GeneralFloatText(1 / std::fabs(q.y - p.y), 15);
  return magnified;
}

SecantFields ClearedSecant(const SecantFields& fields) {
  SecantFields cleared = fields;
  cleared.mx = "0";
  cleared.my = "0";
  cleared.lex = "1";
  cleared.ley = "1";
  return cleared;
}

const std::vector<SecantExample>& SecantExamples() {
  static const std::vector<SecantExample> examples = {
      {"Beispiel 0,2x^2 bei 1,5", "1/5*x^2", "1,5", "2,5", true},
      {"Beispiel 1/x bei 2", "1/x", "2", "3", true},
      {"Beispiel sqrt(x) bei 4", "sqrt(x) [0;8]", "4", "2", false},
      {"Beispiel Kreis (r=5) bei 4 ", "sqrt(25 - x^2)", "4", "5", true},
  };
  return examples;
}

SecantFields ApplyExample(const SecantExample& example, const SecantFields& fields) {
  SecantFields result = fields;
  result.function = example.function;
  result.x0 = example.x0;
  result.x = example.x;
  result.lex = "1";
  result.ley = "1";
  if (example.resetsCentre) {
    result.mx = "0";
    result.my = "0";
  }
  return result;
}

std::string SecantHintText() {
  return Cp1252(
      "Die Sekante wird gezeichnet durch:\rP(x0|f(x0)) und Q(x|f(x)) (Siehe Eingabefelder)\r\r"
      "\"Sekante mit 1/2dx\" bedeutet: x wird so geändert, dass\rdx = x - x0 nur noch halb so groß ist.\r\r\r"
      "Die Tangente wird an P(x0|f(x0)) gezeichnet.\r(In Wahrheit Sekante mit numerisch möglichst kleinem dx.)\r\r"
      "Die Lupe richtet sich nach den Größen von x0 und x.\r\r"
      "Die Gleichung der Sekante/Tangente: Siehe Menü \"Datei|Liste\".\r\r"
      "Beim Beenden erscheinen die übrigen Menüpunkte vom Programm Zahlwerk,\raus dem dieses Programm hervorging.");
}

}  // namespace lumatik
