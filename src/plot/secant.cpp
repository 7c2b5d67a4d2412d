#include "plot/secant.h"

#include <algorithm>
#include <cmath>

#include "exact/fractions.h"
#include "expr/compiled_term.h"
#include "expr/evaluate.h"
#include "plot/plotlist.h"
#include "plot/plotrender.h"
#include "shell/codepage.h"
#include "shell/decimal_separator.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"
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

// The function field's line as the plotter reads it: the term without its
// interval, and parameters after a double blank in force for the term.
std::string FunctionTerm(const SecantFields& fields) { return SplitInterval(fields.function).term; }

std::string XText(Extended x) { return GeneralFloatText(x, 15); }

// A point of the graph, or nothing, after saying why, where the engine
// cannot compute the function.
std::optional<Point> PointOn(const std::string& term, const std::string& xText) {
  const Extended x = EvalTerm(xText);
  if (const std::optional<Extended> y = ComputedValue(term, x)) return Point{x, *y};
  ShowMessage("f(" + XText(x) + Cp1252(") lässt sich nicht berechnen:\r") + Trim(MathErrorText()));
  return std::nullopt;
}

// Differences of values this close are rounding: the engine itself counts
// magnitudes below 1e-15 as zero.
constexpr Extended kRoundingShare = 1e-15L;

bool IsRoundingNoise(Extended difference, Extended a, Extended b) {
  const Extended scale = std::max<Extended>({1, std::fabs(a), std::fabs(b)});
  return std::fabs(difference) <= kRoundingShare * scale;
}

// The intercept of the line with slope m through P; what is left of two
// equal numbers after rounding is 0.
Extended InterceptThrough(const Point& p, Extended m) {
  const Extended b = p.y - m * p.x;
  return IsRoundingNoise(b, p.y, m * p.x) ? 0 : b;
}

void SayNoTangent(Extended x0) {
  ShowMessage("Bei x0 = " + XText(x0) +
              Cp1252(" hat das Schaubild keine Tangente mit einer Steigung:\r"
                     "sie ist senkrecht, oder das Schaubild springt dort oder hat eine Polstelle."));
}

// The slope of the tangent at x0: the backward difference quotient over
// 1e-6. Nothing where the tangent does not exist as a line with a slope:
// where f cannot be computed at x0 or just left of it, and where the
// quotients over 1e-6, 1e-6/2 and 1e-6/4 do not settle (a vertical tangent,
// a jump, a pole) - for a smooth graph each halving of the step halves the
// change of the quotient. A slope that is 0 up to the quotient's own error
// is 0: a horizontal tangent.
std::optional<Extended> TangentSlope(const std::string& term, Extended x0) {
  constexpr Extended kExactSlopeRounding = 1e-15L;
  const Extended a = x0 - kTangentStep;
  const Extended c = a + kTangentStep;
  const std::optional<Extended> yc = ComputedValue(term, c);
  if (!yc) {
    ShowMessage("f(" + XText(x0) + Cp1252(") lässt sich nicht berechnen:\r") + Trim(MathErrorText()) +
                Cp1252("\rDort gibt es keine Tangente."));
    return std::nullopt;
  }
  // The first quotient is the one the slope is written from.
  const Extended lefts[3] = {a, c - kTangentStep / 2, c - kTangentStep / 4};
  if (c - lefts[0] == 0) {
    ShowMessage(Cp1252("Bei diesem x0 lässt sich die Tangentensteigung nicht berechnen."));
    return std::nullopt;
  }
  Extended quotients[3];
  for (int i = 0; i < 3; ++i) {
    const std::optional<Extended> y = ComputedValue(term, lefts[i]);
    quotients[i] = y ? (*yc - *y) / (c - lefts[i]) : std::nanl("");
  }
  const Extended m = quotients[0];
  const Extended change = quotients[1] - quotients[0];
  const Extended nextChange = quotients[2] - quotients[1];
  // Rounding in the values (a hundred units in the last place of the
  // 80-bit type), seen through the smallest step.
  constexpr Extended kValueRounding = 1e-17L;
  const Extended noise = 4 * kValueRounding * std::max<Extended>(1, std::fabs(*yc)) / (kTangentStep / 4);
  const bool settles = std::fabs(change) <= noise || std::fabs(nextChange) <= 0.75L * std::fabs(change);
  if (!std::isfinite(m) || !std::isfinite(change) || !std::isfinite(nextChange) || !settles) {
    SayNoTangent(x0);
    return std::nullopt;
  }
  // Where the compiled term differentiates itself the slope is exact.
  Extended d1 = 0;
  Extended d2 = 0;
  // A slope lost in the rounding of the values is a horizontal tangent.
  if (CompiledTermFor(term)->derivatives(c, d1, d2))
    return std::fabs(d1) <= kExactSlopeRounding * std::max<Extended>(1, std::fabs(*yc)) ? 0 : d1;
  // Two quotients cancel the error that is proportional to the step.
  const Extended accurate = 2 * quotients[1] - quotients[0];
  if (std::fabs(accurate) <= std::fabs(m - accurate) + noise) return 0;
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

struct SecantPoints {
  Point p;
  Point q;
};

// P(x0|f(x0)) and Q(x|f(x)), or nothing after a message where one cannot be
// computed or both are the same point.
std::optional<SecantPoints> PointsOfTheSecant(const SecantFields& fields) {
  const std::string term = FunctionTerm(fields);
  const std::optional<Point> p = PointOn(term, fields.x0);
  if (!p) return std::nullopt;
  const std::optional<Point> q = PointOn(term, fields.x);
  if (!q) return std::nullopt;
  if (q->x == p->x) {
    SayPointsCoincide();
    return std::nullopt;
  }
  return SecantPoints{*p, *q};
}

struct TangentPoint {
  Point p;
  Extended slope;
};

// P and the tangent's slope there, or nothing after a message.
std::optional<TangentPoint> TangentAtP(const SecantFields& fields) {
  const std::string term = FunctionTerm(fields);
  const std::optional<Extended> slope = TangentSlope(term, EvalTerm(fields.x0));
  if (!slope) return std::nullopt;
  const std::optional<Point> p = PointOn(term, fields.x0);
  if (!p) return std::nullopt;
  return TangentPoint{*p, *slope};
}

}  // namespace

std::string LineTerm(Extended m, Extended b) {
  return NumberText(m) + "*x" + (b < 0 ? "-" : "+") + NumberText(std::fabs(b));
}

std::string SlopeText(Extended m) {
  const FixedParts parts = ToFixedParts(m, 18, 5);
  // A slope that rounds to 0 at five decimals is written "0", never "-0".
  const bool zero = (parts.integer.empty() || parts.integer == "0") && parts.fraction.empty();
  std::string text = (parts.negative && !zero ? "-" : "") + (parts.integer.empty() ? "0" : parts.integer);
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
  const std::optional<SecantPoints> points = PointsOfTheSecant(fields);
  if (!points) return std::nullopt;
  const Point& p = points->p;
  const Point& q = points->q;
  const Extended m = IsRoundingNoise(q.y - p.y, q.y, p.y) ? 0 : (q.y - p.y) / (q.x - p.x);
  const Extended b = InterceptThrough(p, m);
  if (!IsDrawable(m, b)) return std::nullopt;
  SecantDrawing drawing{"Sekantensteigung", SlopeText(m), RestartedList(fields)};
  const long long divisor = DotDivisor(fields.lex);
  drawing.plotList.push_back(DotLine(p.x, p.y, divisor, true));
  drawing.plotList.push_back(DotLine(q.x, q.y, divisor, false));
  drawing.plotList.push_back(LineTerm(m, b));
  return drawing;
}

std::optional<SecantDrawing> DrawTangent(const SecantFields& fields) {
  const std::optional<TangentPoint> tangent = TangentAtP(fields);
  if (!tangent) return std::nullopt;
  const Point& p = tangent->p;
  const Extended m = tangent->slope;
  const Extended b = InterceptThrough(p, m);
  if (!IsDrawable(m, b)) return std::nullopt;
  SecantDrawing drawing{"Tangentensteigung", SlopeText(m), RestartedList(fields)};
  drawing.plotList.push_back(DotLine(p.x, p.y, DotDivisor(fields.lex), true));
  drawing.plotList.push_back(LineTerm(m, b));
  return drawing;
}

std::optional<SecantDrawing> DrawNormal(const SecantFields& fields) {
  const std::optional<TangentPoint> tangent = TangentAtP(fields);
  if (!tangent) return std::nullopt;
  const Point& p = tangent->p;
  const Extended tangentSlope = tangent->slope;
  SecantDrawing drawing{"Normalensteigung", "", RestartedList(fields)};
  drawing.plotList.push_back(DotLine(p.x, p.y, DotDivisor(fields.lex), true));
  if (tangentSlope == 0) {
    // A horizontal tangent has a vertical normal: no function term can draw
    // it, a segment through P across the frame's 12 cm height does. One y
    // unit is LEy cm long, so 6 cm are 6/LEy units.
    const Extended unitY = EvalTerm(fields.ley);
    const Extended halfHeight = 6 / (unitY == 0 ? 1 : std::fabs(unitY));
    const Extended centreY = EvalTerm(fields.my);
    drawing.slopeText = "unendlich";
    drawing.plotList.push_back("Strecke " + NumberText(p.x) + " " + NumberText(centreY - halfHeight) + " " +
                               NumberText(p.x) + " " + NumberText(centreY + halfHeight));
    return drawing;
  }
  const Extended m = -1 / tangentSlope;
  const Extended b = InterceptThrough(p, m);
  if (!IsDrawable(m, b)) return std::nullopt;
  drawing.slopeText = SlopeText(m);
  drawing.plotList.push_back(LineTerm(m, b));
  return drawing;
}

std::string HalvedX(const SecantFields& fields) {
  return GeneralFloatText((EvalTerm(fields.x0) + EvalTerm(fields.x)) / 2, 15);
}

std::optional<SecantFields> Magnify(const SecantFields& fields) {
  const std::optional<SecantPoints> points = PointsOfTheSecant(fields);
  if (!points) return std::nullopt;
  const Point& p = points->p;
  const Point& q = points->q;
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
