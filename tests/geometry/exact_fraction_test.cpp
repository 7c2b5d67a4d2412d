// The exact fractions behind the geometry commands and the 3x3 solver: typed
// values become fractions only when they are ones, overflow is reported,
// and a singular system is never solved on rounding noise.

#include "geometry/exact_fraction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "geometry/geometry_scalar.h"

namespace lumatik {
namespace {

TEST(ExactFractionTest, TypedValuesAreFractionsOnlyWhenTheyAreOnes) {
  struct Case {
    Extended typed;
    long long num, den;  // den 0: no exact fraction
  };
  const Case cases[] = {
      {3, 3, 1},
      {-0.25L, -1, 4},
      {1.0L / 3, 1, 3},
      {0.1L, 1, 10},
      {-2.35L, -47, 20},
      {1e-7L, 1, 10000000},
      {1e14L, 100000000000000, 1},
      {0, 0, 1},
      {std::sqrt(2.0L), 0, 0},
      {3.14159265358979323846L, 0, 0},
      {1e20L, 0, 0},
      {1.0L / 3 + 1e-17L, 0, 0},
  };
  for (const Case& c : cases) {
    const std::optional<ExactFraction> f = ExactFraction::FromExtended(c.typed);
    ASSERT_EQ(f.has_value(), c.den != 0) << static_cast<double>(c.typed);
    if (!f) continue;
    EXPECT_TRUE(f->num() == c.num && f->den() == c.den) << static_cast<double>(c.typed);
    EXPECT_EQ(f->value(), c.typed);
  }
}

TEST(ExactFractionTest, ArithmeticIsExactAndOverflowIsReported) {
  const ExactFraction third = *ExactFraction::FromExtended(1.0L / 3);
  const ExactFraction tenth = *ExactFraction::FromExtended(0.1L);
  EXPECT_TRUE((third + third + third) == ExactFraction(1));
  EXPECT_TRUE((tenth * 3 - ExactFraction(3) / 10).isZero());
  EXPECT_EQ((third / tenth).value(), 10.0L / 3);
  EXPECT_TRUE(*(ExactFraction(9) / 4).exactSquareRoot() == ExactFraction(3) / 2);
  EXPECT_FALSE((ExactFraction(2) / 9).exactSquareRoot().has_value());
  ExactFraction big = ExactFraction(1000000007);
  EXPECT_THROW(
      {
        for (int i = 0; i < 10; ++i) big = big * big;
      },
      ExactOverflow);
  EXPECT_THROW(third / ExactFraction(0), std::domain_error);
}

template <class T>
std::optional<std::array<T, 3>> Solve(const long double (&rows)[3][4]) {
  std::array<std::array<T, 4>, 3> typed;
  for (int r = 0; r < 3; ++r) {
    for (int k = 0; k < 4; ++k) typed[r][k] = InputAs<T>(rows[r][k]);
  }
  return Solve3x3(typed);
}

TEST(ExactFractionTest, SolverFindsTheUniqueSolutionOrNone) {
  // x = 1, y = -2, z = 1/2 with a zero first pivot.
  const long double unique[3][4] = {{0, 1, 2, -1}, {2, 0, -2, 1}, {1, 1, 0, -1}};
  const long double dependent[3][4] = {{0.1L, 0.2L, 0.3L, 1}, {0.4L, 0.5L, 0.6L, 2}, {0.7L, 0.8L, 0.9L, 3}};
  const long double flat[3][4] = {{1, 2, 3, 1}, {2, 4, 6, 2}, {0, 0, 0, 0}};
  const auto exact = Solve<ExactFraction>(unique);
  ASSERT_TRUE(exact.has_value());
  EXPECT_TRUE((*exact)[0] == ExactFraction(1) && (*exact)[1] == ExactFraction(-2) &&
              (*exact)[2] == ExactFraction(1) / 2);
  const auto floating = Solve<Extended>(unique);
  ASSERT_TRUE(floating.has_value());
  EXPECT_NEAR(static_cast<double>((*floating)[1]), -2, 1e-15);
  // Dependent rows stay unsolved in both kinds of arithmetic, decimals too.
  EXPECT_FALSE(Solve<ExactFraction>(dependent).has_value());
  EXPECT_FALSE(Solve<Extended>(dependent).has_value());
  EXPECT_FALSE(Solve<Extended>(flat).has_value());
}

}  // namespace
}  // namespace lumatik
