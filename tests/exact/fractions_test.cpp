// Fraction recognition, checked against exact rationals.

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "exact/fractions.h"
#include "shell/floatformat.h"

namespace lumatik {
namespace {

struct FractionCase {
  Extended value;
  const char* plain;
  const char* mixed;
};

class NumberTextTable : public ::testing::TestWithParam<FractionCase> {};

TEST_P(NumberTextTable, PlainAndMixed) {
  EXPECT_EQ(NumberText(GetParam().value), GetParam().plain);
  EXPECT_EQ(NumberTextMixed(GetParam().value), GetParam().mixed);
}

INSTANTIATE_TEST_SUITE_P(
    Fractions, NumberTextTable,
    ::testing::Values(FractionCase{0.5L, "1/2", "1/2"},
                      FractionCase{1886.0L / 1155, "1886/1155", "1'731/1155"},
                      FractionCase{80.0L / 3, "80/3", "26'2/3"},
                      FractionCase{-80.0L / 3, "-80/3", "-26'2/3"},
                      FractionCase{118, "118", "118"},
                      FractionCase{-5, "-5", "-5"},
                      FractionCase{0, "0", "0"},
                      FractionCase{1.0L / 3, "1/3", "1/3"},
                      FractionCase{0.1L, "1/10", "1/10"},
                      // One rounding error away from 80/3 is still 80/3.
                      FractionCase{1.0L / 3 * 125 - 15, "80/3", "26'2/3"},
                      FractionCase{3.14159265358979323846L, "3,14159265358979324", "3,14159265358979324"},
                      FractionCase{1e-25L, "1E-25", "1E-25"}));

TEST(FractionSuffix, OnlyShortFractions) {
  EXPECT_EQ(FractionSuffix(1.0L / 3), "=1/3");
  EXPECT_EQ(FractionSuffix(1886.0L / 1155), "=1886/1155");
  EXPECT_EQ(FractionSuffix(1234567.0L / 890), "");
  EXPECT_EQ(FractionSuffix(2), "");
}

TEST(FindFraction, ReproducesSmallFractionsExactly) {
  // Every p/q with small p and q must come back as itself, reduced.
  for (int q = 1; q <= 60; ++q) {
    for (int p = -70; p <= 70; ++p) {
      Extended num = 0;
      Extended den = 0;
      const Extended value = static_cast<Extended>(p) / q;
      if (p == 0) continue;
      ASSERT_TRUE(FindFraction(num, den, value, 1e-18L)) << p << "/" << q;
      const int g = std::gcd(std::abs(p), q);
      EXPECT_EQ(num, p / g) << p << "/" << q;
      EXPECT_EQ(den, q / g) << p << "/" << q;
    }
  }
}

TEST(FindFraction, FailsOnOverflowingConvergents) {
  Extended num = 0;
  Extended den = 0;
  EXPECT_TRUE(FindFraction(num, den, std::sqrt(2.0L), 1e-18L) == false || std::fabs(num * den) > 1e14L);
  EXPECT_EQ(FractionText(false, std::sqrt(2.0L), 1e-18L), "");
}

TEST(WholeNumbers, ToleranceIsHalfOpen) {
  EXPECT_TRUE(IsWholeNumber(2.9999999999999L, 1e-12L));
  EXPECT_TRUE(IsWholeNumber(3.0000000000001L, 1e-12L));
  EXPECT_FALSE(IsWholeNumber(2.99999999999L, 1e-12L));
  EXPECT_FALSE(IsWholeNumber(3.000000000002L, 1e-12L));
  EXPECT_TRUE(IsWholeNumber(-3, 1e-12L));
}

TEST(IntegerRoutines, EuclidAndOverflow) {
  EXPECT_EQ(GcdOf(12, 18), 6);
  EXPECT_EQ(GcdOf(-12, 18), 6);
  EXPECT_EQ(GcdOf(12, 0), 12);
  EXPECT_EQ(GcdInt(-12, 18), 6);
  EXPECT_TRUE(std::isinf(IntDiv(1, 0)));
  EXPECT_TRUE(std::isinf(ModOf(1, 0)));
  EXPECT_EQ(IntDiv(-7, 2), -3);
  EXPECT_EQ(ModOf(-7, 2), -1);
  EXPECT_TRUE(IsOdd(7));
  EXPECT_FALSE(IsOdd(-7));
  EXPECT_TRUE(std::isinf(AddChecked(9e18L, 9e18L)));
  EXPECT_EQ(AddChecked(1, 2), 3);
  Extended num = 12;
  Extended den = -18;
  ReduceFraction(num, den);
  EXPECT_EQ(num, 2);
  EXPECT_EQ(den, -3);
}

}  // namespace
}  // namespace lumatik
