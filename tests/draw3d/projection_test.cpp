// From scene to pixels: known points to known pixels for several views and
// picture sizes, worked out by hand; the view's own arithmetic; segments cut
// to the picture, with ends far away or no numbers never reaching the canvas.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

#include "draw3d/projection.h"
#include "draw3d/scene_painter.h"
#include "draw3d/scene_view.h"
#include "draw3d/segment_clip.h"
#include "plot/recording_canvas.h"

namespace lumatik {
namespace {

View3DParams View(Extended alpha, Extended k, Extended ley = 1, Extended lez = 1, Extended v = 0, Extended h = 0) {
  View3DParams view;
  std::tie(view.alpha, view.k, view.ley, view.lez, view.shiftVertical, view.shiftHorizontal) = std::tie(alpha, k, ley, lez, v, h);
  return view;
}

const Extended kRoot2 = std::sqrt(2.0L);

struct PixelCase {
  const char* what;
  View3DParams view;
  int width;
  int height;
  Vec3 point;
  CanvasPoint pixel;
};

// 1601 x 1201: 100 px per cm, middle at (800 - 100, 600). 801 x 601: 50 px
// per cm, middle at (300, 300). 1921 x 1081: the height decides, 90 px per
// cm, middle at (860, 540).
const View3DParams kFirst = View(135, kRoot2 / 2);
const PixelCase kPixelCases[] = {
    {"origin", kFirst, 1601, 1201, {0, 0, 0}, {700, 600}},
    {"x1 goes down left, half a cm each way", kFirst, 1601, 1201, {1, 0, 0}, {650, 650}},
    {"X = 3 - 1, Y = 4 - 1", kFirst, 1601, 1201, {2, 3, 4}, {900, 300}},
    {"alpha 90: x1 straight down", View(90, 1), 1601, 1201, {2, 1, 1}, {800, 700}},
    {"alpha -45, k sqrt 2: up right", View(-45, kRoot2), 1601, 1201, {1, 0, 0}, {800, 500}},
    {"units and shifts", View(135, kRoot2 / 2, 2, 0.5L, -1, 1), 1601, 1201, {0, 3, 4}, {1500, 450}},
    {"wide picture keeps cm square", kFirst, 1921, 1081, {2, 3, 4}, {1040, 270}},
    {"tall picture keeps cm square", kFirst, 1081, 1921, {0, 2, 2}, {575, 825}},
};

TEST(ProjectionTest, KnownPointsLandOnKnownPixels) {
  for (const PixelCase& c : kPixelCases) {
    RecordingCanvas canvas;
    const Projection projection(c.view, c.width, c.height);
    const SceneColours colours = ScreenColours();
    ScenePainter painter(canvas, projection, colours);
    // A segment of no length is drawn at the point's pixel.
    painter.segment(kWhite, PenStyle::Solid, c.point, c.point);
    ASSERT_EQ(canvas.ops().size(), 2u) << c.what;
    EXPECT_EQ(canvas.ops()[1].a, c.pixel) << c.what;
    EXPECT_EQ(canvas.ops()[1].b, c.pixel) << c.what;
  }
}

struct AngleCase {
  Extended given;
  Extended drawn;
};

TEST(SceneViewTest, AlphaIsBroughtIntoMinus90To270) {
  for (const AngleCase& c : {AngleCase{275, -85}, AngleCase{-95, 265}, AngleCase{270, 270}, AngleCase{-90, -90},
                             AngleCase{630, 270}})
    EXPECT_EQ(NormalisedView(View(c.given, 1)).alpha, c.drawn) << static_cast<double>(c.given);
}

TEST(SceneViewTest, AxisLengthsFollowUnitsAndShifts) {
  EXPECT_EQ(AxisLengthsOf(StandardUnitsView()).x2, 9);
  // (10 - 5)/2 = 2.5 and (6 - 3)/2 = 1.5: ties go to the even neighbour.
  const AxisLengths ties = AxisLengthsOf(View(135, kRoot2 / 2, 2, 2, 3, 5));
  EXPECT_TRUE(ties.x2 == 2 && ties.x3 == 2);
  // A unit of zero draws no axis; a tiny one no endless grid.
  const AxisLengths degenerate = AxisLengthsOf(View(135, 0, 1e-30L, 1));
  EXPECT_EQ(degenerate.x1, 0);
  EXPECT_EQ(degenerate.x2, kLongestAxis);
}

constexpr int kMaxX = 1599;
constexpr int kMaxY = 1199;

struct ClipCase {
  const char* what;
  PixelPosition from;
  PixelPosition to;
  ClipOutcome outcome;
  PixelSegment segment;
};

const ClipCase kClipCases[] = {
    {"ends are rounded, ties to even", {10.5L, 20.5L}, {11.5L, 21.4L}, ClipOutcome::Visible, {10, 20, 12, 21}},
    // y1 + (0 - x1) * (y2 - y1) / (x2 - x1) = 100 + 100 * 200 / 200.
    {"first end left", {-100, 100}, {100, 300}, ClipOutcome::Visible, {0, 200, 100, 300}},
    // 40 + (1599 - 1700) * (10 - 40) / (1500 - 1700) = 40 - 15.15: truncated to 25.
    {"right, truncated", {1500, 10}, {1700, 40}, ClipOutcome::Visible, {1500, 10, 1599, 25}},
    {"below", {0, 1100}, {300, 1400}, ClipOutcome::Visible, {0, 1100, 99, 1199}},
    {"past a corner", {-100, 50}, {50, -100}, ClipOutcome::Outside, {}},
    {"one end far away", {800, 600}, {8e20L, 600}, ClipOutcome::Visible, {800, 600, 1599, 600}},
    {"too far to place", {-3e17L, 600}, {3e17L, 600}, ClipOutcome::TooLarge, {}},
    {"no number", {NAN, 0}, {10, 10}, ClipOutcome::TooLarge, {}},
};

TEST(SegmentClipTest, EndsMoveOntoTheBorderTheyCross) {
  for (const ClipCase& c : kClipCases) {
    const ClippedSegment clipped = ClipToPicture(c.from, c.to, kMaxX, kMaxY);
    EXPECT_EQ(clipped.outcome, c.outcome) << c.what;
    if (c.outcome == ClipOutcome::Visible) {
      EXPECT_EQ(clipped.segment, c.segment) << c.what;
    }
  }
}

// Distance of a pixel from the straight line through two positions.
long double DistanceFromLine(long double px, long double py, PixelPosition a, PixelPosition b) {
  const long double dx = b.x - a.x, dy = b.y - a.y;
  return std::fabs((px - a.x) * dy - (py - a.y) * dx) / std::hypot(dx, dy);
}

// Random segments of every size: a drawn segment lies in the picture and on
// the line it was cut from; a left-out one misses the picture indeed.
TEST(SegmentClipTest, GeneratedSegmentsStayInThePictureAndOnTheirLine) {
  std::mt19937_64 random(15);
  std::uniform_real_distribution<long double> unit(-1, 1);
  std::uniform_int_distribution<int> exponent(0, 18);
  int visible = 0;
  for (int n = 0; n < 20000; ++n) {
    const auto coordinate = [&](int centre) { return centre + unit(random) * std::pow(10.0L, exponent(random)); };
    const PixelPosition a{std::nearbyint(coordinate(800)), std::nearbyint(coordinate(600))};
    const PixelPosition b{std::nearbyint(coordinate(800)), std::nearbyint(coordinate(600))};
    const ClippedSegment clipped = ClipToPicture(a, b, kMaxX, kMaxY);
    // A reference by sampling: does any point of the segment lie inside?
    bool hits = false;
    for (int k = 0; k <= 4000 && !hits; ++k) {
      const long double t = k / 4000.0L;
      const long double x = a.x + t * (b.x - a.x);
      const long double y = a.y + t * (b.y - a.y);
      hits = x >= 1 && x <= kMaxX - 1 && y >= 1 && y <= kMaxY - 1;
    }
    if (clipped.outcome != ClipOutcome::Visible) {
      EXPECT_FALSE(hits && std::max(std::fabs(a.x), std::fabs(b.x)) < 1e15L) << n;
      continue;
    }
    ++visible;
    const PixelSegment& s = clipped.segment;
    for (const auto& [x, y] : {std::pair{s.x1, s.y1}, std::pair{s.x2, s.y2}}) {
      EXPECT_TRUE(x >= 0 && x <= kMaxX && y >= 0 && y <= kMaxY) << n;
      if (std::hypot(b.x - a.x, b.y - a.y) > 0) {
        EXPECT_LT(DistanceFromLine(x, y, a, b), 2.5L) << n;
      }
    }
  }
  EXPECT_GT(visible, 1000);
}

}  // namespace
}  // namespace lumatik
