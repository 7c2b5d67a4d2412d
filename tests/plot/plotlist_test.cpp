// The line syntax of the plot list: which kind a line is, how a function
// line is split, the arguments of keyword lines, and the list maintenance.

#include <gtest/gtest.h>

#include <cmath>

#include "expr/lumath.h"
#include "plot/plotlist.h"
#include "shell/codepage.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

using testing::EngineTest;

struct KindCase {
  const char* line;  // UTF-8
  PlotLineKind kind;
};

class PlotLineKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(PlotLineKindTest, DecidedAtTheFirstCharacter) {
  EXPECT_EQ(PlotLineKindOf(Cp1252(GetParam().line)), GetParam().kind) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PlotLineKindTest,
    ::testing::Values(
        KindCase{"Text -7 4,5 12 |sowie  x - > 1/x, 1/x^2", PlotLineKind::Text},
        KindCase{"Textzeile", PlotLineKind::Text}, KindCase{"Kreis 1,5 1,5^2 1/20 rot", PlotLineKind::Circle},
        KindCase{"Rechteck 0 0 1 1", PlotLineKind::Rectangle},
        KindCase{"Strecke 1,5 0 1,5 1,5^2", PlotLineKind::Segment},
        KindCase{"Kästchen 1 1 1/20 rot", PlotLineKind::SmallSquare}, KindCase{"kreis 0 0 1", PlotLineKind::Function},
        KindCase{" Kreis 0 0 1", PlotLineKind::Function}, KindCase{"KREIS 0 0 1", PlotLineKind::Function},
        KindCase{"text 1 1 12 |a", PlotLineKind::Function}, KindCase{"Kaestchen 1 1 1", PlotLineKind::Function},
        KindCase{"1/3*x^3-3*x", PlotLineKind::Function}, KindCase{"", PlotLineKind::Function}));

struct IntervalCase {
  const char* line;
  const char* term;
  long double lower;
  long double upper;
};

class SplitIntervalTest : public EngineTest, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(SplitIntervalTest, TermAndBounds) {
  const IntervalCase& c = GetParam();
  const FunctionLineParts parts = SplitInterval(c.line);
  EXPECT_EQ(parts.term, c.term) << c.line;
  EXPECT_NEAR(static_cast<double>(parts.lower), static_cast<double>(c.lower), 1e-15) << c.line;
  EXPECT_NEAR(static_cast<double>(parts.upper), static_cast<double>(c.upper), 1e-15) << c.line;
}

constexpr long double kNone = 1e100L;

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitIntervalTest,
    ::testing::Values(
        IntervalCase{"1/3*x^3-3*x", "1/3*x^3-3*x", -kNone, kNone}, IntervalCase{"x^2 [0;2]", "x^2", 0, 2},
                      IntervalCase{"x^2 [2;0]", "x^2", 0, 2},  // bounds exchanged
                      IntervalCase{"x^2 [1", "x^2", 1, kNone},  // no closing bracket
                      IntervalCase{"x^2 [2]", "x^2", 2, kNone},  // no ";": lower bound only
                      IntervalCase{"x^2 [;3]", "x^2", 0, 3},    // the empty term is 0
                      IntervalCase{"-1/x [-6,5;-1]", "-1/x", -6.5L, -1},
                      IntervalCase{"-1/x [1;5,5]", "-1/x", 1, 5.5L},
                      IntervalCase{"sin(x) [0;2*Pi]", "sin(x)", 0, 6.283185307179586477L},
                      IntervalCase{"sqrt(x) [0;8]", "wur(x)", 0, 8},
                      IntervalCase{"x ^ 2 + 1", "x^2+1", -kNone, kNone}));

TEST_F(SplitIntervalTest, ParametersAfterTwoBlanksReplaceTheParameterLine) {
  const FunctionLineParts parts = SplitInterval("a*x^3+b*x  a=1/3 b=-3");
  EXPECT_EQ(parts.term, "a*x^3+b*x");
  EXPECT_EQ(ParamLine(), " a=1/3 b=-3 ");
  // 1/3*27 - 9 at x = 3, worked by hand.
  EXPECT_NEAR(static_cast<double>(EvalTermAt(parts.term, 3)), 0.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(EvalTermAt(parts.term, 6)), 54.0, 1e-13);
}

TEST_F(SplitIntervalTest, ParametersStayInForceForLaterLines) {
  SplitInterval("a*x^3+b*x  a=1/3 b=-3");
  const FunctionLineParts next = SplitInterval("a*x");
  EXPECT_EQ(ParamLine(), " a=1/3 b=-3 ");
  EXPECT_NEAR(static_cast<double>(EvalTermAt(next.term, 3)), 1.0, 1e-15);
}

TEST_F(SplitIntervalTest, AnInvalidBoundIsZeroWithAMessage) {
  const FunctionLineParts parts = SplitInterval("x [abc;2]");
  EXPECT_EQ(parts.lower, 0);
  EXPECT_FALSE(MathErrorText().empty());
}

struct FontSizeCase {
  const char* line;
  int size;
};

class TextLineFontSizeTest : public EngineTest, public ::testing::WithParamInterface<FontSizeCase> {};

TEST_P(TextLineFontSizeTest, Size) { EXPECT_EQ(TextLineFontSize(GetParam().line), GetParam().size) << GetParam().line; }

INSTANTIATE_TEST_SUITE_P(Lines, TextLineFontSizeTest,
    ::testing::Values(
        FontSizeCase{"Text 1 1 12 |a", 12}, FontSizeCase{"Text 1 1 0 |a", 10}, FontSizeCase{"Text 1 1 1,5 |a", 10},
        FontSizeCase{"Text 1 1 14,6 |a", 15},
                                           FontSizeCase{"Text 1 1 2,5 |a", 2},   // ties to even
                                           FontSizeCase{"Text 1 1 3,5 |a", 4}, FontSizeCase{"Text 1 1 -20 |a", 10},
                                           FontSizeCase{"Text 1 1 |a", 10},      // "|a" is no number
                                           FontSizeCase{"Text -7 5   12 |Die", 12},
                                           FontSizeCase{"Text 1 1 10^9 |a", kMaxTextFontSize}));

TEST(TextLineText, EverythingAfterTheFirstBar) {
  EXPECT_EQ(TextLineText("Text -7 4,5 12 |sowie  x - > 1/x, 1/x^2"), "sowie  x - > 1/x, 1/x^2");
  EXPECT_EQ(TextLineText("Text 1 1 12 | a|b "), " a|b ");
  EXPECT_EQ(TextLineText("Text 1 1 12 |"), "");
}

TEST(CircleColour, FoundAnywhereInTheLine) {
  EXPECT_EQ(CircleColourOf("Kreis 1,5 1,5^2 1/20 rot"), kRed);
  EXPECT_EQ(CircleColourOf("Kreis 0 0 1/20 schwarz"), kBlack);
  EXPECT_EQ(CircleColourOf(Cp1252("Kreis -1 -1 1/20 ohne Angabe weiß mglich noch rot und schwarz")), kRed);
  EXPECT_EQ(CircleColourOf(Cp1252("Kreis 0 0 1 grün")), kWhite);
  EXPECT_EQ(CircleColourOf("Kreis 1 -1 1/20"), kWhite);
}

TEST_F(SplitIntervalTest, KeywordArgumentsAreTerms) {
  const std::string line = Cp1252("Kreis 1,5   1,5^2 1/20 rot");
  EXPECT_EQ(KeywordArgument(line, 2), 1.5L);
  EXPECT_EQ(KeywordArgument(line, 3), 2.25L);
  EXPECT_NEAR(static_cast<double>(KeywordArgument(line, 4)), 0.05, 1e-18);
  EXPECT_EQ(KeywordArgument("Strecke 1 2", 5), 0);  // a missing word is the empty term
}

struct ListCase {
  const char* current;
  std::vector<std::string> before;
  std::vector<std::string> after;
};

class AddCurrentToListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(AddCurrentToListTest, CurrentLineOnTop) {
  std::vector<std::string> list = GetParam().before;
  AddCurrentToList(GetParam().current, list);
  EXPECT_EQ(list, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, AddCurrentToListTest,
    ::testing::Values(
        ListCase{"x^2", {"1/x", "x^2", "", "x"}, {"x^2", "1/x", "x"}},
        ListCase{"  x^2 ", {"1/x"}, {"x^2", "1/x"}}, ListCase{"", {"1/x", "  ", "x"}, {"1/x", "x"}},
        ListCase{"   ", {}, {}}, ListCase{"a\r\nb", {"b", "c"}, {"a", "b", "c"}},
                      ListCase{"x", {" x "}, {"x", "x"}},  // compared untrimmed, copied trimmed
                      ListCase{"1/x", {"1/x", "1/x"}, {"1/x"}}));

TEST(SplitTextLines, AllLineEnds) {
  EXPECT_EQ(SplitTextLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitTextLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(SplitTextLines(""), (std::vector<std::string>{}));
}

}  // namespace
}  // namespace lumatik
