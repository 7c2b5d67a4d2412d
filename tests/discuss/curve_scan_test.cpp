// The discussion's scan: the worked text of the edge cases, the faults of
// the literal scan and the run's control (stop, bounded work).

#include "discuss/curve_scan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "discuss/discuss_texts.h"
#include "discuss/discussion_input.h"
#include "discuss/pole_tracking.h"
#include "discuss/term_function.h"
#include "support/engine_state.h"
#include "worked_text.h"

namespace lumatik {
namespace {

using testing::DiscussTerm;
using testing::EngineTest;
using testing::ParseWorkedText;
using testing::WorkedText;

class CurveScanTest : public EngineTest {};

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
  return {lines.begin(), lines.end()};
}

// --- the worked text ---------------------------------------------------

TEST_F(CurveScanTest, ParabolaTouchingTheAxisIsWrittenWithoutNumber) {
  EXPECT_EQ(DiscussTerm("x^2", -10, 10, 0.1),
            Lines({"f(x)=x^2", "Intervall [-10;10]", "Nullstellen (f(x)=0 und VZW von f):", "N(0|0)",
                   "Punkte mit waagrechter Tangente (f'(x)=0 und VZW von f'):", "T(0|0)",
                   "Keine Punkte mit f''(x)=0 und Vorzeichenwechsel von f'' gefunden",
                   "Achsensymmetrisch zu x = 0(lokal)"}));
}

TEST_F(CurveScanTest, CubicHasZeroInflectionAndSaddle) {
  const WorkedText text = ParseWorkedText(DiscussTerm("x^3", -10, 10, 0.1));
  ASSERT_EQ(text.numberedZeros().size(), 1u);
  EXPECT_NEAR(text.zeros[0].x, 0, 1e-14L);
  ASSERT_EQ(text.inflections.size(), 1u);
  EXPECT_EQ(text.inflections[0].text, "W(0|0;0)");
  // A slope of 0 at the inflection is a saddle: listed with the tangents too.
  ASSERT_EQ(text.tangents.size(), 1u);
  EXPECT_EQ(text.tangents[0].text, "W(0|0;0)");
  EXPECT_EQ(text.symmetry, "Punktymmetrisch zu S(0|0)(lokal)");
}

TEST_F(CurveScanTest, SignChangeAcrossPoleIsNoZero) {
  EXPECT_EQ(DiscussTerm("1/x", -10, 10, 0.1), Lines({"f(x)=1/x", "Intervall [-10;10]", discusstexts::kNoZero,
                                                     discusstexts::kNoTangent, discusstexts::kNoInflection}));
}

TEST_F(CurveScanTest, ZeroFunctionVanishesEverywhereWithoutChangeOfSign) {
  // Each scan point is a zero without change of sign; none is numbered and
  // the flat pieces give no turning point.
  EXPECT_EQ(DiscussTerm("x-x", -1, 1, 0.5),
            Lines({"f(x)=x-x", "Intervall [-1;1]", "Nullstellen (f(x)=0 und VZW von f):", "N(-1|0)",
                   "N(-0,5|0)", "N(0|0)", "N(0,5|0)", discusstexts::kNoTangent, discusstexts::kNoInflection,
                   "Achsensymmetrisch zu x = -1(lokal)"}));
}

TEST_F(CurveScanTest, VertexBetweenTheLadderPointsIsPinned) {
  // The vertex lies at x - h/4 of the first window, where f(x - h/2) = f(x).
  const WorkedText text = ParseWorkedText(DiscussTerm("-1/4*x^2+19/16*x-21/16", -4, 4, 0.1));
  ASSERT_EQ(text.tangents.size(), 1u);
  EXPECT_EQ(text.tangents[0].text, "H(2,375|0,09766)");
}

TEST_F(CurveScanTest, LongInflectionListIsLeftOut) {
  // sin(10x) turns about 60 times on [-10; 10]: far more than 400 characters.
  const WorkedText text = ParseWorkedText(DiscussTerm("sin(10*x)", -10, 10, 0.01));
  EXPECT_GT(text.tangents.size(), 50u);
  EXPECT_FALSE(text.inflectionSectionWritten);
  EXPECT_TRUE(text.inflections.empty());
}

TEST_F(CurveScanTest, FailingValuesAreSkipped) {
  const WorkedText text = ParseWorkedText(DiscussTerm("sqrt(x-1)", -3, 3, 0.1));
  EXPECT_TRUE(text.numberedZeros().empty());
  EXPECT_TRUE(text.tangents.empty());
  EXPECT_TRUE(text.inflections.empty());
}

// --- faults of the literal scan -----------------------------------------

TEST_F(CurveScanTest, ZeroOnABisectionMidpointIsKept) {
  // [-0,5; 0,5] is halved straight onto 0.
  const WorkedText text = ParseWorkedText(DiscussTerm("x", -1.5, 1.5, 1));
  ASSERT_EQ(text.numberedZeros().size(), 1u);
  EXPECT_EQ(text.zeros[0].text, "N1(0|0;1)");
}

struct CoarseStepCase {
  const char* term;
  double a, b, d;
  long double zero;
};

class CoarseStep : public CurveScanTest, public ::testing::WithParamInterface<CoarseStepCase> {};

TEST_P(CoarseStep, HalvingGoesOnUntilTheZeroIsPinned) {
  const CoarseStepCase& c = GetParam();
  const WorkedText text = ParseWorkedText(DiscussTerm(c.term, c.a, c.b, c.d));
  ASSERT_EQ(text.numberedZeros().size(), 1u) << c.term;
  EXPECT_NEAR(text.zeros[0].x, c.zero, 1e-12L * (1 + std::fabs(c.zero))) << c.term;
}

INSTANTIATE_TEST_SUITE_P(AboveTheHalvingCap, CoarseStep,
                         ::testing::Values(CoarseStepCase{"x-1/3", -10, 10, 2, 1.0L / 3},
                                           CoarseStepCase{"x-50", -100, 100, 7, 50},
                                           // Beyond |x| = 8 neighbouring doubles are more than 1e-15 apart.
                                           CoarseStepCase{"x-10,3", 0, 20, 0.1, 10.3L},
                                           CoarseStepCase{"x+1234,5678", -2000, 0, 3, -1234.5678L},
                                           CoarseStepCase{"x^3-2", -5, 5, 3.3, 1.2599210498948731648L}));

TEST_F(CurveScanTest, ExactInflectionOnAScanPointIsKept) {
  const WorkedText text = ParseWorkedText(DiscussTerm("x^3-3*x", -10, 10, 0.25));
  ASSERT_EQ(text.inflections.size(), 1u);
  EXPECT_EQ(text.inflections[0].text, "W(0|0;-3)");
  ASSERT_EQ(text.tangents.size(), 2u);
  EXPECT_EQ(text.tangents[0].text, "H(-1|2)");
  EXPECT_EQ(text.tangents[1].text, "T(1|-2)");
}

TEST_F(CurveScanTest, TouchingZeroOnAScanPointGetsNoNumber) {
  const WorkedText text = ParseWorkedText(DiscussTerm("x^2", -1, 1, 0.25));
  EXPECT_TRUE(text.numberedZeros().empty());
  ASSERT_EQ(text.touchingZeros().size(), 1u);
  EXPECT_EQ(text.touchingZeros()[0].text, "N(0|0)");
}

TEST_F(CurveScanTest, ZerosOnScanPointsAreNumberedOnceWhenTheSignChanges) {
  // -2 is a simple zero, 1 a double one; both lie on scan points.
  const WorkedText text = ParseWorkedText(DiscussTerm("(x-1)^2*(x+2)", -4, 4, 0.25));
  ASSERT_EQ(text.numberedZeros().size(), 1u);
  EXPECT_EQ(text.zeros[0].text.rfind("N1(-2|0;", 0), 0u) << text.zeros[0].text;
  EXPECT_NEAR(text.zeros[0].slope, 9, 1e-6L);
  for (const auto& touching : text.touchingZeros()) EXPECT_EQ(touching.text, "N(1|0)");
}

TEST_F(CurveScanTest, ZeroOnAnIntervalEndIsFound) {
  EXPECT_EQ(ParseWorkedText(DiscussTerm("x", 0, 1, 0.25)).zeros.at(0).text, "N1(0|0;1)");
  EXPECT_EQ(ParseWorkedText(DiscussTerm("x", -1, 0, 0.25)).zeros.at(0).text, "N1(0|0;1)");
}

// --- the run ------------------------------------------------------------

TEST_F(CurveScanTest, SteppingByHandGivesTheSameText) {
  CurveScan scan(EngineTermFunction("x^3-3*x", ParamLine()), "x^3-3*x", -3, 3, 0.1);
  int steps = 0;
  while (!scan.finished()) {
    scan.step();
    ++steps;
  }
  EXPECT_EQ(steps, 60);
  EXPECT_EQ(scan.result().lines, DiscussTerm("x^3-3*x", -3, 3, 0.1));
}

// Counts the evaluations of a term function.
TermFunction Counted(TermFunction f, long long& count) {
  return [f = std::move(f), &count](Extended x) {
    ++count;
    return f(x);
  };
}

TEST_F(CurveScanTest, PoleTrackingOfAFlatFunctionIsBounded) {
  long long evaluations = 0;
  const auto flat = Counted([](Extended) { return TermValue{10, false}; }, evaluations);
  ASSERT_TRUE(DiscussCurve(flat, "10", -10, 10, 0.1, [] { return true; }));
  EXPECT_LT(evaluations, 20000);
}

}  // namespace
}  // namespace lumatik
