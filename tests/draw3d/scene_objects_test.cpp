// Each object on the recording canvas: its strokes in their colours and pen
// styles at the pixels worked out from the first drawing's view, its names,
// and the points it writes back into its line.

#include <gtest/gtest.h>

#include <cmath>

#include "draw3d/scene_objects.h"
#include "scene_fixture.h"

namespace lumatik::testing {
namespace {

constexpr Colour kOlive = 0x008080;
constexpr Colour kMagenta = 0xFF00FF;

class ObjectTest : public SceneTest {
 protected:
  // The strokes' ends, to compare with the pixels of the expected points.
  using Ends = std::vector<std::pair<CanvasPoint, CanvasPoint>>;
  static Ends EndsOf(const std::vector<RecordedOp>& strokes) {
    Ends ends;
    for (const RecordedOp& op : strokes) ends.emplace_back(op.a, op.b);
    return ends;
  }
  static Ends Expected(std::initializer_list<std::pair<Vec3, Vec3>> segments) {
    Ends ends;
    for (const auto& [p, q] : segments) ends.emplace_back(ExpectedPixel(p), ExpectedPixel(q));
    return ends;
  }
};

TEST_F(ObjectTest, CapitalPointDropsAPerpendicularWithUnitMarks) {
  DrawObject("PUNKT S(1|2|3)", DrawPointFloor);
  EXPECT_EQ(EndsOf(Lines(kYellow, PenStyle::Dot)), Expected({{{1, 2, 3}, {1, 2, 0}}}));
  EXPECT_EQ(EndsOf(Lines(kYellow, PenStyle::Solid)), Expected({{{1, 2.03L, 1}, {1, 1.97L, 1}},
                                                               {{1, 2.03L, 2}, {1, 1.97L, 2}},
                                                               {{1, 2.03L, 3}, {1, 1.97L, 3}}}));
  EXPECT_TRUE(Lines(kOlive, PenStyle::Dot).empty());
}

TEST_F(ObjectTest, LineRunsThroughItsPointAlongItsDirection) {
  const SceneLine line = DrawObject("Gerade A(2|3|6) u(-2|3|-1,5)", DrawStraightLine);
  EXPECT_EQ(line.rewritten, line.text());
  const auto olive = Lines(kOlive, PenStyle::Solid);
  ASSERT_EQ(olive.size(), 1u);
  // Both ends lie on the image of the line, one on the picture's border.
  const CanvasPoint a = ExpectedPixel({2, 3, 6}), b = ExpectedPixel({0, 6, 4.5L});
  for (const CanvasPoint end : {olive[0].a, olive[0].b}) {
    const long double cross = static_cast<long double>(end.x - a.x) * (b.y - a.y) -
                              static_cast<long double>(end.y - a.y) * (b.x - a.x);
    EXPECT_LT(std::fabs(cross) / std::hypot(b.x - a.x, b.y - a.y), 2.0L);
    EXPECT_TRUE(end.x == 0 || end.y == 0 || end.x == kWidth - 1 || end.y == kHeight - 1);
  }
  EXPECT_TRUE(Lines(kWhite, PenStyle::Solid).empty());
}

TEST_F(ObjectTest, TriangleDrawsItsEdges) {
  DrawObject("DREIECK A(1|0|1) B(11|7|5) C(2|3|2)", DrawTriangle);
  EXPECT_EQ(EndsOf(Lines(kWhite, PenStyle::Solid)),
            Expected({{{1, 0, 1}, {11, 7, 5}}, {{11, 7, 5}, {2, 3, 2}}, {{2, 3, 2}, {1, 0, 1}}}));
  EXPECT_EQ(Texts().size(), 3u);
}

TEST_F(ObjectTest, VectorIsRedInsideTheBoxOfItsCoordinates) {
  DrawObject("Vektor u=(1/2 1 -1)", DrawVector);
  EXPECT_EQ(EndsOf(Lines(kRed, PenStyle::Solid)), Expected({{{0, 0, 0}, {0.5L, 1, -1}}}));
  EXPECT_EQ(Lines(kWhite, PenStyle::Solid).size(), 16u);
  EXPECT_EQ(Lines(kYellow, PenStyle::Dot).size(), 16u);
  EXPECT_TRUE(Texts().empty());
}

// With alpha 0, k 1 and the shifts h = -8, v = -4 a point lies at X = x1 +
// x2 - 8, Y = x3 - 4; on the plane x2 + x3 = 11.5 it can be found again from
// its pixel: x3 from the height, x2 from the plane, x1 from X.
Vec3 OnCirclePlane(CanvasPoint pixel) {
  const long double sum = (pixel.x - 716) / 102.0L + 8;
  const long double x3 = (612 - pixel.y) / 102.0L + 4;
  return {sum - (11.5L - x3), 11.5L - x3, x3};
}

TEST_F(ObjectTest, CircleLiesInItsPlaneAtItsRadius) {
  View3DParams view = FirstDrawingView();
  view.alpha = 0, view.k = 1, view.shiftHorizontal = -8, view.shiftVertical = -4;
  projection = Projection(view, kWidth, kHeight);
  DrawObject("KREIS M(6|5.5|6) r=2 n=(0 1 1)", DrawCircle);
  const auto arc = Lines(kMagenta, PenStyle::Solid);
  // 252 steps of 0.025; the far half only every other step; two diameters.
  ASSERT_GT(arc.size(), 180u);
  ASSERT_LT(arc.size(), 200u);
  int far = 0;
  for (std::size_t i = 0; i + 2 < arc.size(); ++i) {
    const Vec3 p = OnCirclePlane(arc[i].b);
    const long double radius =
        std::sqrt((p.x1 - 6) * (p.x1 - 6) + (p.x2 - 5.5L) * (p.x2 - 5.5L) + (p.x3 - 6) * (p.x3 - 6));
    EXPECT_NEAR(static_cast<double>(radius), 2, 0.03) << i;
    if (p.x1 < 5.9L) ++far;
  }
  EXPECT_TRUE(far > 50 && far < 70) << far;
  // The diameters cross at M, whose cross is white; M and the diameters' ends stand on the floor.
  EXPECT_EQ(Lines(kWhite, PenStyle::Solid).size(), 2u);
  EXPECT_EQ(Lines(kYellow, PenStyle::Dot).size(), 5u);
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_EQ(Texts()[0].text, "M");
}

}  // namespace
}  // namespace lumatik::testing
