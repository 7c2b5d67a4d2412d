// The number patterns of the worked texts, with the decimal comma.

#include "discuss/number_patterns.h"

#include <gtest/gtest.h>

namespace lumatik {
namespace {

struct DecimalsCase {
  Extended value;
  int decimals;
  const char* text;
};

class DecimalsPattern : public ::testing::TestWithParam<DecimalsCase> {};

TEST_P(DecimalsPattern, RoundsAndDropsTrailingZeros) {
  EXPECT_EQ(DecimalsText(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecimalsPattern,
    ::testing::Values(DecimalsCase{1.41421356237309505L, 14, "1,4142135623731"}, DecimalsCase{0.5L, 0, "1"},
                      // A value that rounds to zero is written without a sign.
                      DecimalsCase{-0.00004L, 4, "0"}, DecimalsCase{-0.99996L, 4, "-1"}, DecimalsCase{1e20L, 3, "1E20"}));

TEST(OneDigitScientificPattern, OneSignificantDigit) {
  EXPECT_EQ(OneDigitScientificText(-45678), "-5E4");
  EXPECT_EQ(OneDigitScientificText(9.6e-8L), "1E-7");
  EXPECT_EQ(OneDigitScientificText(7), "7E0");
  EXPECT_EQ(OneDigitScientificText(0), "0E0");
}

}  // namespace
}  // namespace lumatik
