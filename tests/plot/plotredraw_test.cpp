// The full redraws: which lines are drawn, in which order and colour.

#include <gtest/gtest.h>

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
  // How often each axis label "-8" was written: once per grid, that is once
  // per function line drawn without derivative.
  int GridCount() const {
    int n = 0;
    for (const RecordedOp& r : canvas.ops()) n += r.op == CanvasOp::Text && r.text == "-8";
    return n;
  }
  int TextCount(const std::string& text) const {
    int n = 0;
    for (const RecordedOp& r : canvas.ops()) n += r.op == CanvasOp::Text && r.text == text;
    return n;
  }
  std::vector<Colour> CurveColours() const {
    std::vector<Colour> colours;
    for (const RecordedOp& r : canvas.ops()) {
      if (r.op == CanvasOp::LineTo && r.pen.style == PenStyle::Solid &&
          (r.pen.colour == kRed || r.pen.colour == kWhite || r.pen.colour == kBlack) &&
          (colours.empty() || colours.back() != r.pen.colour)) {
        colours.push_back(r.pen.colour);
      }
    }
    return colours;
  }

  RecordingCanvas canvas;
  PlotFieldTexts fields;
  const std::vector<std::string> list{"x", "Text 1 1 12 |Hallo", "x^2/4"};
};

TEST_F(RedrawTest, AllDrawsEveryLineAndTextsOnceMore) {
  fields.function = "x";
  RedrawPlotList(list, fields, {true, false, false, 10}, canvas, kFrame);
  EXPECT_EQ(GridCount(), 2);
  EXPECT_EQ(TextCount("Hallo"), 2);
}

TEST_F(RedrawTest, WithoutAllOnlyTheFunctionFieldAndTheTexts) {
  fields.function = "x^3";
  RedrawPlotList(list, fields, {false, false, false, 10}, canvas, kFrame);
  EXPECT_EQ(GridCount(), 1);
  EXPECT_EQ(TextCount("Hallo"), 1);
}

TEST_F(RedrawTest, DerivativeBeforeEachCurve) {
  fields.function = "x^2/4";
  RedrawPlotList({"x^2/4"}, fields, {false, true, false, 10}, canvas, kFrame);
  EXPECT_EQ(CurveColours(), (std::vector<Colour>{kRed, kWhite}));
}

TEST_F(RedrawTest, ExportDrawsTheFirstLineWithoutAll) {
  RedrawForExport(list, fields, false, false, canvas, kFrame);
  EXPECT_EQ(GridCount(), 1);
  EXPECT_EQ(TextCount("Hallo"), 0);
  EXPECT_EQ(CurveColours(), (std::vector<Colour>{kBlack}));
}

TEST_F(RedrawTest, ExportWithAllDrawsEveryLineOnce) {
  RedrawForExport(list, fields, true, false, canvas, kFrame);
  EXPECT_EQ(GridCount(), 2);
  EXPECT_EQ(TextCount("Hallo"), 1);
}

// Drawn in steps: a redraw asked to stop after every line and called again
// until it is finished draws what the whole redraw draws, and leaves the
// parameter line and the last message alike.
bool SameOps(const std::vector<RecordedOp>& a, const std::vector<RecordedOp>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].op != b[i].op || !(a[i].a == b[i].a) || !(a[i].b == b[i].b) || a[i].text != b[i].text ||
        !(a[i].pen == b[i].pen) || !(a[i].brush == b[i].brush) || !(a[i].font == b[i].font))
      return false;
  }
  return true;
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

TEST_F(RedrawTest, AStoppedRedrawLeavesTheLaterLinesUndrawn) {
  fields.function = "x";
  PlotListRedraw redraw = PlotListRedraw::ForScreen(list, fields, {true, false, false, 10});
  EXPECT_FALSE(redraw.draw(canvas, kFrame, [] { return false; }));
  EXPECT_FALSE(redraw.finished());
  EXPECT_EQ(GridCount(), 1);
  EXPECT_EQ(TextCount("Hallo"), 0);
}

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
