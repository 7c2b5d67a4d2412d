#include <gtest/gtest.h>

#include <optional>

#include "screenshot/picture_scale.h"

namespace lumatik {
namespace {

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
    {" 100 ", 100.0L}, {"12,5", 12.5L}, {"1E2", 100.0L}, {"", std::nullopt}, {"50%", std::nullopt},
    {"1e9999", std::nullopt},
};

class PercentTest : public ::testing::TestWithParam<PercentCase> {};

TEST_P(PercentTest, Reads) { EXPECT_EQ(PercentFromText(GetParam().text), GetParam().expected) << GetParam().text; }

INSTANTIATE_TEST_SUITE_P(Cases, PercentTest, ::testing::ValuesIn(kPercentCases));

}  // namespace
}  // namespace lumatik
