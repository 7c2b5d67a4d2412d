// The frame on targets of every shape: square units, axes where x = 0 and y = 0 lie, labels
// naming their grid lines; references from the fields and the target, not the drawing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "expr/evaluate.h"
#include "recorded_drawing.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

struct Target {
  int width;
  int height;
};

const Target kTargets[] = {{1920, 1080}, {1600, 1200}, {1366, 768}, {1280, 1024}, {800, 600},
                           {1080, 1920}, {2560, 1080}, {1024, 768}, {1601, 1201}, {3919, 3079}};

// One centimetre in pixels: the frame keeps 16 x 12 cm inside the target.
double ReferencePixelsPerCm(const Target& t) { return std::min(t.width / 16.0, t.height / 12.0); }

using testing::Fields;

class FrameTest : public testing::EngineTest {
 protected:
  void Draw(const std::string& line, const PlotFieldTexts& fields, const PlotFrame& frame) {
    testing::DrawLine(canvas, line, fields, frame);
  }
  std::vector<RecordedOp> Ops(CanvasOp op) const { return testing::OpsOf(canvas, op); }
  RecordingCanvas canvas;
};

TEST(FramePixels, HalfPixelsRoundToEvenAndFarAwayValuesAreHeldAtTheLimit) {
  EXPECT_EQ(CmToPixelX(0, PlotFrame{0, 1601, 1201}), 800);  // 800,5
  EXPECT_EQ(CmToPixelX(0, PlotFrame{0, 1603, 1203}), 802);  // 801,5
  EXPECT_EQ(CmToPixelY(0, PlotFrame{0, 1603, 1203}), 602);  // 601,5
  EXPECT_EQ(CmToPixelX(0, PlotFrame{160, 1264, 527}), 792);
  EXPECT_EQ(CmToPixelX(1e30L, PlotFrame{0, 1600, 1200}), kPixelLimit);
  EXPECT_EQ(CmToPixelY(1e30L, PlotFrame{0, 1600, 1200}), -kPixelLimit);
  EXPECT_EQ(CmToPixelY(std::nanl(""), PlotFrame{0, 1600, 1200}), kPixelLimit);
}

// 100 pixels per centimetre: a dotted grey line at every whole centimetre.
TEST_F(FrameTest, GridOfDottedLinesEveryCentimetre) {
  Draw("x", Fields("1", "1"), PlotFrame{0, 1600, 1200});
  std::vector<int> vertical, horizontal;
  for (const RecordedOp& r : Ops(CanvasOp::LineTo)) {
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

// A circle of radius 2 about (1|-1) spans LE cm per unit across and down:
// round where both units agree, an ellipse where they differ.
TEST_F(FrameTest, CirclesFollowTheUnitsOnEveryTarget) {
  for (const Target& t : kTargets) {
    for (const auto& [lex, ley] : {std::pair{"1", "1"}, {"1/2", "1/2"}, {"3", "3"}, {"2", "1"}}) {
      canvas.clear();
      Draw("Kreis 1 -1 2 schwarz", Fields(lex, ley), PlotFrame{0, t.width, t.height});
      const RecordedOp e = Ops(CanvasOp::Ellipse).at(0);
      const double ux = static_cast<double>(EvalTerm(lex)) * ReferencePixelsPerCm(t);
      const double uy = static_cast<double>(EvalTerm(ley)) * ReferencePixelsPerCm(t);
      const std::string where = std::to_string(t.width) + "x" + std::to_string(t.height) + " LE " + lex + "|" + ley;
      EXPECT_NEAR((e.a.x + e.b.x) / 2.0, t.width / 2.0 + ux, 1.0) << where;
      EXPECT_NEAR((e.a.y + e.b.y) / 2.0, t.height / 2.0 + uy, 1.0) << where;
      EXPECT_NEAR(std::abs(e.b.x - e.a.x), 4 * ux, 1.0) << where;
      EXPECT_NEAR(std::abs(e.b.y - e.a.y), 4 * uy, 1.0) << where;
      if (ux == uy) {
        EXPECT_LE(std::abs(std::abs(e.b.x - e.a.x) - std::abs(e.b.y - e.a.y)), 1) << where;
      }
      EXPECT_EQ(e.brush.colour, kBlack);
    }
  }
}

TEST_F(FrameTest, TheFrameFillsTheTargetAndShowsAtLeastSixteenByTwelve) {
  for (const Target& t : kTargets) {
    const PlotFrame frame{0, t.width, t.height};
    const double ppc = ReferencePixelsPerCm(t);
    EXPECT_NEAR(static_cast<double>(PixelsPerCm(frame)), ppc, 1e-9);
    EXPECT_NEAR(static_cast<double>(HalfWidthCm(frame)), t.width / ppc / 2, 1e-9);
    EXPECT_NEAR(static_cast<double>(HalfHeightCm(frame)), t.height / ppc / 2, 1e-9);
    EXPECT_EQ(CmToPixelX(-HalfWidthCm(frame), frame), 0);
    EXPECT_EQ(CmToPixelX(HalfWidthCm(frame), frame), t.width);
    EXPECT_EQ(CmToPixelY(HalfHeightCm(frame), frame), 0);
    EXPECT_EQ(CmToPixelY(-HalfHeightCm(frame), frame), t.height);
  }
}

TEST_F(FrameTest, ARightClickFindsTheUserPointOnAnyTarget) {
  const PlotScale scale = ComputePlotScale(Fields("1/2", "3", "7", "-2"));
  for (const Target& t : kTargets) {
    const PlotFrame frame{0, t.width, t.height};
    for (const auto& [px, py] : {std::pair{0, 0}, {t.width / 3, t.height - 1}, {t.width / 2, t.height / 2}}) {
      const UserPoint p = PixelToUser(px, py, t.width, t.height, scale);
      EXPECT_EQ(CmToPixelX(p.x / scale.sx + scale.dx, frame), px);
      EXPECT_EQ(CmToPixelY(p.y / scale.sy + scale.dy, frame), py);
    }
  }
}

// A label's text read back as a number: grouped digits, decimal comma.
long double LabelNumber(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  std::replace(text.begin(), text.end(), ',', '.');
  return std::strtold(text.c_str(), nullptr);
}

TEST_F(FrameTest, EveryLabelNamesTheGridLineItStandsOn) {
  // Units and centres as the user types them and as "Lupe" writes them:
  // one centimetre for dx = 2^-k, M at P.
  const std::vector<std::string> units = {"1", "2", "1/2", "3", "1/3", "1/100", "100", "16", "1024", "65536",
                                          "1,25", "7/3", "0,8"};
  const std::vector<std::string> centres = {"0", "0,3", "1,5", "-7,25", "0,45", "1,5009765625", "12345,678",
                                            "-0,0001", "3/7", "20", "-1000"};
  std::mt19937 random(20241206);
  auto pick = [&random](const std::vector<std::string>& from) { return from[random() % from.size()]; };
  for (int round = 0; round < 400; ++round) {
    const Target t = round % 2 == 0 ? Target{1600, 1200} : Target{1920, 1080};
    const PlotFrame frame{0, t.width, t.height};
    const double ppc = ReferencePixelsPerCm(t);
    const std::string lex = pick(units), ley = pick(units), x0 = pick(centres), y0 = pick(centres);
    const long double unitX = EvalTerm(lex), unitY = EvalTerm(ley), mx = EvalTerm(x0), my = EvalTerm(y0);
    const std::string where = "LEx=" + lex + " LEy=" + ley + " M(" + x0 + "|" + y0 + ") " + std::to_string(t.width);
    canvas.clear();
    Draw("0", Fields(lex, ley, x0, y0), frame);

    // x = 0 lies (0 - x0)*LEx cm right of the middle, y = 0 likewise up.
    const double yAxisX = t.width / 2.0 - static_cast<double>(mx * unitX) * ppc;
    const double xAxisY = t.height / 2.0 + static_cast<double>(my * unitY) * ppc;
    bool yAxis = false;
    bool xAxis = false;
    for (const RecordedOp& r : Ops(CanvasOp::LineTo)) {
      if (r.pen.style != PenStyle::Solid || r.pen.colour != kGridGrey) continue;
      if (r.a.x == r.b.x) {
        yAxis = true;
        EXPECT_NEAR(r.a.x, yAxisX, 0.5) << where;
      } else {
        xAxis = true;
        EXPECT_NEAR(r.a.y, xAxisY, 0.5) << where;
        EXPECT_EQ(r.a.x, 0);
        EXPECT_EQ(r.b.x, t.width);
      }
    }
    EXPECT_EQ(yAxis, yAxisX >= 0 && yAxisX <= t.width) << where;
    EXPECT_EQ(xAxis, xAxisY >= 0 && xAxisY <= t.height) << where;

    // The x labels come first, in one row; the y labels in one column.
    const std::vector<RecordedOp> labels = Ops(CanvasOp::Text);
    ASSERT_FALSE(labels.empty());
    const int row = labels.front().a.y;
    if (xAxis && xAxisY <= t.height - 0.4 * ppc) {
      EXPECT_NEAR(row, xAxisY, 0.5) << where;
    }
    long double previous = -1e300L;
    bool across = true;
    int lastX = -1;
    for (const RecordedOp& l : labels) {
      // The row ends where a label stands no farther right than the one before.
      across = across && l.a.y == row && l.a.x > lastX;
      lastX = l.a.x;
      const double pixel = across ? l.a.x - t.width / 2.0 : t.height / 2.0 - l.a.y;
      const long double k = std::nearbyint(pixel / ppc);
      ASSERT_NEAR(pixel, static_cast<double>(k) * ppc, 0.5) << where << " " << l.text;
      // The grid line at k cm from the middle lies at M + k/LE.
      const long double line = across ? mx + k / unitX : my + k / unitY;
      const long double step = 1 / (across ? unitX : unitY);
      const long double value = LabelNumber(l.text);
      EXPECT_LE(std::fabs(value - line), std::fabs(step) / 20 + 1e-15L * std::fabs(line))
          << where << " label " << l.text << " on the line at " << static_cast<double>(line);
      if (across) {
        EXPECT_GT(value, previous) << where << " " << l.text;
        previous = value;
      }
    }
  }
}

// Out of memory while a line is drawn leaves the drawing, unlike an unreadable line; the
// message box of "nue", which adds its parameter n, stands in for the failing allocation.
TEST_F(FrameTest, OutOfMemoryLeavesTheDrawing) {
  SetMessageSink([](const std::string&) { throw std::bad_alloc(); });
  for (const char* line : {"Text 1 1 nue(6) |a", "Kreis 0 0 nue(6)", "nue(6)*x", "x [nue(6);2]"}) {
    UseParams({});  // n is missing again, so "nue" asks for memory once more
    EXPECT_THROW(Draw(line, Fields("1", "1"), PlotFrame{0, 1600, 1200}), std::bad_alloc) << line;
  }
  UseParams({});
  EXPECT_THROW(ComputePlotScale(Fields("nue(2)", "1")), std::bad_alloc);
}

}  // namespace
}  // namespace lumatik
