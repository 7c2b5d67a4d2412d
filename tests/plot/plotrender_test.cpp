// The rendering arithmetic, read back from a recording canvas: the frame's
// pixel mapping, grid, axes and labels, the sampling and its cuts, and the
// keyword shapes drawn with the canvas state the previous line left.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <new>
#include <string>
#include <vector>

#include "expr/lumath.h"
#include "plot/plotrender.h"
#include "plot/recording_canvas.h"
#include "shell/codepage.h"
#include "plot_fields.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

// 100 pixels per nominal centimetre: frame position i lies at pixel 800 + 100 i.
constexpr PlotFrame kFrame{0, 1600, 1200};
const PlotPen kWhitePen{PenStyle::Solid, 1, kWhite};

using testing::Fields;

std::vector<RecordedOp> OpsOf(const RecordingCanvas& canvas, CanvasOp op) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& r : canvas.ops()) {
    if (r.op == op) out.push_back(r);
  }
  return out;
}

// The labels written in the 8-point font, as (x, y, text).
struct Label {
  int x;
  int y;
  std::string text;
  friend bool operator==(const Label&, const Label&) = default;
};

std::vector<Label> LabelsOf(const RecordingCanvas& canvas) {
  std::vector<Label> out;
  for (const RecordedOp& r : OpsOf(canvas, CanvasOp::Text)) {
    if (r.font.size == 8) out.push_back({r.a.x, r.a.y, r.text});
  }
  return out;
}

// Solid lines in grid grey that span the whole frame: the axes.
std::vector<RecordedOp> AxesOf(const RecordingCanvas& canvas) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& r : OpsOf(canvas, CanvasOp::LineTo)) {
    if (r.pen.style == PenStyle::Solid && r.pen.colour == kGridGrey) out.push_back(r);
  }
  return out;
}

// Curve segments in the pen's colour.
std::vector<RecordedOp> CurveOf(const RecordingCanvas& canvas, Colour colour) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& r : OpsOf(canvas, CanvasOp::LineTo)) {
    if (r.pen.colour == colour) out.push_back(r);
  }
  return out;
}

class RenderTest : public testing::EngineTest {
 protected:
  void Draw(const std::string& line, const PlotFieldTexts& fields, int steps = 10, bool derivative = false,
            const PlotFrame& frame = kFrame, bool label = false) {
    PlotFieldTexts f = fields;
    if (f.function.empty()) f.function = line;
    const PlotPen pen{PenStyle::Solid, 1, derivative ? kRed : kWhite};
    DrawPlotLine(derivative, line, canvas, pen, frame, steps, label, f);
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
  EXPECT_EQ(s.sx, 2);
  EXPECT_EQ(s.sy, 0.5L);
  EXPECT_EQ(s.dx, -3.5L);
  EXPECT_EQ(s.dy, -12);
}

TEST_F(RenderTest, AZeroUnitCountsAsOneButStillZeroesTheShift) {
  const PlotScale s = ComputePlotScale(Fields("0", "1", "5", "0"));
  EXPECT_EQ(s.sx, 1);
  EXPECT_EQ(s.dx, 0);
}

TEST_F(RenderTest, AReadingThatRaisesKeepsTheDefaults) {
  // x itself cannot be read: every evaluation of a field raises.
  ParamLine() = " x=1/0 ";
  const PlotScale s = ComputePlotScale(Fields("2", "3", "4", "5"));
  EXPECT_EQ(s.sx, 1);
  EXPECT_EQ(s.sy, 1);
  EXPECT_EQ(s.dx, 0);
  EXPECT_EQ(s.dy, 0);
}

TEST_F(RenderTest, PixelToUserInvertsTheFrame) {
  const PlotScale unit = ComputePlotScale(Fields("1", "1"));
  const UserPoint centre = PixelToUser(800, 600, 1600, 1200, unit);
  EXPECT_EQ(centre.x, 0);
  EXPECT_EQ(centre.y, 0);
  const PlotScale moved = ComputePlotScale(Fields("1/2", "2", "7", "6"));
  // Pixel (1000, 300) is frame point (2|3): x = 7 + 2/(1/2), y = 6 + 3/2.
  const UserPoint p = PixelToUser(1000, 300, 1600, 1200, moved);
  EXPECT_EQ(p.x, 11);
  EXPECT_EQ(p.y, 7.5L);
}

TEST_F(RenderTest, UnitLabelsAndBothAxesThroughTheCentre) {
  Draw("x", Fields("1", "1"));
  std::vector<Label> expected;
  for (int i = -8; i <= 8; ++i) {
    if (i != 0) expected.push_back({800 + 100 * i, 600, std::to_string(i)});
  }
  for (int i = -5; i <= 6; ++i) {
    if (i != 0) expected.push_back({800, 600 - 100 * i, std::to_string(i)});
  }
  EXPECT_EQ(LabelsOf(canvas), expected);

  const std::vector<RecordedOp> axes = AxesOf(canvas);
  ASSERT_EQ(axes.size(), 2u);
  EXPECT_EQ(axes[0].a, (CanvasPoint{800, 0}));
  EXPECT_EQ(axes[0].b, (CanvasPoint{800, 1200}));
  EXPECT_EQ(axes[1].a, (CanvasPoint{0, 600}));
  EXPECT_EQ(axes[1].b, (CanvasPoint{1600, 600}));
}

TEST_F(RenderTest, GridOfDottedLinesEveryCentimetre) {
  Draw("x", Fields("1", "1"));
  std::vector<int> vertical;
  std::vector<int> horizontal;
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

TEST_F(RenderTest, HalfUnitsDoubleTheXLabels) {
  Draw("x", Fields("1/2", "1"));
  std::vector<std::string> xs;
  for (const Label& l : LabelsOf(canvas)) {
    if (l.y == 600) xs.push_back(l.text);
  }
  EXPECT_EQ(xs, (std::vector<std::string>{"-16", "-14", "-12", "-10", "-8", "-6", "-4", "-2", "2", "4", "6",
                                          "8", "10", "12", "14", "16"}));
}

TEST_F(RenderTest, LabelsAreRoundedToTwoDecimals) {
  Draw("x", Fields("3", "1"));
  const std::vector<Label> labels = LabelsOf(canvas);
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels[0].text, "-2,67");  // -8/3
  EXPECT_EQ(labels[7].text, "-0,33");  // -1/3
}

TEST_F(RenderTest, AxesStandWhereZeroIsOffTheWholeCentimetres) {
  // M(0,3|0): x = 0 lies 0,3 cm left of the centre.
  Draw("x", Fields("1", "1", "0,3", "0"));
  const std::vector<RecordedOp> axes = AxesOf(canvas);
  ASSERT_EQ(axes.size(), 2u);
  EXPECT_EQ(axes[0].a, (CanvasPoint{770, 0}));
  EXPECT_EQ(axes[0].b, (CanvasPoint{770, 1200}));
  EXPECT_EQ(axes[1].a, (CanvasPoint{0, 600}));
}

TEST_F(RenderTest, MovedCentreMovesTheAxesAndTheLabels) {
  // M(7|6) with LEx = 1, LEy = 1/2: the y axis lies 7 cm left of the centre,
  // the x axis 3 cm below it; the labels run along them.
  Draw("x/(x-6)/(x-8) + 5", Fields("1", "1/2", "7", "6"));
  const std::vector<RecordedOp> axes = AxesOf(canvas);
  ASSERT_EQ(axes.size(), 2u);
  EXPECT_EQ(axes[0].a, (CanvasPoint{100, 0}));
  EXPECT_EQ(axes[1].a, (CanvasPoint{0, 900}));
  const std::vector<Label> labels = LabelsOf(canvas);
  ASSERT_EQ(labels.size(), 16u + 11u);
  EXPECT_EQ(labels.front(), (Label{0, 900, "-1"}));
  EXPECT_EQ(labels[1], (Label{200, 900, "1"}));  // the origin itself has none
  EXPECT_EQ(labels[15], (Label{1600, 900, "15"}));
  EXPECT_EQ(labels[16], (Label{100, 1100, "-4"}));  // frame -5: (-5 + 3) * 2
  EXPECT_EQ(labels[18], (Label{100, 800, "2"}));    // frame -3 is the x axis
  EXPECT_EQ(labels.back(), (Label{100, 0, "18"}));
}

TEST_F(RenderTest, AnAxisOutsideTheFrameLeavesItsLabelsOnTheCentreLine) {
  // M(20|0): x = 0 lies 20 cm left of the centre, off the frame.
  Draw("x", Fields("1", "1", "20", "0"));
  const std::vector<RecordedOp> axes = AxesOf(canvas);
  ASSERT_EQ(axes.size(), 1u);
  EXPECT_EQ(axes[0].a.y, axes[0].b.y);
  for (const Label& l : LabelsOf(canvas)) {
    if (l.x == 800) {
      EXPECT_NE(l.y, 600) << l.text;  // where the two rows cross, no label
    }
    EXPECT_TRUE(l.x == 800 || l.y == 600) << l.text;
  }
}

TEST_F(RenderTest, OffsetShiftsTheWholeFrame) {
  const PlotFrame shifted{160, 1600, 1200};
  Draw("x", Fields("1", "1"), 10, false, shifted);
  const std::vector<RecordedOp> axes = AxesOf(canvas);
  ASSERT_EQ(axes.size(), 2u);
  EXPECT_EQ(axes[0].a, (CanvasPoint{960, 0}));
  EXPECT_EQ(axes[1].a, (CanvasPoint{160, 600}));
  EXPECT_EQ(axes[1].b, (CanvasPoint{1760, 600}));
  EXPECT_EQ(LabelsOf(canvas).front(), (Label{160, 600, "-8"}));
}

TEST_F(RenderTest, CurveFollowsTheFunction) {
  Draw("x^2/4", Fields("1", "1"), 10);
  const std::vector<RecordedOp> curve = CurveOf(canvas, kWhite);
  ASSERT_FALSE(curve.empty());
  for (const RecordedOp& r : curve) {
    // Independent reference: y = x^2/4 in pixels, for both ends; the ends
    // at the frame's edge lie between samples, so their pixel is rounded.
    for (CanvasPoint p : {r.a, r.b}) {
      const double x = (p.x - 800) / 100.0;
      const double slope = std::fabs(x) / 2 * 0.5 + 0.5001;
      EXPECT_NEAR(p.y, 600 - 100 * x * x / 4, slope) << p.x;
    }
  }
  // |y| <= 6 holds for |x| <= sqrt(24) = 4.899: the curve runs up to the
  // frame's upper edge on both sides.
  const auto leftmost = std::min_element(curve.begin(), curve.end(),
                                         [](const RecordedOp& a, const RecordedOp& b) { return a.a.x < b.a.x; });
  const auto rightmost = std::max_element(curve.begin(), curve.end(),
                                          [](const RecordedOp& a, const RecordedOp& b) { return a.b.x < b.b.x; });
  EXPECT_EQ(leftmost->a, (CanvasPoint{310, 0}));
  EXPECT_EQ(rightmost->b, (CanvasPoint{1290, 0}));
}

TEST_F(RenderTest, SamplesPerCurve) {
  // Without grid (derivative) only the curve draws; the derivative of x
  // stays in the band, so the pen moves to the first of 16 * steps + 1
  // samples and draws a line to each of the others.
  Draw("x", Fields("1", "1"), 10, true);
  EXPECT_EQ(OpsOf(canvas, CanvasOp::MoveTo).size(), 1u);
  EXPECT_EQ(OpsOf(canvas, CanvasOp::LineTo).size(), 160u);
}

TEST_F(RenderTest, ZeroOrNegativeValuesPerCmDrawOneValuePerCentimetre) {
  for (int steps : {0, -5}) {
    canvas.clear();
    Draw("x", Fields("1", "1"), steps, true);
    EXPECT_EQ(OpsOf(canvas, CanvasOp::MoveTo).size() + OpsOf(canvas, CanvasOp::LineTo).size(), 17u) << steps;
  }
  EXPECT_EQ(EffectiveSteps(0), 1);
  EXPECT_EQ(EffectiveSteps(-3), 1);
  EXPECT_EQ(EffectiveSteps(100), 100);
  EXPECT_EQ(EffectiveSteps(2000000000), kMaxValuesPerCm);
}

TEST_F(RenderTest, PoleIsCutWithoutJoiningTheBranches) {
  Draw("1/x", Fields("1", "1"), 10);
  const std::vector<RecordedOp> curve = CurveOf(canvas, kWhite);
  ASSERT_FALSE(curve.empty());
  bool left = false;
  bool right = false;
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
  Draw("x^2 [0;2]", Fields("1", "1"), 10);
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

TEST_F(RenderTest, IntervalIsGivenInUserUnits) {
  // LEx = 2: x from -1 to 1 covers frame -2 to 2.
  Draw("0 [-1;1]", Fields("2", "1"), 10);
  const std::vector<RecordedOp> curve = CurveOf(canvas, kWhite);
  ASSERT_EQ(curve.size(), 40u);
  EXPECT_EQ(curve.front().a.x, 600);
  EXPECT_EQ(curve.back().b.x, 1000);
}

TEST_F(RenderTest, ParameterLinesStayInForceForLaterLines) {
  Draw("a*x^3+b*x  a=1/3 b=-3", Fields("1", "1"), 10);
  canvas.clear();
  Draw("a*x", Fields("1", "1"), 10);
  const std::vector<RecordedOp> curve = CurveOf(canvas, kWhite);
  // y = x/3 with a = 1/3 from the line before.
  bool seen = false;
  for (const RecordedOp& r : curve) {
    if (r.b.x == 1100) {
      EXPECT_EQ(r.b.y, 500);
      seen = true;
    }
  }
  EXPECT_TRUE(seen);
}

TEST_F(RenderTest, DerivativeIsRedWithoutGrid) {
  Draw("x^2", Fields("1", "1"), 10, true);
  EXPECT_TRUE(LabelsOf(canvas).empty());
  for (const RecordedOp& r : OpsOf(canvas, CanvasOp::LineTo)) {
    EXPECT_EQ(r.pen.colour, kRed);
    EXPECT_EQ(r.pen.style, PenStyle::Solid);
  }
  // The derivative 2x at x = 1 is 2.
  bool seen = false;
  for (const RecordedOp& r : CurveOf(canvas, kRed)) {
    if (r.b.x == 900) {
      EXPECT_EQ(r.b.y, 400);
      seen = true;
    }
  }
  EXPECT_TRUE(seen);
}

TEST_F(RenderTest, BlackCurvesGetASilverGrid) {
  const PlotPen black{PenStyle::Solid, 2, kBlack};
  DrawPlotLine(false, "x", canvas, black, kFrame, 10, false, Fields("1", "1"));
  const RecordedOp& firstGridLine = OpsOf(canvas, CanvasOp::LineTo).front();
  EXPECT_EQ(firstGridLine.pen.colour, kGridSilver);
  EXPECT_EQ(firstGridLine.pen.width, 1);
  EXPECT_EQ(CurveOf(canvas, kBlack).front().pen.width, 2);
  EXPECT_EQ(canvas.state().brush.style, BrushStyle::Clear);
  EXPECT_EQ(canvas.state().font.size, 12);
  EXPECT_EQ(canvas.state().font.colour, kBlack);
}

TEST_F(RenderTest, LabelOfTheFunctionField) {
  PlotFieldTexts f = Fields("1", "1");
  f.function = "x^2";
  DrawPlotLine(false, "x", canvas, kWhitePen, kFrame, 10, true, f);
  const RecordedOp& last = canvas.ops().back();
  EXPECT_EQ(last.op, CanvasOp::Text);
  EXPECT_EQ(last.text, "f(x)=x^2");
  EXPECT_EQ(last.a, (CanvasPoint{400, 60}));
  EXPECT_EQ(last.font.size, 12);
}

TEST_F(RenderTest, KeywordLinesUseThePenThePreviousLineLeft) {
  const PlotPen thick{PenStyle::Solid, 3, kBlack};
  DrawPlotLine(false, "x", canvas, thick, kFrame, 10, false, Fields("1", "1"));
  canvas.clear();
  Draw("Strecke 1,5 0 1,5 1,5^2", Fields("1", "1"));
  ASSERT_EQ(canvas.ops().size(), 2u);
  EXPECT_EQ(canvas.ops()[0].op, CanvasOp::MoveTo);
  EXPECT_EQ(canvas.ops()[0].a, (CanvasPoint{950, 600}));
  EXPECT_EQ(canvas.ops()[1].op, CanvasOp::LineTo);
  EXPECT_EQ(canvas.ops()[1].b, (CanvasPoint{950, 375}));
  EXPECT_EQ(canvas.ops()[1].pen.colour, kBlack);
  EXPECT_EQ(canvas.ops()[1].pen.width, 3);
}

TEST_F(RenderTest, CircleSetsItsBrushAndStaysForTheNextShape) {
  Draw("Kreis 1 1 1/2 rot", Fields("1", "1"));
  Draw(Cp1252("Kästchen -1 1 1/2 schwarz"), Fields("1", "1"));
  ASSERT_EQ(canvas.ops().size(), 2u);
  const RecordedOp& circle = canvas.ops()[0];
  EXPECT_EQ(circle.op, CanvasOp::Ellipse);
  EXPECT_EQ(circle.a, (CanvasPoint{850, 550}));
  EXPECT_EQ(circle.b, (CanvasPoint{950, 450}));
  EXPECT_EQ(circle.brush, (CanvasBrush{kRed, BrushStyle::Solid}));
  const RecordedOp& square = canvas.ops()[1];
  EXPECT_EQ(square.op, CanvasOp::Rectangle);
  EXPECT_EQ(square.a, (CanvasPoint{650, 550}));
  EXPECT_EQ(square.b, (CanvasPoint{750, 450}));
  EXPECT_EQ(square.brush.colour, kRed);  // the colour word of a small square is ignored
}

TEST_F(RenderTest, CircleRadiusFollowsEachAxis) {
  // LEx = 2, LEy = 1: the circle is an ellipse twice as wide as high.
  Draw("Kreis 0 0 1 schwarz", Fields("2", "1"));
  const RecordedOp& e = canvas.ops().at(0);
  EXPECT_EQ(e.a, (CanvasPoint{600, 700}));
  EXPECT_EQ(e.b, (CanvasPoint{1000, 500}));
  EXPECT_EQ(e.brush.colour, kBlack);
}

TEST_F(RenderTest, RectangleBetweenTwoCorners) {
  Draw("Rechteck -1 -2 3 4", Fields("1", "1/2"));
  const RecordedOp& r = canvas.ops().at(0);
  EXPECT_EQ(r.op, CanvasOp::Rectangle);
  EXPECT_EQ(r.a, (CanvasPoint{700, 700}));
  EXPECT_EQ(r.b, (CanvasPoint{1100, 400}));
}

TEST_F(RenderTest, TextWithItsSizeAtTheUpperLeftCorner) {
  Draw("Text -7 4,5 14,6 |sowie  x - > 1/x, 1/x^2", Fields("1/2", "2"));
  ASSERT_EQ(canvas.ops().size(), 1u);
  const RecordedOp& t = canvas.ops()[0];
  EXPECT_EQ(t.op, CanvasOp::Text);
  EXPECT_EQ(t.a, (CanvasPoint{450, -300}));  // -3,5 cm, 9 cm
  EXPECT_EQ(t.text, "sowie  x - > 1/x, 1/x^2");
  EXPECT_EQ(t.font.size, 15);
}

TEST_F(RenderTest, KeywordLinesIgnoreTheDerivativeFlag) {
  Draw("Strecke 0 0 1 1", Fields("1", "1"), 10, true);
  ASSERT_EQ(canvas.ops().size(), 2u);
  EXPECT_EQ(canvas.ops()[1].b, (CanvasPoint{900, 500}));
}

TEST_F(RenderTest, MisspeltKeywordDrawsNoCurveButLeavesTheMessage) {
  // "kreis" is a function line whose term the engine cannot read: no value
  // of it is drawn, least of all the substitute 0 along the x axis.
  Draw("kreis 1 1 1", Fields("1", "1"), 10);
  EXPECT_TRUE(CurveOf(canvas, kWhite).empty());
  EXPECT_FALSE(LabelsOf(canvas).empty());
  EXPECT_NE(MathErrorText().find("kreis"), std::string::npos) << MathErrorText();
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
    ParamLines().setLines({});  // n is missing again, so "nue" asks for memory once more
    ParamLine() = " ";
    RecordingCanvas canvas;
    EXPECT_THROW(DrawPlotLine(false, line, canvas, kWhitePen, kFrame, 10, false, Fields("1", "1", "0", "0")),
                 std::bad_alloc)
        << line;
  }
  ParamLines().setLines({});
  ParamLine() = " ";
  EXPECT_THROW(ComputePlotScale(Fields("nue(2)", "1", "0", "0")), std::bad_alloc);
}

}  // namespace
}  // namespace lumatik
