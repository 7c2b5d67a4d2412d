// The tool's steps without windows: what the markers cut, how the timer
// counts, and the size of a scaled picture.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "screenshot/capture_geometry.h"
#include "screenshot/countdown.h"
#include "screenshot/picture_scale.h"

namespace lumatik {
namespace {

struct PlanCase {
  const char* name;
  WindowRect upperLeft;
  WindowRect lowerRight;
  int screenWidth, screenHeight;
  CapturePlan expected;
};

// Expected rectangles worked out by hand on a 1024 x 768 screen.
const PlanCase kPlanCases[] = {
    {"inside", {194, 253, 112, 27}, {481, 453, 112, 27}, 1024, 768, {194, 253, 399, 227, 481, 453}},
    {"upper left off screen to the left", {-40, 100, 112, 27}, {300, 400, 112, 27}, 1024, 768,
     {0, 100, 412, 327, 300, 400}},
    {"upper left off screen above", {50, -10, 112, 27}, {300, 400, 112, 27}, 1024, 768, {50, 0, 362, 427, 300, 400}},
    {"lower right beyond both edges", {0, 0, 112, 27}, {1000, 760, 112, 27}, 1024, 768, {0, 0, 1024, 768, 900, 660}},
    {"ending exactly at the edges", {0, 0, 112, 27}, {912, 741, 112, 27}, 1024, 768, {0, 0, 1024, 768, 912, 741}},
    {"markers crossed", {500, 500, 112, 27}, {100, 100, 112, 27}, 1024, 768, {500, 500, -288, -373, 100, 100}},
};

class PlanCaptureTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanCaptureTest, Rectangle) {
  const PlanCase& c = GetParam();
  EXPECT_EQ(PlanCapture(c.upperLeft, c.lowerRight, c.screenWidth, c.screenHeight), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, PlanCaptureTest, ::testing::ValuesIn(kPlanCases));

TEST(PlanCapture, OnlyRectanglesWithPixelsAreCopyable) {
  EXPECT_TRUE(PlanCapture({10, 20, 5, 5}, {10, 20, 1, 1}, 100, 100).copyable());
  // Upper-left corner exactly on the lower-right one: no pixel.
  EXPECT_FALSE(PlanCapture({11, 20, 5, 5}, {10, 20, 1, 1}, 100, 100).copyable());
  EXPECT_FALSE(PlanCapture({10, 21, 5, 5}, {10, 20, 1, 1}, 100, 100).copyable());
  // The whole rectangle right of the screen.
  EXPECT_FALSE(PlanCapture({150, 0, 5, 5}, {160, 50, 5, 5}, 100, 100).copyable());
}

struct ClickCase {
  const char* before;
  const char* after;
};

const ClickCase kClickCases[] = {
    {"Timer", "10"}, {"10", "20"}, {"14", "30"}, {"11", "30"}, {"9", "20"}, {"0", "10"}, {"35", "50"}, {"", "10"},
};

class TimerClickTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(TimerClickTest, Caption) {
  EXPECT_EQ(TimerCaptionAfterClick(GetParam().before), GetParam().after) << GetParam().before;
}

INSTANTIATE_TEST_SUITE_P(Cases, TimerClickTest, ::testing::ValuesIn(kClickCases));

// A caption that is no number restarts at "10"; from there the third tick
// hides the windows and the eleventh captures.
TEST(TimerTick, FromTenTheEleventhTickCapturesAndTheThirdHides) {
  std::string caption = "Timer", ticks;
  for (int tick = 1; tick <= 100; ++tick) {
    const TimerTick step = TimerTickAfter(caption);
    caption = step.caption;
    ticks += caption + (step.hideWindows ? "h" : "") + (step.capture ? "c" : "") + " ";
    if (step.capture) break;
  }
  EXPECT_EQ(ticks, "10 9 8 7h 6h 5h 4h 3h 2h 1h 0h Timerhc ");
}

struct ScaleCase {
  PictureSize size;
  Extended percent;
  std::optional<PictureSize> expected;
};

// Sizes worked out by hand; 0.5 pixels go to the even neighbour.
const ScaleCase kScaleCases[] = {
    {{400, 300}, 200, PictureSize{800, 600}}, {{5, 3}, 50, PictureSize{2, 2}},  // 2.5 -> 2, 1.5 -> 2
    {{7, 9}, 50, PictureSize{4, 4}},  // 3.5 -> 4, 4.5 -> 4
    {{101, 33}, 33.3L, PictureSize{34, 11}}, {{400, 300}, 0.5L, PictureSize{2, 2}},  // 2 x 1.5
    {{400, 300}, -50, std::nullopt},
    {{3, 3}, 10, std::nullopt},              // 0.3 pixels
    {{1, 1}, 4000000, std::nullopt},         // 40000 pixels a side
    {{1000, 1000}, 1000, std::nullopt},      // 100 million pixels
    {{1000, 800}, 800, PictureSize{8000, 6400}},
};

class ScaledSizeTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaledSizeTest, Size) {
  const ScaleCase& c = GetParam();
  EXPECT_EQ(ScaledSize(c.size, c.percent), c.expected) << c.size.width << "x" << c.size.height << " "
                                                        << static_cast<double>(c.percent);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScaledSizeTest, ::testing::ValuesIn(kScaleCases));

struct PercentCase {
  const char* text;
  std::optional<Extended> expected;
};

// The tests run with the decimal comma.
const PercentCase kPercentCases[] = {
    {" 100 ", 100.0L}, {"12,5", 12.5L}, {"", std::nullopt}, {"50%", std::nullopt}, {"1e9999", std::nullopt},
};

class PercentTest : public ::testing::TestWithParam<PercentCase> {};

TEST_P(PercentTest, Reads) { EXPECT_EQ(PercentFromText(GetParam().text), GetParam().expected) << GetParam().text; }

INSTANTIATE_TEST_SUITE_P(Cases, PercentTest, ::testing::ValuesIn(kPercentCases));

}  // namespace
}  // namespace lumatik
