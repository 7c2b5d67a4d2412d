// Characters, words and values out of input lines.

#include <gtest/gtest.h>

#include "shell/text_helpers.h"
#include "shell/textconvert.h"

namespace lumatik {
namespace {

TEST(Words, NthWordSkipsRunsOfBlanksAndNthIntegerRounds) {
  EXPECT_EQ(NthWord("a  b c", 2), "b");
  EXPECT_EQ(NthWord("a  b c", 4), "");
  EXPECT_EQ(NthWord("single", 0), "single");
  EXPECT_EQ(NthInteger("x 3 4,6 -2,5", 2), 5);
  EXPECT_EQ(NthInteger("x 3 4,6 -2,5", 3), -3);  // half away from zero
}

TEST(LenientReader, ReadsWhatStandsFirst) {
  const std::pair<const char*, Extended> cases[] = {
      {"x = 2,5 cm", 2.5L}, {"- 3", -3},         {"1.5E3", 1500},  {"1 234", 1234},  {"12  34", 12},
      {"1E-5", 1e-5L},      {"2E-3-1", 2e-3L},   {"abc", 0},       {"-", 0},         {"1,5,7", 1.5L},
      {"7-2", 7},           {"10E3", 10000},     {"x = -5,01655761266833E-20 cm", -5.01655761266833e-20L},
      {"2E1E1", 2e10L}};  // an exponent that is itself a literal
  for (const auto& [text, expected] : cases) EXPECT_EQ(StrToExt(text), expected) << text;
  EXPECT_THROW(StrToIntRounded("1E400"), std::overflow_error);
}

TEST(Powers, DoublePowers) {
  EXPECT_EQ(IntPowerD(0, 7), 1);
  EXPECT_EQ(IntPowerD(3, 10), 1000);
  EXPECT_EQ(IntPowerD(-2, 10), 0.01);
  EXPECT_EQ(PowerD(0.5, 4), 2);
  EXPECT_EQ(PowerD(3, 0), 0);
  EXPECT_THROW(IntPowerD(400, 10), std::overflow_error);
}

}  // namespace
}  // namespace lumatik
