// The oblique projection: known points to known pixels for several views
// and picture sizes, worked out by hand, and the view's own arithmetic.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "draw3d/projection.h"
#include "draw3d/scene_painter.h"
#include "draw3d/scene_view.h"
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
    {"alpha 180, k 1/2", View(180, 0.5L), 1601, 1201, {2, 0, 0}, {600, 600}},
    {"alpha -45, k sqrt 2: up right", View(-45, kRoot2), 1601, 1201, {1, 0, 0}, {800, 500}},
    {"alpha 265 (a normalised 275)", View(265, 1), 1601, 1201, {1, 0, 0}, {691, 500}},
    {"units and shifts", View(135, kRoot2 / 2, 2, 0.5L, -1, 1), 1601, 1201, {0, 3, 4}, {1500, 450}},
    {"small picture", kFirst, 801, 601, {2, 3, 4}, {400, 150}},
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

}  // namespace
}  // namespace lumatik
