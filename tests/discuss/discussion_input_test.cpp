// What the discussion takes from the plotter and its own edits: the term,
// the refusal of steps that would never end a loop, the interval moves and
// the found points as plot-list circles.

#include "discuss/discussion_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "discuss/curve_scan.h"
#include "discuss/discuss_texts.h"
#include "discuss/plotter_link.h"
#include "discuss/term_function.h"
#include "shell/codepage.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

class DiscussionInput : public testing::EngineTest {};

// A plot line's interval is cut off for every button: with it left on, no
// value of the table or the integral could be computed.
TEST_F(DiscussionInput, TheTermLosesItsIntervalAndKeepsItsParameters) {
  const DiscussionTerm prepared = PrepareDiscussionTerm("a*x^2-2 [0;5]  a=3");
  EXPECT_EQ(prepared.term, "a*x^2-2");
  EXPECT_EQ(EngineTermFunction(prepared.term, prepared.paramLine)(2).value, 10);
}

struct RefusalCase {
  Extended a, b, d;
  const char* hint;  // nullptr: accepted
};

class StepRefusalTable : public DiscussionInput, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(StepRefusalTable, RefusesStepsThatNeverEnd) {
  const RefusalCase& c = GetParam();
  EXPECT_EQ(StepRefusal(c.a, c.b, c.d), c.hint == nullptr ? "" : Cp1252(c.hint));
}

const Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Table, StepRefusalTable,
                         ::testing::Values(RefusalCase{10, -10, 0.1L, nullptr},
                                           RefusalCase{-10, 10, 0, discusstexts::kStepNotPositive},
                                           RefusalCase{-10, 10, kNaN, discusstexts::kStepNotPositive},
                                           RefusalCase{-10, 1e400L, 1, discusstexts::kBoundsNoNumbers},
                                           RefusalCase{-1e17L, 0, 1, discusstexts::kStepTooSmall},
                                           RefusalCase{0, 1e15L, 1, nullptr}));

// Each view as "lex x000 from to step" ("-" where the step stays).
std::string Summary(const MovedView& v) {
  return v.lex + " " + v.x000 + " " + v.from.value_or("-") + " " + v.to.value_or("-") + " " + v.step.value_or("-");
}

// "+" doubles the unit and halves the interval, "-" the other way round;
// the shifts move the centre and keep the step.
TEST_F(DiscussionInput, ZoomDoublesTheUnitAndMovesTheInterval) {
  EXPECT_EQ(Summary(ZoomedView("1", "0", true)), "2 0 -4 4 0,05");
  EXPECT_EQ(Summary(ZoomedView("1/2", "3", false)), "0,25 3 -29 35 0,4");
  EXPECT_EQ(Summary(ShiftedView("2", "0", true)), "2 -2 -6 2 -");
  EXPECT_EQ(Summary(ShiftedView("1", "7", false)), "1 11 3 19 -");
}

// The circle's numbers are terms of the plot list: evaluated, they give the
// point again to the digits written.
TEST_F(DiscussionInput, FoundPointsBecomeCircles) {
  const auto result =
      DiscussCurve(EngineTermFunction("x^3-3*x", " "), "x^3-3*x", -3, 3, 0.25, [] { return true; });
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(PointCircleLines(result->points),
            (std::vector<std::string>{"Kreis 0 0 1/20", "Kreis -1,732050807569 0 1/20 rot", "Kreis 0 0 1/20 rot",
                                      "Kreis 1,732050807569 0 1/20 rot", "Kreis -1 2 1/20 schwarz",
                                      "Kreis 1 -2 1/20 schwarz"}));
  EXPECT_EQ(PointCircleLines({{PointKind::High, 1.0L / 3, -2.0L / 7}, {PointKind::Inflection, -1e-5L, 0}}),
            (std::vector<std::string>{"Kreis -0,00001 0 1/20", "Kreis 0,333333333333 -0,285714285714 1/20 schwarz"}));
}

}  // namespace
}  // namespace lumatik
