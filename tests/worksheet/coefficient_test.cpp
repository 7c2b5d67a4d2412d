// The numbers behind the equation commands: exact fractions that refuse to
// overflow, typed values recognised as the fractions they stand for, and
// approximate values whose zero test scales with the size of their terms.

#include <gtest/gtest.h>

#include <cmath>

#include "support/engine_state.h"
#include "worksheet/coefficient.h"

namespace lumatik {
namespace {

using Int = __int128;

SmallRational Q(long long num, long long den) { return *SmallRational::Make(num, den); }

TEST(SmallRationalTest, KeepsFractionsReducedWithTheSignInTheNumerator) {
  const SmallRational r = Q(6, -8);
  EXPECT_EQ(static_cast<long long>(r.num()), -3);
  EXPECT_EQ(static_cast<long long>(r.den()), 4);
  EXPECT_FALSE(SmallRational::Make(1, 0));
  EXPECT_EQ(*Sum(Q(1, 6), Q(1, 3)), Q(1, 2));
  EXPECT_EQ(*Difference(Q(1, 3), Q(1, 3)), SmallRational(0));
  EXPECT_EQ(*Product(Q(-4, 9), Q(3, 8)), Q(-1, 6));
  EXPECT_EQ(*Quotient(Q(2, 3), Q(-4, 9)), Q(-3, 2));
  EXPECT_FALSE(Quotient(Q(2, 3), SmallRational(0)));
}

TEST(SmallRationalTest, ReportsOverflowInsteadOfWrapping) {
  const SmallRational big = *SmallRational::Make(Int(1) << 100, 3);
  EXPECT_FALSE(Product(big, big));
  EXPECT_FALSE(Sum(*SmallRational::Make((Int(1) << 119) + 1, 1), *SmallRational::Make((Int(1) << 119) + 1, 1)));
  const SmallRational tiny = *SmallRational::Make(1, Int(1) << 100);
  EXPECT_FALSE(Sum(tiny, *SmallRational::Make(1, (Int(1) << 100) - 1)));
  EXPECT_FALSE(SmallRational::Make(Int(1) << 121, 1));
}

struct RootCase {
  long long num, den;
  bool square;   // has an exact square root
  bool cube;     // has an exact cube root
};

TEST(SmallRationalTest, ExactRootsOnlyOfSquaresAndCubes) {
  for (const RootCase& c : {RootCase{4, 9, true, false}, RootCase{-8, 27, false, true}, RootCase{64, 1, true, true},
                            RootCase{2, 1, false, false}, RootCase{0, 1, true, true}, RootCase{-4, 1, false, false},
                            RootCase{1000000000000000000LL, 1, true, true}, RootCase{999999999999999999LL, 1, false, false}}) {
    const SmallRational r = Q(c.num, c.den);
    const std::optional<SmallRational> square = r.squareRoot();
    const std::optional<SmallRational> cube = r.cubeRoot();
    EXPECT_EQ(square.has_value(), c.square) << c.num << "/" << c.den;
    EXPECT_EQ(cube.has_value(), c.cube) << c.num << "/" << c.den;
    if (square) {
      EXPECT_EQ(*Product(*square, *square), r);
    }
    if (cube) {
      EXPECT_EQ(*Product(*Product(*cube, *cube), *cube), r);
    }
  }
}

struct TypedCase {
  const char* name;
  long double value;
  bool exact;
  long long num, den;
};

TEST(SmallRationalTest, RecognisesTypedFractionsButNoIrrationalValues) {
  for (const TypedCase& c : {TypedCase{"2/3", 2.0L / 3, true, 2, 3}, TypedCase{"0,1", 0.1L, true, 1, 10},
                             TypedCase{"-7/12", -7.0L / 12, true, -7, 12}, TypedCase{"1000/3", 1000.0L / 3, true, 1000, 3},
                             TypedCase{"2,00000001", 2.00000001L, true, 200000001, 100000000},
                             TypedCase{"-42", -42, true, -42, 1}, TypedCase{"0", 0, true, 0, 1},
                             TypedCase{"sqrt(2)", std::sqrt(2.0L), false, 0, 0},
                             TypedCase{"Pi", 3.14159265358979323846L, false, 0, 0},
                             TypedCase{"1E-30", 1e-30L, false, 0, 0},
                             TypedCase{"0,333333333333", 0.333333333333L, false, 0, 0},
                             TypedCase{"42,7256600888211880", 42.7256600888211880L, false, 0, 0}}) {
    const std::optional<SmallRational> r = RecogniseSmallFraction(c.value);
    ASSERT_EQ(r.has_value(), c.exact) << c.name;
    if (r) {
      EXPECT_EQ(*r, Q(c.num, c.den)) << c.name;
    }
  }
}

TEST(SmallRationalTest, HardlyEverTakesAnIrrationalValueForAFraction) {
  int taken = 0;
  for (int n = 1; n <= 5000; ++n) {
    const long double values[] = {n * 3.14159265358979323846L / 7, std::sqrt(static_cast<long double>(n) + 0.5L),
                                  std::log(static_cast<long double>(n) + 1.5L) * 1000};
    for (const long double v : values) taken += RecogniseSmallFraction(v) ? 1 : 0;
  }
  EXPECT_LE(taken, 3);
}

class CoefficientTest : public testing::EngineTest {};

TEST_F(CoefficientTest, TypedFractionsDecideExactly) {
  // x^2 + 2/3 x + 1/9 has the double root -1/3: its discriminant is 0, not
  // the 2.7E-20 that floating point leaves.
  const Coefficient b = Coefficient::Typed(2.0L / 3);
  const Coefficient c = Coefficient::Typed(1.0L / 9);
  const Coefficient d = b * b - 4 * c;
  EXPECT_TRUE(d.isExact());
  EXPECT_EQ(d.sign(), 0);
  // A discriminant of 1e-16 between two close roots is a real one.
  const Coefficient close = Coefficient::Typed(2.00000001L) * Coefficient::Typed(2.00000001L) -
                            4 * Coefficient::Typed(1.00000001L);
  EXPECT_EQ(close.sign(), 1);
  EXPECT_EQ(ExactTextOf(close), "1E-16");
}

TEST_F(CoefficientTest, ApproximateValuesAreZeroWithinTheNoiseOfTheirTerms) {
  const long double root2 = std::sqrt(2.0L);
  const Coefficient b = Coefficient::Approximate(2 * root2, 2 * root2);
  EXPECT_EQ((b * b - 8).sign(), 0);  // (2*sqrt(2))^2 - 8
  const Coefficient shifted = Coefficient::Approximate(2 * root2 + 1e-9L, 2 * root2);
  EXPECT_EQ((shifted * shifted - 8).sign(), 1);
  // Large terms that cancel leave noise of their size, not of the result.
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
  EXPECT_EQ(ExactTextOf(Coefficient::Approximate(3e-13L, 1e-12L)), "1/3333333333333");
  // Fractions too long for the display stay decimals.
  EXPECT_EQ(MixedText(Coefficient(*SmallRational::Make(123456789, 1000000007))), "0,123456788135802483");
  EXPECT_EQ(MixedText(Coefficient(*SmallRational::Make(-80, 3))), "-26'2/3");
  EXPECT_EQ(SignedText(Coefficient(*SmallRational::Make(35, 108))), "+35/108");
  EXPECT_EQ(SignedText(Coefficient(0)), "+0");
}

TEST_F(CoefficientTest, SolutionsNearAFractionBecomeExactWhenTheFractionSolves) {
  // 3x^3 - 2x^2 - 3x + 2 = (3x - 2)(x - 1)(x + 1)
  const Polynomial cubic{3, -2, -3, 2};
  const Coefficient x = RefinedSolution(Coefficient::Approximate(2.0L / 3 + 1e-12L, 1), cubic);
  ASSERT_TRUE(x.isExact());
  EXPECT_EQ(*x.exact(), Q(2, 3));
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
  EXPECT_EQ(*CubeRootOf(Coefficient(*SmallRational::Make(-8, 27))).exact(), Q(-2, 3));
}

}  // namespace
}  // namespace lumatik
