// Fraction recognition, checked against exact rationals.

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "exact/fractions.h"
#include "shell/floatformat.h"

namespace lumatik {
namespace {

TEST(NumberText, PlainAndMixed) {
  const struct {
    Extended value;
    const char* plain;
    const char* mixed;
  } cases[] = {
      {1886.0L / 1155, "1886/1155", "1'731/1155"}, {80.0L / 3, "80/3", "26'2/3"}, {-80.0L / 3, "-80/3", "-26'2/3"},
      {118, "118", "118"}, {-5, "-5", "-5"}, {0, "0", "0"}, {1.0L / 3, "1/3", "1/3"}, {0.1L, "1/10", "1/10"},
      // One rounding error away from 80/3 is still 80/3.
      {1.0L / 3 * 125 - 15, "80/3", "26'2/3"},
      {3.14159265358979323846L, "3,14159265358979324", "3,14159265358979324"}, {1e-25L, "1E-25", "1E-25"}};
  for (const auto& c : cases) {
    EXPECT_EQ(NumberText(c.value), c.plain);
    EXPECT_EQ(NumberTextMixed(c.value), c.mixed);
  }
  EXPECT_EQ(FractionSuffix(1886.0L / 1155), "=1886/1155");
  EXPECT_EQ(FractionSuffix(1234567.0L / 890), "");
  EXPECT_EQ(FractionSuffix(2), "");
}

TEST(FindFraction, ReproducesSmallFractionsExactly) {
  // Every p/q with small p and q must come back as itself, reduced.
  for (int q = 1; q <= 60; ++q) {
    for (int p = -70; p <= 70; ++p) {
      Extended num = 0, den = 0;
      if (p == 0) continue;
      ASSERT_TRUE(FindFraction(num, den, static_cast<Extended>(p) / q, 1e-18L)) << p << "/" << q;
      const int g = std::gcd(std::abs(p), q);
      EXPECT_EQ(num, p / g) << p << "/" << q;
      EXPECT_EQ(den, q / g) << p << "/" << q;
    }
  }
  // An irrational value needs convergents too long for any fraction text.
  Extended num = 0, den = 0;
  FindFraction(num, den, std::sqrt(2.0L), 1e-18L);
  EXPECT_GT(std::fabs(num * den), 1e14L);
  EXPECT_EQ(FractionText(false, std::sqrt(2.0L), 1e-18L), "");
}

TEST(IntegerRoutines, EuclidToleranceAndOverflow) {
  EXPECT_TRUE(IsWholeNumber(2.9999999999999L, 1e-12L));
  EXPECT_FALSE(IsWholeNumber(3.000000000002L, 1e-12L));
  EXPECT_EQ(GcdOf(-12, 18), 6);
  EXPECT_EQ(GcdInt(-12, 18), 6);
  EXPECT_TRUE(std::isinf(IntDiv(1, 0)));
  EXPECT_TRUE(std::isinf(ModOf(1, 0)));
  EXPECT_EQ(IntDiv(-7, 2), -3);
  EXPECT_EQ(ModOf(-7, 2), -1);
  EXPECT_FALSE(IsOdd(-7));
  EXPECT_TRUE(std::isinf(AddChecked(9e18L, 9e18L)));
  Extended num = 12;
  Extended den = -18;
  ReduceFraction(num, den);
  EXPECT_EQ(num, 2);
  EXPECT_EQ(den, -3);
}

}  // namespace
}  // namespace lumatik
