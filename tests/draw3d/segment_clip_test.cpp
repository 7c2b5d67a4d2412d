// Cutting segments to the picture: ends moved onto the border they cross
// with whole-number steps, segments that miss the picture left out, and
// ends far away or no numbers at all never reaching the canvas.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "draw3d/segment_clip.h"

namespace lumatik {
namespace {

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
