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

}  // namespace
}  // namespace lumatik
