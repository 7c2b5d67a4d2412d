// Exact fractions: plain numbers read as written, the fraction an extended
// value stands for under each rule, exact roots, rounding and texts.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <tuple>

#include "exact/rational.h"
#include "shell/text_helpers.h"

namespace lumatik {
namespace {

// The fraction as GMP writes it ("-3/2"), or "none".
std::string Text(const std::optional<mpq_class>& fraction) { return fraction ? fraction->get_str() : "none"; }

TEST(ReadRationalLiteral, ReadsThePlainNumberFormats) {
  const std::pair<const char*, const char*> cases[] = {
      {"1,5/2", "3/4"}, {"-1'1/2", "-3/2"}, {"-1,5E-20", "-3/200000000000000000000"}, {"1 234", "1234"},
      {"+5", "5"}, {".5", "1/2"}, {"5.", "5"}, {"123456789012345678901234567890/3", "41152263004115226300411522630"},
      {"", "none"}, {"-", "none"}, {"1/0", "none"}, {"2*3", "none"}, {"1/2/3", "none"}, {"1'1", "none"},
      {"1E", "none"}, {"1,2,3", "none"}, {"1/-2", "none"}, {"1E999999", "none"}, {"1''2/3", "none"}};
  for (const auto& [text, value] : cases) EXPECT_EQ(Text(ReadRationalLiteral(text)), value) << text;
}

TEST(ToExtended, IsTheCorrectlyRoundedQuotient) {
  // Integers below 2^63 are exact in the 64-bit mantissa, so one extended
  // division rounds the true quotient correctly.
  std::mt19937_64 random(20261212);
  for (int i = 0; i < 20000; ++i) {
    const long num = static_cast<long>(random() >> (1 + random() % 63)) * (i % 2 ? -1 : 1);
    const long den = static_cast<long>(random() >> (1 + random() % 63)) + 1;
    mpq_class q{mpz_class(num), mpz_class(den)};
    q.canonicalize();
    EXPECT_EQ(ToExtended(q), static_cast<Extended>(num) / static_cast<Extended>(den)) << num << "/" << den;
  }
}

TEST(ToExtended, RoundsHalfwayToEvenAndKeepsHugeFractions) {
  const mpz_class two64 = mpz_class(1) << 64;
  EXPECT_EQ(ToExtended(mpq_class(two64 + 1)), std::ldexp(1.0L, 64));  // tie: even mantissa below
  EXPECT_EQ(ToExtended(mpq_class(two64 + 3)), std::ldexp(1.0L, 64) + 4);  // tie: even mantissa above
  EXPECT_EQ(ToExtended(mpq_class(two64 + 5)), std::ldexp(1.0L, 64) + 4);
  const mpz_class big = mpz_class(1) << 300;
  EXPECT_EQ(ToExtended(mpq_class(3 * big + 1, big)), 3.0L);
  EXPECT_EQ(ToExtended(mpq_class(-1, 3 * big)), -1.0L / 3 / std::ldexp(1.0L, 300));
  EXPECT_EQ(ToExtended(mpq_class(0)), 0.0L);
}

// Below 10^18 an integer reads as the 18-digit decimal writes it, beyond
// that with all its digits.
TEST(RationalTexts, FractionsInFullAndIntegersGroupedLikeTheDecimals) {
  EXPECT_EQ(RationalText(mpq_class(-46, 11)), "-46/11");
  for (const long value : {0L, 7L, -12L, 999L, 1000L, -1234567L, 123456789012345678L, -999999999999999999L}) {
    EXPECT_EQ(IntegerDecimalText(mpz_class(value)), FloatText18(static_cast<Extended>(value))) << value;
  }
  EXPECT_EQ(IntegerDecimalText(mpz_class("-1000000000000000000")), "-1 000 000 000 000 000 000");
  EXPECT_EQ(IntegerDecimalText(mpz_class("123456789012345678901234567890")), "123 456 789 012 345 678 901 234 567 890");
}

using RecognitionCase = std::tuple<const char*, long double, const char*>;  // name, value, fraction or "none"

// The equations take integers, decimals with up to eight places and
// fractions with small denominators.
TEST(RecogniseTypedFraction, TypedFractionsButNoIrrationalValues) {
  const RecognitionCase cases[] = {
      {"-7/12", -7.0L / 12, "-7/12"}, {"1000/3", 1000.0L / 3, "1000/3"}, {"-42", -42, "-42"},
      {"2,00000001", 2.00000001L, "200000001/100000000"}, {"1E-30", 1e-30L, "none"},
      {"0,333333333333", 0.333333333333L, "none"}, {"42,7256600888211880", 42.7256600888211880L, "none"}};
  for (const auto& [name, value, fraction] : cases) EXPECT_EQ(Text(RecogniseTypedFraction(value)), fraction) << name;
}

TEST(RecogniseTypedFraction, HardlyEverTakesAnIrrationalValueForAFraction) {
  int taken = 0;
  for (int n = 1; n <= 5000; ++n) {
    const long double values[] = {n * 3.14159265358979323846L / 7, std::sqrt(static_cast<long double>(n) + 0.5L),
                                  std::log(static_cast<long double>(n) + 1.5L) * 1000};
    for (const long double v : values) taken += RecogniseTypedFraction(v) ? 1 : 0;
  }
  EXPECT_LE(taken, 3);
}

// The geometry takes a fraction only when the display would print it and
// its quotient is the value to the last bit.
TEST(RecogniseDisplayedFraction, FractionsTheDisplayPrintsOnly) {
  const RecognitionCase cases[] = {
      {"-2,35", -2.35L, "-47/20"}, {"1E-7", 1e-7L, "1/10000000"}, {"1E14", 1e14L, "100000000000000"}, {"0", 0, "0"},
      {"sqrt(2)", std::sqrt(2.0L), "none"}, {"1E20", 1e20L, "none"}, {"1/3+1E-17", 1.0L / 3 + 1e-17L, "none"}};
  for (const auto& [name, value, expected] : cases) {
    const auto fraction = RecogniseDisplayedFraction(value);
    EXPECT_EQ(Text(fraction), expected) << name;
    EXPECT_TRUE(!fraction || ToExtended(*fraction) == value) << name;
  }
}

TEST(ExactRoots, OnlyOfSquaresAndCubes) {
  const std::tuple<const char*, const char*, const char*> cases[] = {  // fraction, square root, cube root
      {"4/9", "2/3", "none"}, {"-8/27", "none", "-2/3"}, {"64", "8", "4"}, {"0", "0", "0"},
      {"-4", "none", "none"}, {"2/9", "none", "none"}, {"999999999999999999", "none", "none"},
      // Far beyond 128 bits: (10^30 + 1)^2 and its cube.
      {"1000000000000000000000000000002000000000000000000000000000001", "1000000000000000000000000000001", "none"},
  };
  for (const auto& [fraction, square, cube] : cases) {
    EXPECT_EQ(Text(ExactSquareRoot(mpq_class(fraction))), square) << fraction;
    EXPECT_EQ(Text(ExactCubeRoot(mpq_class(fraction))), cube) << fraction;
  }
}

}  // namespace
}  // namespace lumatik
