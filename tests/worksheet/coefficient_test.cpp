// The numbers behind the equation commands, where the generated equations
// do not reach: noise of large terms, the texts, refined and noisy roots.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/engine_state.h"
#include "worksheet/coefficient.h"

namespace lumatik {
namespace {

class CoefficientTest : public testing::EngineTest {};

// Large terms that cancel leave noise of their size, not of the result.
TEST_F(CoefficientTest, ApproximateValuesAreZeroWithinTheNoiseOfTheirTerms) {
  const Coefficient big = Coefficient::Approximate(1e10L / 3, 1e10L / 3);
  EXPECT_EQ((big * 3 - Coefficient::Typed(1e10L)).sign(), 0);
  EXPECT_EQ((big * 3 - Coefficient::Typed(9999999999.0L)).sign(), 1);
}

TEST_F(CoefficientTest, ShownValuesLeaveTheNoiseOut) {
  EXPECT_EQ(MixedText(Coefficient::Approximate(1.0L / 3 + 1e-18L, 1)), "1/3");
  EXPECT_EQ(MixedText(Coefficient::Approximate(-1 - 1e-18L, 4)), "-1");
  EXPECT_EQ(GroupedText18(Coefficient::Approximate(-5e-18L, 30)), "0");
  EXPECT_EQ(ExactTextOf(Coefficient::Approximate(std::sqrt(2.0L), 2)), "sqrt(2)");
  // A small value that is no noise is no integer either.
  EXPECT_EQ(ExactTextOf(Coefficient::Approximate(3e-13L, 1e-12L)), "3/10000000000000");
  // Fractions too long for the display stay decimals.
  EXPECT_EQ(MixedText(Coefficient(mpq_class(123456789, 1000000007))), "0,123456788135802483");
  EXPECT_EQ(SignedText(Coefficient(0)), "+0");
  // A cubic with coefficients near 10^1600 overflows the noise bound; the
  // value is shown as it is (the search ran forever).
  const Extended huge = 3e4800L;
  EXPECT_EQ(ShownValue(Coefficient::Approximate(huge, std::numeric_limits<Extended>::quiet_NaN())), huge);
}

TEST_F(CoefficientTest, SolutionsNearAFractionBecomeExactWhenTheFractionSolves) {
  // 3x^3 - 2x^2 - 3x + 2 = (3x - 2)(x - 1)(x + 1)
  const Polynomial cubic{3, -2, -3, 2};
  const Coefficient x = RefinedSolution(Coefficient::Approximate(2.0L / 3 + 1e-12L, 1), cubic);
  ASSERT_TRUE(x.isExact());
  EXPECT_EQ(*x.exact(), mpq_class(2, 3));
  // sqrt(2) is no fraction: it stays approximate, polished to full accuracy.
  const Polynomial square{1, 0, -2};
  const Coefficient root = RefinedSolution(Coefficient::Approximate(std::sqrt(2.0L) + 1e-12L, 2), square);
  EXPECT_FALSE(root.isExact());
  EXPECT_NEAR(static_cast<double>(root.value() - std::sqrt(2.0L)), 0, 1e-18);
}

TEST_F(CoefficientTest, RootsOfNoiseAreZero) {
  EXPECT_EQ(CubeRootOf(Coefficient::Approximate(1e-19L, 64)).value(), 0);
  EXPECT_EQ(SquareRootOf(Coefficient::Approximate(-1e-19L, 64)).value(), 0);
  EXPECT_THROW(SquareRootOf(Coefficient::Approximate(-1e-3L, 64)), std::domain_error);
  EXPECT_EQ(*CubeRootOf(Coefficient(mpq_class(-8, 27))).exact(), mpq_class(-2, 3));
}

}  // namespace
}  // namespace lumatik
