#include <gtest/gtest.h>

#include "screenshot/capture_geometry.h"

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

struct PlaceCase {
  int screenWidth, screenHeight, width, height;
  MarkerPlaces expected;
};

const PlaceCase kPlaceCases[] = {
    // Odd differences lose their half pixel.
    {801, 601, 200, 100, {300, 250, 200, 150, 500, 350}},
    // A window wider than the screen: the half is cut towards zero.
    {100, 100, 203, 25, {-51, 37, -151, -63, 149, 137}},
};

class PlaceMarkersTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceMarkersTest, Places) {
  const PlaceCase& c = GetParam();
  EXPECT_EQ(PlaceMarkers(c.screenWidth, c.screenHeight, c.width, c.height), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlaceMarkersTest, ::testing::ValuesIn(kPlaceCases));

}  // namespace
}  // namespace lumatik
