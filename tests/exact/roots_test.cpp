// Root, Pi and quadratic forms: each text, typed back as a term, gives the value.

#include <cmath>

#include "exact/roots.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

struct RootCase {
  const char* term;  // the value to write
  const char* text;  // RootText("sqrt", value)
};

class RootTextTable : public testing::EngineTest, public ::testing::WithParamInterface<RootCase> {};

TEST_P(RootTextTable, WritesATermWithTheSameValue) {
  const Extended value = EvalTermAt(GetParam().term, 0);
  const std::string text = RootText("sqrt", value);
  EXPECT_EQ(text, GetParam().text) << GetParam().term;
  // Independent check: the text is a term of the language with that value.
  EXPECT_NEAR(static_cast<double>(EvalTermAt(text, 0)), static_cast<double>(value), 1e-15) << text;
}

INSTANTIATE_TEST_SUITE_P(Forms, RootTextTable,
                         ::testing::Values(RootCase{"sin(Pi/4)", "1/2*sqrt(2)"},
                                           RootCase{"sqrt(32/225)*sqrt(21)", "4/15*sqrt(42)"},
                                           RootCase{"tan(Pi/12)", "(2-sqrt(3))"},
                                           RootCase{"(1+sqrt(5))/2", "(1+sqrt(5))/2"},
                                           RootCase{"-sqrt(8)", "-2*sqrt(2)"},
                                           RootCase{"sqrt(3)", "sqrt(3)"},
                                           RootCase{"sqrt(12347)", "sqrt(12347)"},
                                           RootCase{"Pi/6", "1/6*Pi"},
                                           RootCase{"-3*Pi/4", "-3/4*Pi"},
                                           RootCase{"0", "0"},
                                           RootCase{"1", "1"},
                                           RootCase{"-1", "-1"}));

TEST(PiMultiples, Texts) {
  EXPECT_EQ(PiMultipleText(kPi), "Pi");
  EXPECT_EQ(PiMultipleText(-kPi), "-Pi");
  EXPECT_EQ(PiMultipleText(2 * kPi), "2*Pi");
  EXPECT_EQ(PiMultipleText(kPi / 2), "1/2*Pi");
  EXPECT_EQ(PiMultipleText(0), "");
  EXPECT_EQ(PiMultipleText(std::exp(1.0L)), "");
}

class ExactTexts : public testing::EngineTest {};

TEST_F(ExactTexts, IntegerFractionRootOrDecimal) {
  EXPECT_EQ(ExactText(2.5L), "2'1/2");
  EXPECT_EQ(ExactText(3), "3");
  EXPECT_EQ(ExactText(-3.0000000000001L), "-3");
  EXPECT_EQ(ExactText(std::sqrt(2.0L)), "sqrt(2)");
  EXPECT_EQ(ExactText(std::exp(1.0L)), "2,71828182846");
  EXPECT_EQ(RootTextWithDecimal(1.0L / 3), "1/3 = 0,333");
  EXPECT_EQ(RootTextWithDecimal(std::sqrt(2.0L)), "sqrt(2) = 1,414");
  EXPECT_EQ(RootTextWithDecimal(4), "4");
  EXPECT_EQ(RootTextWithDecimal(std::exp(1.0L)), "2,71828182846");
  EXPECT_EQ(RootSuffix(std::sqrt(2.0L) / 2), "=1/2*sqrt(2)");
  EXPECT_EQ(RootSuffix(std::exp(1.0L)), "");
  EXPECT_EQ(PlainNumText(42), "42");
  EXPECT_EQ(PlainNumText(123456789012), "123456789012");
}

}  // namespace
}  // namespace lumatik
