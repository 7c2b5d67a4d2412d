// Exact fractions for the linear systems and the reading of one typed
// value: plain numbers exactly as written, terms through the engine, and
// terms the engine cannot compute reported instead of read as some number.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "expr/lumath.h"
#include "shell/codepage.h"
#include "shell/luhilf.h"
#include "support/engine_state.h"
#include "worksheet/exact_rational.h"
#include "worksheet/typed_value.h"

namespace lumatik {
namespace {

struct LiteralCase {
  const char* text;
  const char* value;  // mpq text; nullptr: no literal
};

TEST(ReadRationalLiteral, ReadsThePlainNumberFormats) {
  const LiteralCase cases[] = {
      {"-3", "-3"},         {"0,25", "1/4"},          {"1.5", "3/2"},
      {"7/3", "7/3"},       {"1,5/2", "3/4"},         {"-1'1/2", "-3/2"},
      {"26'2/3", "80/3"},   {"2E5", "200000"},        {"-1,5E-20", "-3/200000000000000000000"},
      {"1 234", "1234"},    {"+5", "5"},              {".5", "1/2"},
      {"5.", "5"},          {"-0", "0"},              {"123456789012345678901234567890/3", "41152263004115226300411522630"},
      {"", nullptr},        {"-", nullptr},           {"1/0", nullptr},
      {"2*3", nullptr},     {"Pi", nullptr},          {"1/2/3", nullptr},
      {"1'1", nullptr},     {"(1/2)", nullptr},       {"1E", nullptr},
      {"1,2,3", nullptr},   {"wur(3)", nullptr},      {"1/-2", nullptr},
      {"1E999999", nullptr}, {"3x", nullptr},         {"1''2/3", nullptr},
  };
  for (const LiteralCase& c : cases) {
    const auto value = ReadRationalLiteral(c.text);
    if (c.value == nullptr) {
      EXPECT_FALSE(value) << c.text;
    } else {
      ASSERT_TRUE(value) << c.text;
      EXPECT_EQ(value->get_str(), c.value) << c.text;
    }
  }
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

TEST(RationalTexts, FractionsInFullAndIntegersGroupedLikeTheDecimals) {
  EXPECT_EQ(RationalText(mpq_class(-46, 11)), "-46/11");
  EXPECT_EQ(RationalText(mpq_class(5)), "5");
  EXPECT_EQ(RationalText(mpq_class(0)), "0");
  // Below 10^18 an integer reads as the 18-digit decimal writes it, beyond
  // that with all its digits.
  for (const long value : {0L, 7L, -12L, 999L, 1000L, -1234567L, 123456789012345678L, -999999999999999999L}) {
    EXPECT_EQ(IntegerDecimalText(mpz_class(value)), FloatText18(static_cast<Extended>(value))) << value;
  }
  EXPECT_EQ(IntegerDecimalText(mpz_class("-1000000000000000000")), "-1 000 000 000 000 000 000");
  EXPECT_EQ(IntegerDecimalText(mpz_class("123456789012345678901234567890")), "123 456 789 012 345 678 901 234 567 890");
}

class TypedValueTest : public testing::EngineTest {};

TEST_F(TypedValueTest, RecognisesFractionsThatTermsCompute) {
  struct Case {
    const char* term;
    const char* fraction;  // nullptr: no fraction
  };
  const Case cases[] = {{"2*3/7", "6/7"},   {"1/3+1/7", "10/21"}, {"wur(1/4)", "1/2"}, {"(1/2)", "1/2"},
                        {"-5/1000000", "-1/200000"}, {"wur(2)", nullptr}, {"Pi", nullptr},   {"exp(1)", nullptr},
                        {"1/3000007", nullptr}, {"1000000*wur(5)", nullptr}, {"1000000/7", "1000000/7"}};
  for (const Case& c : cases) {
    const auto fraction = RecogniseFraction(ReadTypedValue(c.term).value);
    if (c.fraction == nullptr) {
      EXPECT_FALSE(fraction) << c.term;
    } else {
      ASSERT_TRUE(fraction) << c.term;
      EXPECT_EQ(fraction->get_str(), c.fraction) << c.term;
    }
  }
  EXPECT_EQ(RecogniseFraction(0)->get_str(), "0");
}

TEST_F(TypedValueTest, TermsBeginningWithALetterAreComputed) {
  struct Case {
    const char* item;
    long double value;
  };
  const Case cases[] = {{"wur(3)", std::sqrt(3.0L)}, {"Pi/2", 0x1.921fb54442d18469p+0L}, {"-Pi", -0x3.243f6a8885a308d3p+0L},
                        {"sqrt(2)/2", std::sqrt(2.0L) / 2}, {"1'3/5", 1.6L}, {"1,5E-20", 1.5e-20L}, {"2E5", 2e5L},
                        {"-0,5", -0.5L}, {"2*3", 6}};
  for (const Case& c : cases) {
    const TypedValue typed = ReadTypedValue(c.item);
    EXPECT_TRUE(typed.computed) << c.item;
    EXPECT_NEAR(static_cast<double>(typed.value), static_cast<double>(c.value), 1e-15) << c.item;
  }
}

TEST_F(TypedValueTest, UncomputableTermsAreReportedWithTheEngineMessage) {
  for (const char* item : {"wurzel(3)", "abc", "1/0", "Pi/0", "x1", "*"}) {
    const TypedValue typed = ReadTypedValue(item);
    EXPECT_FALSE(typed.computed) << item;
    EXPECT_FALSE(typed.message.empty()) << item;
    EXPECT_EQ(typed.value, 0) << item;
  }
  // A term that works leaves an earlier message alone.
  MathErrorText() = "vorher";
  EXPECT_TRUE(ReadTypedValue("wur(9)").computed);
  EXPECT_EQ(MathErrorText(), "vorher");
}

TEST_F(TypedValueTest, HintNamesTheLineTheItemAndTheMessage) {
  EXPECT_EQ(UncomputableValueHint(3, "wurzel(3)", "Syntaxf. in zel(3)"),
            Cp1252("Abbruch:In Zeile 3 kann \"wurzel(3)\" nicht berechnet werden (Syntaxf. in zel(3)).\r"
                   "Erlaubt sind Zahlen und Rechenausdrücke ohne Leerstelle, z.B. 1/3, wur(3) oder Pi/2."));
}

}  // namespace
}  // namespace lumatik
