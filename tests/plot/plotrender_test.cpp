// The rendering arithmetic, read back from a recording canvas: the frame's
// pixel mapping, grid, axes and labels, the sampling and its cuts, and the
// keyword shapes drawn with the canvas state the previous line left.

#include <gtest/gtest.h>

#include <cmath>
#include <new>
#include <string>
#include <vector>

#include "expr/lumath.h"
#include "recorded_drawing.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

// 100 pixels per nominal centimetre: frame position i lies at pixel 800 + 100 i.
constexpr PlotFrame kFrame{0, 1600, 1200};

using testing::CurveOf;
using testing::Fields;
using testing::OpsOf;

// The labels written in the 8-point font, as (x, y, text).
struct Label {
  int x;
  int y;
  std::string text;
  friend bool operator==(const Label&, const Label&) = default;
};

class RenderTest : public testing::EngineTest {
 protected:
  void Draw(const std::string& line, const PlotFieldTexts& fields, bool derivative = false) {
    testing::DrawLine(canvas, line, fields, kFrame, 10, derivative, derivative ? kRed : kWhite);
  }
  std::vector<Label> Labels() const {
    std::vector<Label> out;
    for (const RecordedOp& r : OpsOf(canvas, CanvasOp::Text))
      if (r.font.size == 8) out.push_back({r.a.x, r.a.y, r.text});
    return out;
  }
  // Solid lines in grid grey that span the whole frame: the axes.
  std::vector<RecordedOp> Axes() const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& r : CurveOf(canvas, kGridGrey))
      if (r.pen.style == PenStyle::Solid) out.push_back(r);
    return out;
  }

  RecordingCanvas canvas;
};

TEST(FramePixels, CentimetresToPixelsRoundTiesToEven) {
  EXPECT_EQ(CmToPixelX(0, kFrame), 800);
  EXPECT_EQ(CmToPixelX(-8, kFrame), 0);
  EXPECT_EQ(CmToPixelX(8, kFrame), 1600);
  EXPECT_EQ(CmToPixelY(6, kFrame), 0);
  EXPECT_EQ(CmToPixelY(-6, kFrame), 1200);
  EXPECT_EQ(CmToPixelY(1.5L, kFrame), 450);
  EXPECT_EQ(CmToPixelX(0, PlotFrame{0, 1601, 1201}), 800);  // 800,5
  EXPECT_EQ(CmToPixelX(0, PlotFrame{0, 1603, 1203}), 802);  // 801,5
  EXPECT_EQ(CmToPixelY(0, PlotFrame{0, 1603, 1203}), 602);  // 601,5
  EXPECT_EQ(CmToPixelX(0, PlotFrame{160, 1264, 527}), 792);
}

TEST(FramePixels, FarAwayValuesAreHeldAtTheLimit) {
  EXPECT_EQ(CmToPixelX(1e30L, kFrame), kPixelLimit);
  EXPECT_EQ(CmToPixelY(1e30L, kFrame), -kPixelLimit);
  EXPECT_EQ(CmToPixelY(std::nanl(""), kFrame), kPixelLimit);
}

TEST_F(RenderTest, ScaleFromTheFields) {
  const PlotScale s = ComputePlotScale(Fields("1/2", "2", "7", "6"));
  EXPECT_EQ((std::vector<long double>{s.sx, s.sy, s.dx, s.dy}), (std::vector<long double>{2, 0.5L, -3.5L, -12}));
}

TEST_F(RenderTest, PixelToUserInvertsTheFrame) {
  const UserPoint centre = PixelToUser(800, 600, 1600, 1200, ComputePlotScale(Fields("1", "1")));
  EXPECT_EQ(centre.x, 0);
  EXPECT_EQ(centre.y, 0);
  // Pixel (1000, 300) is frame point (2|3): x = 7 + 2/(1/2), y = 6 + 3/2.
  const UserPoint p = PixelToUser(1000, 300, 1600, 1200, ComputePlotScale(Fields("1/2", "2", "7", "6")));
  EXPECT_EQ(p.x, 11);
  EXPECT_EQ(p.y, 7.5L);
}

TEST_F(RenderTest, GridOfDottedLinesEveryCentimetre) {
  Draw("x", Fields("1", "1"));
  std::vector<int> vertical, horizontal;
  for (const RecordedOp& r : OpsOf(canvas, CanvasOp::LineTo)) {
    if (r.pen.style != PenStyle::Dot) continue;
    EXPECT_EQ(r.pen.colour, kGridGrey);
    if (r.a.x == r.b.x) vertical.push_back(r.a.x);
    if (r.a.y == r.b.y) horizontal.push_back(r.a.y);
  }
  ASSERT_EQ(vertical.size(), 17u);
  ASSERT_EQ(horizontal.size(), 13u);
  for (int i = 0; i <= 16; ++i) EXPECT_EQ(vertical[i], 100 * i);
  for (int i = 0; i <= 12; ++i) EXPECT_EQ(horizontal[i], 100 * i);
}

TEST_F(RenderTest, MovedCentreMovesTheAxesAndTheLabels) {
  // M(7|6) with LEx = 1, LEy = 1/2: the y axis lies 7 cm left of the centre,
  // the x axis 3 cm below it; the labels run along them.
  Draw("x/(x-6)/(x-8) + 5", Fields("1", "1/2", "7", "6"));
  const std::vector<RecordedOp> axes = Axes();
  ASSERT_EQ(axes.size(), 2u);
  EXPECT_EQ(axes[0].a, (CanvasPoint{100, 0}));
  EXPECT_EQ(axes[0].b, (CanvasPoint{100, 1200}));
  EXPECT_EQ(axes[1].a, (CanvasPoint{0, 900}));
  EXPECT_EQ(axes[1].b, (CanvasPoint{1600, 900}));
  const std::vector<Label> labels = Labels();
  ASSERT_EQ(labels.size(), 16u + 11u);
  EXPECT_EQ(labels.front(), (Label{0, 900, "-1"}));
  EXPECT_EQ(labels[1], (Label{200, 900, "1"}));  // the origin itself has none
  EXPECT_EQ(labels[15], (Label{1600, 900, "15"}));
  EXPECT_EQ(labels[16], (Label{100, 1100, "-4"}));  // frame -5: (-5 + 3) * 2
  EXPECT_EQ(labels[18], (Label{100, 800, "2"}));    // frame -3 is the x axis
  EXPECT_EQ(labels.back(), (Label{100, 0, "18"}));
}

TEST_F(RenderTest, PoleIsCutWithoutJoiningTheBranches) {
  Draw("1/x", Fields("1", "1"));
  const std::vector<RecordedOp> curve = CurveOf(canvas, kWhite);
  bool left = false, right = false;
  for (const RecordedOp& r : curve) {
    for (CanvasPoint p : {r.a, r.b}) {
      EXPECT_GE(p.y, 0);
      EXPECT_LE(p.y, 1200);
      EXPECT_NE(p.x, 800);  // the substitute 0 at x = 0 is never joined
    }
    EXPECT_EQ(r.a.x < 800, r.b.x < 800);  // no segment crosses the pole
    (r.a.x < 800 ? left : right) = true;
  }
  EXPECT_TRUE(left && right);
  EXPECT_FALSE(MathErrorText().empty());  // the division at x = 0
}

TEST_F(RenderTest, IntervalEndsCutTheCurve) {
  Draw("x^2 [0;2]", Fields("1", "1"));
  const std::vector<RecordedOp> curve = CurveOf(canvas, kWhite);
  // Samples 0, 0,1, ..., 2: the first moves the pen, then 20 lines.
  ASSERT_EQ(curve.size(), 20u);
  for (const RecordedOp& r : curve) {
    EXPECT_GE(r.a.x, 800);
    EXPECT_LE(r.b.x, 1000);
  }
  EXPECT_EQ(curve.front().a, (CanvasPoint{800, 600}));
  EXPECT_EQ(curve.back().b, (CanvasPoint{1000, 200}));
}

TEST_F(RenderTest, DerivativeIsRedWithoutGrid) {
  Draw("x^2", Fields("1", "1"), true);
  EXPECT_TRUE(Labels().empty());
  bool seen = false;
  for (const RecordedOp& r : OpsOf(canvas, CanvasOp::LineTo)) {
    EXPECT_EQ(r.pen.colour, kRed);
    EXPECT_EQ(r.pen.style, PenStyle::Solid);
    if (r.b.x == 900) {
      EXPECT_EQ(r.b.y, 400);  // the derivative 2x at x = 1 is 2
      seen = true;
    }
  }
  EXPECT_TRUE(seen);
}

TEST_F(RenderTest, CircleRadiusFollowsEachAxis) {
  // LEx = 2, LEy = 1: the circle is an ellipse twice as wide as high.
  Draw("Kreis 0 0 1 schwarz", Fields("2", "1"));
  const RecordedOp& e = canvas.ops().at(0);
  EXPECT_EQ(e.a, (CanvasPoint{600, 700}));
  EXPECT_EQ(e.b, (CanvasPoint{1000, 500}));
  EXPECT_EQ(e.brush.colour, kBlack);
}

TEST_F(RenderTest, HugeCoordinatesAreHeldAtTheLimit) {
  Draw("Strecke 0 0 10^30 1", Fields("1", "1"));
  ASSERT_EQ(canvas.ops().size(), 2u);
  EXPECT_EQ(canvas.ops()[1].b.x, kPixelLimit);
}

// Running out of memory while a line is drawn is no unreadable line: it
// leaves the drawing. The message box of "nue", which adds its parameter n,
// stands in for an allocation that fails.
TEST_F(RenderTest, OutOfMemoryLeavesTheDrawing) {
  SetMessageSink([](const std::string&) { throw std::bad_alloc(); });
  for (const char* line : {"Text 1 1 nue(6) |a", "Kreis 0 0 nue(6)", "nue(6)*x", "x [nue(6);2]"}) {
    UseParams({});  // n is missing again, so "nue" asks for memory once more
    EXPECT_THROW(Draw(line, Fields("1", "1")), std::bad_alloc) << line;
  }
  UseParams({});
  EXPECT_THROW(ComputePlotScale(Fields("nue(2)", "1")), std::bad_alloc);
}

}  // namespace
}  // namespace lumatik
