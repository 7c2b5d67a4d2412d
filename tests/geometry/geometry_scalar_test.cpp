// The geometry's 3x3 solver in both kinds of number: a singular system is
// never solved on rounding noise.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "geometry/geometry_scalar.h"

namespace lumatik {
namespace {

template <class T>
std::optional<std::array<T, 3>> Solve(const long double (&rows)[3][4]) {
  std::array<std::array<T, 4>, 3> typed;
  for (int r = 0; r < 3; ++r) {
    for (int k = 0; k < 4; ++k) typed[r][k] = InputAs<T>(rows[r][k]);
  }
  return Solve3x3(typed);
}

TEST(GeometryScalarTest, SolverFindsTheUniqueSolutionOrNone) {
  // x = 1, y = -2, z = 1/2 with a zero first pivot.
  const long double unique[3][4] = {{0, 1, 2, -1}, {2, 0, -2, 1}, {1, 1, 0, -1}};
  const long double dependent[3][4] = {{0.1L, 0.2L, 0.3L, 1}, {0.4L, 0.5L, 0.6L, 2}, {0.7L, 0.8L, 0.9L, 3}};
  const long double flat[3][4] = {{1, 2, 3, 1}, {2, 4, 6, 2}, {0, 0, 0, 0}};
  const auto exact = Solve<mpq_class>(unique);
  ASSERT_TRUE(exact.has_value());
  EXPECT_TRUE((*exact)[0] == 1 && (*exact)[1] == -2 && (*exact)[2] == mpq_class(1, 2));
  const auto floating = Solve<Extended>(unique);
  ASSERT_TRUE(floating.has_value());
  EXPECT_NEAR(static_cast<double>((*floating)[1]), -2, 1e-15);
  // Dependent rows stay unsolved in both kinds of arithmetic, decimals too.
  EXPECT_FALSE(Solve<mpq_class>(dependent).has_value());
  EXPECT_FALSE(Solve<Extended>(dependent).has_value());
  EXPECT_FALSE(Solve<Extended>(flat).has_value());
}

}  // namespace
}  // namespace lumatik
