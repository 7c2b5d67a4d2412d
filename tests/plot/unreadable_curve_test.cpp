// A function line whose term reads no x and fails (an unreadable text, a
// division by zero) fails at every point alike: the curve draws nothing and
// leaves the message the text evaluator gives, and the engine finds that out
// from a couple of points instead of evaluating every sample.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expr/lumath.h"
#include "plot/plotrender.h"
#include "plot/recording_canvas.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

constexpr PlotFrame kFrame{0, 1600, 1200};

struct UnreadableCase {
  const char* term;
  int shownMessages;  // message boxes the evaluation shows (a parameter added)
};

class UnreadableCurve : public testing::EngineTest, public ::testing::WithParamInterface<UnreadableCase> {};

// The text evaluator's message once the engine has settled (a parameter the
// first evaluation adds is there), as every later sample leaves it.
std::string SettledMessage(const std::string& term) {
  EvalTermAt(term, 0.5L);
  MathErrorText().clear();
  EvalTermAt(term, 0.25L);
  return MathErrorText();
}

TEST_P(UnreadableCurve, DrawsNothingAndLeavesTheEvaluatorsMessage) {
  const std::string term = GetParam().term;
  const std::string expected = SettledMessage(term);
  ASSERT_FALSE(expected.empty()) << "no failing term: " << term;
  ParamLine() = " ";
  ParamLines().setLines({});
  messages.clear();

  RecordingCanvas canvas;
  PlotFieldTexts fields;
  fields.function = term;
  const std::uint64_t before = MathErrorCount();
  DrawPlotLine(false, term, canvas, PlotPen{PenStyle::Solid, 1, kWhite}, kFrame, 100, false, fields);

  EXPECT_EQ(MathErrorText(), expected);
  // 1 601 samples across the frame; a few evaluations decide them all.
  EXPECT_LE(MathErrorCount() - before, 20u);
  EXPECT_EQ(static_cast<int>(messages.size()), GetParam().shownMessages);
  for (const RecordedOp& r : canvas.ops())
    EXPECT_FALSE(r.op == CanvasOp::LineTo && r.pen.colour == kWhite) << "curve drawn at " << r.b.x;
}

INSTANTIATE_TEST_SUITE_P(Terms, UnreadableCurve,
                         ::testing::Values(UnreadableCase{"\xA7$%&", 0}, UnreadableCase{"5'/'", 0},
                                           UnreadableCase{"1'1/0", 0}, UnreadableCase{"abc", 0},
                                           UnreadableCase{"(3", 0}, UnreadableCase{"1/0", 0},
                                           UnreadableCase{"wur(0-4)", 0}, UnreadableCase{"nue(3)+q", 1},
                                           UnreadableCase{"\x91\xFF'3/(", 0}));

}  // namespace
}  // namespace lumatik
