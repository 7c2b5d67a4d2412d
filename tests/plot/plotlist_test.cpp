// The line syntax of the plot list: which kind a line is, how a function
// line is split, the arguments of keyword lines, and the list maintenance.

#include <gtest/gtest.h>


#include "expr/evaluate.h"
#include "plot/plotlist.h"
#include "shell/codepage.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

using testing::EngineTest;

TEST(PlotLineKindTest, DecidedByTheKeywordAtTheStart) {
  const std::pair<const char*, PlotLineKind> cases[] = {  // UTF-8
      {"Text -7 4,5 12 |sowie  x - > 1/x, 1/x^2", PlotLineKind::Text}, {"Kreis 1 1 1/20 rot", PlotLineKind::Circle},
      {"Rechteck 0 0 1 1", PlotLineKind::Rectangle}, {"Strecke 1,5 0 1,5 1", PlotLineKind::Segment},
      {"Kästchen 1 1 1/20 rot", PlotLineKind::SmallSquare}, {"kreis 0 0 1", PlotLineKind::Function},
      {" Kreis 0 0 1", PlotLineKind::Function}, {"Kaestchen 1 1 1", PlotLineKind::Function},
      {"1/3*x^3-3*x", PlotLineKind::Function}, {"", PlotLineKind::Function}};
  for (const auto& [line, kind] : cases) EXPECT_EQ(PlotLineKindOf(Cp1252(line)), kind) << line;
}

class SplitIntervalTest : public EngineTest {};

TEST_F(SplitIntervalTest, TermAndBounds) {
  constexpr long double kNone = 1e100L;
  const struct {
    const char* line;
    const char* term;
    long double lower;
    long double upper;
  } cases[] = {{"1/3*x^3-3*x", "1/3*x^3-3*x", -kNone, kNone}, {"x^2 [0;2]", "x^2", 0, 2},
               {"x^2 [2;0]", "x^2", 0, 2},   // bounds exchanged
               {"x^2 [1", "x^2", 1, kNone},  // no closing bracket
               {"x^2 [2]", "x^2", 2, kNone}, // no ";": lower bound only
               {"x^2 [;3]", "x^2", 0, 3},    // the empty term is 0
               {"-1/x [-6,5;-1]", "-1/x", -6.5L, -1}, {"sin(x) [0;2*Pi]", "sin(x)", 0, 6.283185307179586477L},
               {"sqrt(x) [0;8]", "wur(x)", 0, 8}, {"x ^ 2 + 1", "x^2+1", -kNone, kNone}};
  for (const auto& c : cases) {
    const FunctionLineParts parts = SplitInterval(c.line);
    EXPECT_EQ(parts.term, c.term) << c.line;
    EXPECT_NEAR(static_cast<double>(parts.lower), static_cast<double>(c.lower), 1e-15) << c.line;
    EXPECT_NEAR(static_cast<double>(parts.upper), static_cast<double>(c.upper), 1e-15) << c.line;
  }
}

TEST_F(SplitIntervalTest, ParametersAfterTwoBlanksReplaceTheParameterLineAndStayInForce) {
  const FunctionLineParts parts = SplitInterval("a*x^3+b*x  a=1/3 b=-3");
  EXPECT_EQ(parts.term, "a*x^3+b*x");
  EXPECT_EQ(ParamLine(), " a=1/3 b=-3 ");
  // 1/3*216 - 18 at x = 6, worked by hand.
  EXPECT_NEAR(static_cast<double>(EvalTermAt(parts.term, 6)), 54.0, 1e-13);
  const FunctionLineParts next = SplitInterval("a*x");
  EXPECT_EQ(ParamLine(), " a=1/3 b=-3 ");
  EXPECT_NEAR(static_cast<double>(EvalTermAt(next.term, 3)), 1.0, 1e-15);
}

TEST_F(SplitIntervalTest, AnInvalidBoundIsZeroWithAMessage) {
  EXPECT_EQ(SplitInterval("x [abc;2]").lower, 0);
  EXPECT_FALSE(MathErrorText().empty());
}

class TextLineFontSizeTest : public EngineTest {};

TEST_F(TextLineFontSizeTest, Size) {
  const std::pair<const char*, int> cases[] = {
      {"Text 1 1 12 |a", 12}, {"Text 1 1 0 |a", 10}, {"Text 1 1 1,5 |a", 10}, {"Text 1 1 14,6 |a", 15},
      {"Text 1 1 2,5 |a", 2},  // ties to even
      {"Text 1 1 |a", 10},     // "|a" is no number
      {"Text -7 5   12 |Die", 12}, {"Text 1 1 10^9 |a", kMaxTextFontSize}};
  for (const auto& [line, size] : cases) EXPECT_EQ(TextLineFontSize(line), size) << line;
}

// A text line's text follows the first bar, a circle's colour word may stand anywhere,
// and keyword arguments are terms.
TEST_F(SplitIntervalTest, TextColourAndArgumentsOfKeywordLines) {
  EXPECT_EQ(TextLineText("Text -7 4,5 12 |sowie  x - > 1/x, 1/x^2"), "sowie  x - > 1/x, 1/x^2");
  EXPECT_EQ(TextLineText("Text 1 1 12 | a|b "), " a|b ");
  EXPECT_EQ(TextLineText("Text 1 1 12 |"), "");
  EXPECT_EQ(CircleColourOf("Kreis 1,5 1,5^2 1/20 rot"), kRed);
  EXPECT_EQ(CircleColourOf("Kreis 0 0 1/20 schwarz"), kBlack);
  EXPECT_EQ(CircleColourOf(Cp1252("Kreis -1 -1 1/20 ohne Angabe weiß mglich noch rot und schwarz")), kRed);
  EXPECT_EQ(CircleColourOf(Cp1252("Kreis 0 0 1 grün")), kWhite);
  EXPECT_EQ(KeywordArgument("Kreis 1,5   1,5^2 1/20 rot", 3), 2.25L);
  EXPECT_EQ(KeywordArgument("Strecke 1 2", 5), 0);  // a missing word is the empty term
}

TEST(AddCurrentToListTest, CurrentLineOnTop) {
  struct ListCase {
    const char* current;
    std::vector<std::string> before;
    std::vector<std::string> after;
  };
  const ListCase cases[] = {{"x^2", {"1/x", "x^2", "", "x"}, {"x^2", "1/x", "x"}}, {"  x^2 ", {"1/x"}, {"x^2", "1/x"}},
                            {"", {"1/x", "  ", "x"}, {"1/x", "x"}}, {"   ", {}, {}},
                            {"a\r\nb", {"b", "c"}, {"a", "b", "c"}}, {"1/x", {"1/x", "1/x"}, {"1/x"}},
                            {"x", {" x "}, {"x", "x"}}};  // compared untrimmed, copied trimmed
  for (const ListCase& c : cases) {
    std::vector<std::string> list = c.before;
    AddCurrentToList(c.current, list);
    EXPECT_EQ(list, c.after) << c.current;
  }
}

TEST(SplitTextLines, AllLineEnds) {
  EXPECT_EQ(SplitTextLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitTextLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(SplitTextLines(""), (std::vector<std::string>{}));
}

}  // namespace
}  // namespace lumatik
