// Characters, words and values out of input lines.

#include <gtest/gtest.h>

#include "shell/luhilf.h"
#include "shell/textconvert.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

TEST(Words, NthWordSkipsRunsOfBlanks) {
  const std::string line = "a  b c";
  EXPECT_EQ(NthWord(line, 1), "a");
  EXPECT_EQ(NthWord(line, 2), "b");
  EXPECT_EQ(NthWord(line, 3), "c");
  EXPECT_EQ(NthWord(line, 4), "");
  EXPECT_EQ(NthWord("single", 0), "single");
}

class Values : public testing::EngineTest {};

TEST_F(Values, NthIntegerRounds) {
  EXPECT_EQ(NthInteger("x 3 4,6 -2,5", 2), 5);
  EXPECT_EQ(NthInteger("x 3 4,6 -2,5", 3), -3);
}

struct StrToExtCase {
  const char* text;
  Extended expected;
};

class StrToExtTable : public ::testing::TestWithParam<StrToExtCase> {};

TEST_P(StrToExtTable, Reads) { EXPECT_EQ(StrToExt(GetParam().text), GetParam().expected) << GetParam().text; }

INSTANTIATE_TEST_SUITE_P(LenientReader, StrToExtTable,
    ::testing::Values(
        StrToExtCase{"x = 2,5 cm", 2.5L}, StrToExtCase{"- 3", -3}, StrToExtCase{"1.5E3", 1500},
        StrToExtCase{"1 234", 1234}, StrToExtCase{"12  34", 12}, StrToExtCase{"1E-5", 1e-5L},
        StrToExtCase{"x = -5,01655761266833E-20 cm", -5.01655761266833e-20L}, StrToExtCase{"1,5E+3", 1500},
        StrToExtCase{"2E-3-1", 2e-3L}, StrToExtCase{"abc", 0}, StrToExtCase{"-", 0}, StrToExtCase{"1,5,7", 1.5L},
        StrToExtCase{"10E3", 10000}, StrToExtCase{"7-2", 7}));

TEST(LenientReader, IntegerRoundingIsHalfAwayFromZero) {
  EXPECT_EQ(StrToIntRounded("2,5"), 3);
  EXPECT_EQ(StrToIntRounded("-2,5"), -3);
  EXPECT_THROW(StrToIntRounded("1E400"), std::overflow_error);
}

TEST(Memo, CaretLineAndCurrentLine) {
  const std::string text = "eins\r\nzwei\r\ndrei";
  EXPECT_EQ(MemoCaretLine(text, 0), 1);
  EXPECT_EQ(MemoCaretLine(text, 7), 2);
  EXPECT_EQ(MemoCaretLine("eins\nzwei", 6), 2);
  const std::vector<std::string> lines = {"eins", "zwei"};
  EXPECT_EQ(MemoCurrentLine(lines, 1), "eins");
  EXPECT_EQ(MemoCurrentLine(lines, 3), "");
  EXPECT_EQ(MemoCurrentLine({}, 1), "");
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
