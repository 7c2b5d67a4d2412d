// From the secant to the tangent, checked by evaluating the drawn lines.

#include <cmath>

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

TEST_F(Secant, ParabolaExampleDrawsTheExactSecant) {
  const auto drawing = DrawSecant(Example("Beispiel 0,2x^2 bei 1,5"));
  ASSERT_TRUE(drawing.has_value());
  EXPECT_EQ(drawing->slopeCaption, "Sekantensteigung");
  EXPECT_EQ(drawing->slopeText, "0,8=4/5");
  EXPECT_EQ(drawing->plotList, (std::vector<std::string>{"1/5*x^2", "Kreis 3/2 9/20 1/20 rot",
                                                          "Kreis 5/2 5/4 1/20", "4/5*x-3/4"}));
}

TEST_F(Secant, TheSecantPassesThroughBothPoints) {
  SecantFields fields;
  fields.function = "x^3-2*x";
  fields.x0 = "-1,5";
  fields.x = "0,5";
  const auto drawing = DrawSecant(fields);
  ASSERT_TRUE(drawing.has_value());
  const std::string& line = drawing->plotList.back();
  for (const long double x : {-1.5L, 0.5L})
    EXPECT_NEAR(static_cast<double>(EvalTermAt(line, x)), static_cast<double>(x * x * x - 2 * x), 1e-15);
}

TEST_F(Secant, EqualPointsGiveNoSecantButAMessage) {
  SecantFields fields;
  fields.function = "x^2";
  fields.x0 = "2";
  fields.x = "4/2";
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
  SecantFields fields;
  fields.function = "3";
  fields.x0 = "1";
  const SecantDrawing normal = DrawNormal(fields).value();
  EXPECT_EQ(normal.slopeText, "unendlich");
  EXPECT_EQ(normal.plotList.back(), "Strecke 1 -6 1 6");
  for (const std::string& line : normal.plotList) {
    EXPECT_EQ(line.find("inf"), std::string::npos) << line;
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
  }
}

TEST_F(Secant, NoLineWhereTheTangentsStepVanishes) {
  SecantFields fields;
  fields.function = "x^2";
  fields.x0 = "10^2000";
  EXPECT_FALSE(DrawTangent(fields).has_value());
  EXPECT_FALSE(DrawNormal(fields).has_value());
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(Secant, NoLineWhenTheSlopeOverflows) {
  SecantFields fields;
  fields.function = "10^4931*sgn(x)";
  fields.x0 = "0";
  fields.x = "0-1/1000";
  EXPECT_FALSE(DrawSecant(fields).has_value());
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Secant, MagnifierCentresOnPAndScalesTheSecant) {
  const auto magnified = Magnify(Example("Beispiel 0,2x^2 bei 1,5"));
  ASSERT_TRUE(magnified.has_value());
  EXPECT_EQ(magnified->mx, "1,5");
  EXPECT_EQ(magnified->my, "0,45");
  EXPECT_EQ(magnified->lex, "1");
  EXPECT_EQ(magnified->ley, "1,25");
}

TEST_F(Secant, ClearingResetsUnitsAndCentre) {
  SecantFields fields;
  fields.lex = "4";
  fields.mx = "3";
  const SecantFields cleared = ClearedSecant(fields);
  EXPECT_EQ(cleared.lex, "1");
  EXPECT_EQ(cleared.ley, "1");
  EXPECT_EQ(cleared.mx, "0");
  EXPECT_EQ(cleared.my, "0");
}

TEST_F(Secant, SquareRootExampleKeepsTheCentre) {
  SecantFields fields;
  fields.mx = "2";
  const SecantFields example = ApplyExample(SecantExamples()[2], fields);
  EXPECT_EQ(example.function, "sqrt(x) [0;8]");
  EXPECT_EQ(example.mx, "2");
}

struct SlopeCase {
  long double slope;
  const char* text;
};

class SlopeTextTable : public ::testing::TestWithParam<SlopeCase> {};
TEST_P(SlopeTextTable, Writes) { EXPECT_EQ(SlopeText(GetParam().slope), GetParam().text); }
INSTANTIATE_TEST_SUITE_P(Slopes, SlopeTextTable,
                         ::testing::Values(SlopeCase{0.8L, "0,8=4/5"}, SlopeCase{-0.25L, "-0,25=-1/4"},
                                           SlopeCase{2, "2"}, SlopeCase{1.0L / 3, "0,33333=1/3"},
                                           SlopeCase{0.000001L, "0=1/1000000"}, SlopeCase{-2.5L, "-2,5=-5/2"}));

TEST(LineTerms, SignOfTheIntercept) {
  EXPECT_EQ(LineTerm(0.8L, -0.75L), "4/5*x-3/4");
  EXPECT_EQ(LineTerm(-2, 3), "-2*x+3");
  EXPECT_EQ(LineTerm(1, 0), "1*x+0");
}

}  // namespace
}  // namespace lumatik
