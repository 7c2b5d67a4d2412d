// From the secant to the tangent, checked by evaluating the drawn lines.

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "plot/secant.h"
#include "shell/codepage.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

class Secant : public testing::EngineTest {
 protected:
  // "Beispiel 0,2x^2 bei 1,5", the menu's first example.
  const SecantFields parabola = ApplyExample(SecantExamples().front(), SecantFields{});
};

SecantFields Typed(const char* function, const char* x0, const char* x = "2") {
  return SecantFields{.function = function, .x0 = x0, .x = x};
}

TEST_F(Secant, ParabolaExampleDrawsTheExactSecant) {
  const auto drawing = DrawSecant(parabola);
  ASSERT_TRUE(drawing.has_value());
  EXPECT_EQ(drawing->slopeText, "0,8=4/5");
  EXPECT_EQ(drawing->plotList, (std::vector<std::string>{"1/5*x^2", "Kreis 3/2 9/20 1/20 rot",
                                                          "Kreis 5/2 5/4 1/20", "4/5*x-3/4"}));
}

TEST_F(Secant, TheSecantPassesThroughBothPoints) {
  const auto drawing = DrawSecant(Typed("x^3-2*x", "-1,5", "0,5"));
  ASSERT_TRUE(drawing.has_value());
  const std::string& line = drawing->plotList.back();
  for (const long double x : {-1.5L, 0.5L})
    EXPECT_NEAR(static_cast<double>(EvalTermAt(line, x)), static_cast<double>(x * x * x - 2 * x), 1e-15);
}

TEST_F(Secant, NormalOfAHorizontalTangentIsAVerticalSegment) {
  SecantFields fields = Typed("3", "1");
  const SecantDrawing normal = DrawNormal(fields).value();
  EXPECT_EQ(normal.plotList.back(), "Strecke 1 -6 1 6");
  // With LEy = 1/2 a unit is half a centimetre: 6 cm are 12 units.
  fields.ley = "1/2";
  fields.my = "1";
  EXPECT_EQ(DrawNormal(fields).value().plotList.back(), "Strecke 1 -11 1 13");
}

TEST_F(Secant, MagnifierCentresOnPAndScalesTheSecant) {
  const auto magnified = Magnify(parabola);
  ASSERT_TRUE(magnified.has_value());
  EXPECT_EQ(magnified->my, "0,45");
  EXPECT_EQ(magnified->lex, "1");
  EXPECT_EQ(magnified->ley, "1,25");
}

TEST(SecantTexts, SlopeToFiveDecimalsAndLineWithItsIntercept) {
  const std::pair<long double, const char*> cases[] = {
      {0.8L, "0,8=4/5"}, {-0.25L, "-0,25=-1/4"}, {2, "2"}, {1.0L / 3, "0,33333=1/3"}, {0.000001L, "0=1/1000000"},
      {-0.000003L, "0=-3/1000000"}, {0, "0"}, {-1e-19L, "0"}};
  for (const auto& [slope, text] : cases) EXPECT_EQ(SlopeText(slope), text);
  // The line's term carries the sign of its intercept.
  EXPECT_EQ(LineTerm(0.8L, -0.75L), "4/5*x-3/4");
  EXPECT_EQ(LineTerm(-2, 3), "-2*x+3");
  EXPECT_EQ(LineTerm(1, 0), "1*x+0");
}

// At a pole, at a jump and where the tangent is vertical there is no slope
// to write: a message, and neither tangent nor normal.
TEST_F(Secant, NoTangentAtPolesJumpsAndVerticalTangents) {
  const std::pair<const char*, const char*> cases[] = {
      {"1/x", "0"}, {"1/x^2", "0"}, {"ln(x)", "0"}, {"1/(x-1)", "1"}, {"tan(x)", "Pi/2"}, {"sqrt(x)", "0"},
      {"sqrt(abs(x))", "0"}, {"sgn(x)", "0"}, {"int(x)", "2"}, {"sqrt(25 - x^2)", "5"}, {"kreis 1 1 1", "1"}};
  for (const auto& [function, x0] : cases) {
    messages.clear();
    EXPECT_FALSE(DrawTangent(Typed(function, x0)).has_value()) << function;
    EXPECT_FALSE(DrawNormal(Typed(function, x0)).has_value()) << function;
    ASSERT_EQ(messages.size(), 2u) << function;
    EXPECT_NE(messages[0].find("Tangente"), std::string::npos) << messages[0];
  }
}

// Where P and Q coincide, where f cannot be computed at a point, and where
// the tangent's step vanishes beside a huge x0, a message instead of a line.
TEST_F(Secant, NoLineButAMessage) {
  const SecantFields same = Typed("x^2", "2", "4/2");
  const SecantFields outside = Typed("ln(x)", "-1", "2");
  const SecantFields huge = Typed("x^2", "10^2000");
  EXPECT_FALSE(DrawSecant(same).has_value() || Magnify(same).has_value());
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_FALSE(DrawSecant(outside).has_value() || Magnify(outside).has_value());
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[2].rfind(Cp1252("f(-1) lässt sich nicht berechnen:\rLogarithmus von"), 0), 0u) << messages[2];
  EXPECT_FALSE(DrawTangent(huge).has_value() || DrawNormal(huge).has_value());
  EXPECT_EQ(messages.size(), 6u);
}

// Cubics a*(x-r)(x-s) integrated: f' = a*(x-r)*(x-s), with stationary
// points at r and s (a double one where r = s) and a known slope elsewhere.
TEST_F(Secant, GeneratedCubicsHaveTheirDerivativeAsTangentSlope) {
  std::mt19937 random(1106);
  const std::vector<std::string> numbers = {"0", "1", "-1", "2", "-3", "1/2", "-2/3", "5/4", "7", "-1/10"};
  auto pick = [&] { return numbers[random() % numbers.size()]; };
  auto bracket = [](const std::string& n) { return "(" + n + ")"; };
  int zeros = 0;
  for (int round = 0; round < 300; ++round) {
    const std::string a = round % 3 == 0 ? "1" : (random() % 2 ? "3" : "-1/4");
    const std::string r = pick();
    const std::string s = round % 5 == 0 ? r : pick();
    const std::string c = pick();
    // a*(x^3/3 - (r+s)/2*x^2 + r*s*x) + c
    const std::string function = bracket(a) + "*(x^3/3-(" + bracket(r) + "+" + bracket(s) + ")/2*x^2+" +
                                 bracket(r) + "*" + bracket(s) + "*x)+" + bracket(c);
    const long double av = EvalTerm(a), rv = EvalTerm(r), sv = EvalTerm(s);
    for (const std::string& x0 : {r, s, pick()}) {
      const SecantFields fields = Typed(function.c_str(), x0.c_str());
      const long double x = EvalTerm(x0);
      const long double slope = av * (x - rv) * (x - sv);
      const long double curvature = av * (2 * x - rv - sv);
      const auto tangent = DrawTangent(fields);
      ASSERT_TRUE(tangent.has_value()) << function << " at " << x0;
      const std::string& line = tangent->plotList.back();
      const long double m = EvalTermAt(line, 1) - EvalTermAt(line, 0);
      EXPECT_NEAR(static_cast<double>(m), static_cast<double>(slope),
                  1e-6 * std::fabs(static_cast<double>(curvature)) + 1e-9)
          << function << " at " << x0;
      // The tangent touches the graph at P.
      EXPECT_NEAR(static_cast<double>(EvalTermAt(line, x)), static_cast<double>(EvalTermAt(function, x)), 1e-9)
          << function;
      const SecantDrawing normal = DrawNormal(fields).value();
      if (slope == 0) {
        ++zeros;
        EXPECT_EQ(tangent->slopeText, "0") << function << " at " << x0;
        EXPECT_EQ(normal.slopeText, "unendlich") << function << " at " << x0;
      } else {  // the normal passes through P at a right angle to the tangent
        const std::string& across = normal.plotList.back();
        EXPECT_NEAR(static_cast<double>(EvalTermAt(across, x)), static_cast<double>(EvalTermAt(function, x)), 1e-6)
            << function << " at " << x0;
        EXPECT_NEAR(static_cast<double>(m * (EvalTermAt(across, 1) - EvalTermAt(across, 0))), -1, 1e-6) << function;
      }
    }
  }
  EXPECT_GT(zeros, 300);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace lumatik
