// The full redraws: which lines are drawn, in which order and colour.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "plot/plotredraw.h"
#include "plot/recording_canvas.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

constexpr PlotFrame kFrame{0, 1600, 1200};

class RedrawTest : public testing::EngineTest {
 protected:
  int TextCount(const std::string& text) const {
    int n = 0;
    for (const RecordedOp& r : canvas.ops()) n += r.op == CanvasOp::Text && r.text == text;
    return n;
  }
  // The axis label "-8" is written once per grid: per function line without derivative.
  int GridCount() const { return TextCount("-8"); }
  std::vector<Colour> CurveColours() const {
    std::vector<Colour> colours;
    for (const RecordedOp& r : canvas.ops())
      if (r.op == CanvasOp::LineTo && r.pen.style == PenStyle::Solid &&
          (r.pen.colour == kRed || r.pen.colour == kWhite || r.pen.colour == kBlack) &&
          (colours.empty() || colours.back() != r.pen.colour))
        colours.push_back(r.pen.colour);
    return colours;
  }

  RecordingCanvas canvas;
  PlotFieldTexts fields;
  const std::vector<std::string> list{"x", "Text 1 1 12 |Hallo", "x^2/4"};
};

// "Alle" draws every line and the texts once more at the end, without it the function field
// and the texts; the export draws black: the first line, or with "Alle" every line once.
struct RedrawCase {
  const char* name;
  const char* function;
  bool all;
  bool forExport;
  bool derivative;
  int grids;
  int texts;
  std::vector<Colour> colours;
};

class Redraws : public RedrawTest, public ::testing::WithParamInterface<RedrawCase> {};

TEST_P(Redraws, DrawTheirLines) {
  const RedrawCase& c = GetParam();
  fields.function = c.function;
  if (c.forExport)
    RedrawForExport(list, fields, c.all, c.derivative, canvas, kFrame);
  else
    RedrawPlotList(list, fields, {c.all, c.derivative, false, 10}, canvas, kFrame);
  EXPECT_EQ(GridCount(), c.grids);
  EXPECT_EQ(TextCount("Hallo"), c.texts);
  EXPECT_EQ(CurveColours(), c.colours);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Redraws,
    ::testing::Values(RedrawCase{"All", "x", true, false, false, 2, 2, {kWhite}},
                      RedrawCase{"WithoutAll", "x^3", false, false, false, 1, 1, {kWhite}},
                      // The derivative is drawn before its curve, without a grid of its own.
                      RedrawCase{"Derivative", "x^2/4", false, false, true, 1, 1, {kRed, kWhite}},
                      RedrawCase{"Export", "", false, true, false, 1, 0, {kBlack}},
                      RedrawCase{"ExportWithAll", "", true, true, false, 2, 1, {kBlack}}),
    [](const auto& info) { return std::string(info.param.name); });

// A redraw stopped after every line and called until finished draws what the whole one
// draws and leaves the parameter line and the last message alike.
bool SameOps(const std::vector<RecordedOp>& a, const std::vector<RecordedOp>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const RecordedOp& x, const RecordedOp& y) {
    return x.op == y.op && x.a == y.a && x.b == y.b && x.text == y.text && x.pen == y.pen && x.brush == y.brush &&
           x.font == y.font;
  });
}

struct StepCase {
  std::vector<std::string> list;
  bool derivative;
  std::size_t steps;  // lines drawn, derivatives and the text pass included
};

class RedrawInSteps : public RedrawTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(RedrawInSteps, StopsAfterEveryLineAndGoesOnToTheSameDrawing) {
  const StepCase& c = GetParam();
  fields.function = c.list.front();
  const RedrawOptions options{true, c.derivative, false, 10};
  RedrawPlotList(c.list, fields, options, canvas, kFrame);
  const std::string wholeParams = ParamLine();
  const std::string wholeMessage = MathErrorText();

  ParamLine() = " ";
  MathErrorText().clear();
  RecordingCanvas stepped;
  PlotListRedraw redraw = PlotListRedraw::ForScreen(c.list, fields, options);
  std::size_t calls = 0;
  while (!redraw.finished() && calls <= c.steps) {
    redraw.draw(stepped, kFrame, [] { return false; });
    ++calls;
  }
  EXPECT_EQ(calls, c.steps);
  EXPECT_TRUE(SameOps(stepped.ops(), canvas.ops()));
  EXPECT_EQ(ParamLine(), wholeParams);
  EXPECT_EQ(MathErrorText(), wholeMessage);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RedrawInSteps,
    ::testing::Values(StepCase{{"x", "Text 1 1 12 |Hallo", "x^2/4"}, false, 4},
                      StepCase{{"a*x^2  a=2", "Kreis a 0 1/2 rot", "a*x", "b*x  b=1/0"}, true, 8},
                      StepCase{{"1/x [1;a]", "Strecke 0 0 wur(-1) 1", "Text c 0 12 |c", "ln(x)"}, true, 9},
                      StepCase{{"Kreis 0 0 1", "Rechteck 0 0 1 1", "K\xE4stchen 1 1 1/20"}, false, 3}));

// A parameter set by a function line is in force for the keyword lines after
// it: "Kreis a 0 1" with a = 2 has its box from x = 1 to x = 3.
TEST_F(RedrawTest, KeywordLinesReadTheParametersOfTheLinesBeforeThem) {
  fields.function = "a*x  a=2";
  RedrawPlotList({"a*x  a=2", "Kreis a 0 1"}, fields, {true, false, false, 10}, canvas, kFrame);
  const PlotScale scale = ComputePlotScale(fields);
  const RecordedOp* circle = nullptr;
  for (const RecordedOp& r : canvas.ops())
    if (r.op == CanvasOp::Ellipse) circle = &r;
  ASSERT_NE(circle, nullptr);
  EXPECT_EQ(circle->a.x, CmToPixelX(1 / scale.sx + scale.dx, kFrame));
  EXPECT_EQ(circle->b.x, CmToPixelX(3 / scale.sx + scale.dx, kFrame));
  EXPECT_EQ(ParamLine(), " a=2 ");
}

}  // namespace
}  // namespace lumatik
