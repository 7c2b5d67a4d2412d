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
  SecantFields Example(const char* caption) {
    for (const SecantExample& example : SecantExamples())
      if (Cp1252(example.caption) == Cp1252(caption)) return ApplyExample(example, SecantFields{});
    ADD_FAILURE() << "no example " << caption;
    return {};
  }
};

SecantFields Typed(const char* function, const char* x0, const char* x = "") {
  SecantFields fields;
  fields.function = function;
  fields.x0 = x0;
  if (*x) fields.x = x;
  return fields;
}

TEST_F(Secant, ParabolaExampleDrawsTheExactSecant) {
  const auto drawing = DrawSecant(Example("Beispiel 0,2x^2 bei 1,5"));
  ASSERT_TRUE(drawing.has_value());
  EXPECT_EQ(drawing->slopeCaption, "Sekantensteigung");
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

TEST_F(Secant, EqualPointsGiveNoSecantButAMessage) {
  const SecantFields fields = Typed("x^2", "2", "4/2");
  EXPECT_FALSE(DrawSecant(fields).has_value());
  EXPECT_FALSE(Magnify(fields).has_value());
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(Secant, HalvingDxMovesXHalfway) {
  SecantFields fields = Example("Beispiel 0,2x^2 bei 1,5");
  fields.x = HalvedX(fields);
  EXPECT_EQ(fields.x, "2");
  const auto drawing = DrawSecant(fields);
  ASSERT_TRUE(drawing.has_value());
  EXPECT_EQ(drawing->plotList[2], "Kreis 2 4/5 1/20");
}

TEST_F(Secant, TangentSlopeIsTheDerivativeToFiveDecimals) {
  const SecantDrawing drawing = DrawTangent(Example("Beispiel 0,2x^2 bei 1,5")).value();
  EXPECT_EQ(drawing.slopeCaption, "Tangentensteigung");
  EXPECT_EQ(drawing.slopeText, "0,6");
  // The tangent touches the parabola at P.
  EXPECT_NEAR(static_cast<double>(EvalTermAt(drawing.plotList.back(), 1.5L)), 0.45, 1e-6);
}

TEST_F(Secant, NormalIsPerpendicularToTheTangent) {
  const SecantFields fields = Example("Beispiel 1/x bei 2");
  const SecantDrawing tangent = DrawTangent(fields).value();
  const SecantDrawing normal = DrawNormal(fields).value();
  EXPECT_EQ(normal.slopeCaption, "Normalensteigung");
  const auto slope = [](const std::string& term) { return EvalTermAt(term, 1) - EvalTermAt(term, 0); };
  EXPECT_NEAR(static_cast<double>(slope(tangent.plotList.back()) * slope(normal.plotList.back())), -1, 1e-5);
  EXPECT_NEAR(static_cast<double>(EvalTermAt(normal.plotList.back(), 2)), 0.5, 1e-6);
}

TEST_F(Secant, NormalOfAHorizontalTangentIsAVerticalSegment) {
  SecantFields fields = Typed("3", "1");
  const SecantDrawing normal = DrawNormal(fields).value();
  EXPECT_EQ(normal.slopeText, "unendlich");
  EXPECT_EQ(normal.plotList.back(), "Strecke 1 -6 1 6");
  // With LEy = 1/2 a unit is half a centimetre: 6 cm are 12 units.
  fields.ley = "1/2";
  fields.my = "1";
  EXPECT_EQ(DrawNormal(fields).value().plotList.back(), "Strecke 1 -11 1 13");
  for (const std::string& line : normal.plotList) {
    EXPECT_EQ(line.find("inf"), std::string::npos) << line;
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
  }
}

TEST_F(Secant, NoLineWhereTheTangentsStepVanishes) {
  const SecantFields fields = Typed("x^2", "10^2000");
  EXPECT_FALSE(DrawTangent(fields).has_value());
  EXPECT_FALSE(DrawNormal(fields).has_value());
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(Secant, MagnifierCentresOnPAndScalesTheSecant) {
  const auto magnified = Magnify(Example("Beispiel 0,2x^2 bei 1,5"));
  ASSERT_TRUE(magnified.has_value());
  EXPECT_EQ(magnified->mx, "1,5");
  EXPECT_EQ(magnified->my, "0,45");
  EXPECT_EQ(magnified->lex, "1");
  EXPECT_EQ(magnified->ley, "1,25");
}

struct SlopeCase {
  long double slope;
  const char* text;
};

class SlopeTextTable : public ::testing::TestWithParam<SlopeCase> {};
TEST_P(SlopeTextTable, Writes) { EXPECT_EQ(SlopeText(GetParam().slope), GetParam().text); }
INSTANTIATE_TEST_SUITE_P(Slopes, SlopeTextTable,
    ::testing::Values(
        SlopeCase{0.8L, "0,8=4/5"}, SlopeCase{-0.25L, "-0,25=-1/4"},
        SlopeCase{2, "2"}, SlopeCase{1.0L / 3, "0,33333=1/3"},
        SlopeCase{0.000001L, "0=1/1000000"}, SlopeCase{-2.5L, "-2,5=-5/2"},
        SlopeCase{-0.000003L, "0=-3/1000000"}, SlopeCase{0, "0"}, SlopeCase{-1e-19L, "0"}));

TEST(LineTerms, SignOfTheIntercept) {
  EXPECT_EQ(LineTerm(0.8L, -0.75L), "4/5*x-3/4");
  EXPECT_EQ(LineTerm(-2, 3), "-2*x+3");
  EXPECT_EQ(LineTerm(1, 0), "1*x+0");
}

// The graph's own value where the engine can compute it.
long double F(const std::string& function, long double x) { return EvalTermAt(function, x); }

struct NoTangentCase {
  const char* function;
  const char* x0;
};

std::ostream& operator<<(std::ostream& os, const NoTangentCase& c) { return os << c.function << " at " << c.x0; }

class NoTangent : public testing::EngineTest, public ::testing::WithParamInterface<NoTangentCase> {};

// At a pole, at a jump and where the tangent is vertical there is no slope
// to write: a message, and neither tangent nor normal.
TEST_P(NoTangent, SaysSoInsteadOfAHugeSlope) {
  const SecantFields fields = Typed(GetParam().function, GetParam().x0);
  EXPECT_FALSE(DrawTangent(fields).has_value());
  EXPECT_FALSE(DrawNormal(fields).has_value());
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[0].find("Tangente"), std::string::npos) << messages[0];
}

INSTANTIATE_TEST_SUITE_P(PolesJumpsVertical, NoTangent,
    ::testing::Values(
        NoTangentCase{"1/x", "0"}, NoTangentCase{"1/x^2", "0"},
        NoTangentCase{"ln(x)", "0"}, NoTangentCase{"1/(x-1)", "1"},
        NoTangentCase{"tan(x)", "Pi/2"}, NoTangentCase{"sqrt(x)", "0"},
        NoTangentCase{"sqrt(abs(x))", "0"}, NoTangentCase{"sgn(x)", "0"},
        NoTangentCase{"int(x)", "2"}, NoTangentCase{"sqrt(25 - x^2)", "5"}, NoTangentCase{"kreis 1 1 1", "1"}));

TEST_F(Secant, NoSecantThroughAPointTheEngineCannotCompute) {
  const SecantFields fields = Typed("ln(x)", "-1", "2");
  EXPECT_FALSE(DrawSecant(fields).has_value());
  EXPECT_FALSE(Magnify(fields).has_value());
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].rfind(Cp1252("f(-1) lässt sich nicht berechnen:\rLogarithmus von"), 0), 0u) << messages[0];
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
      const long double m = F(line, 1) - F(line, 0);
      EXPECT_NEAR(static_cast<double>(m), static_cast<double>(slope), 1e-6 * std::fabs(static_cast<double>(curvature)) + 1e-9)
          << function << " at " << x0;
      // The tangent touches the graph at P.
      EXPECT_NEAR(static_cast<double>(F(line, x)), static_cast<double>(F(function, x)), 1e-9) << function;
      if (slope == 0) {
        ++zeros;
        EXPECT_EQ(tangent->slopeText, "0") << function << " at " << x0;
        EXPECT_EQ(DrawNormal(fields).value().slopeText, "unendlich") << function << " at " << x0;
      }
    }
  }
  EXPECT_GT(zeros, 300);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace lumatik
