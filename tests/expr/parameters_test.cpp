// Parameters: the parameter line, its lookup and the reduced evaluator; values
// out of input lines.

#include <algorithm>

#include "expr/nth_value.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

class Parameters : public testing::EngineTest {};

TEST_F(Parameters, ANameNeedsTheBlankBeforeItAndBlankLinesAreDropped) {
  UseParams({"ba=2", "", "   ", "b=3"});
  EXPECT_FALSE(HasParam("a"));
  EXPECT_TRUE(HasParam("ba"));
  EXPECT_EQ(ParamLines().lines(), (std::vector<std::string>{"ba=2", "b=3"}));
  EXPECT_EQ(ParamValue("b"), 3);
}

// Unlike terms, parameter values group powers to the right.
TEST(ReducedEvaluator, ValuesAndRefusals) {
  const std::pair<const char*, Extended> cases[] = {
      {"1/6", 1.0L / 6}, {"(1+2)*3", 9}, {"1-2-3", -4}, {"2^3^2", 512},    {"8/4/2", 1},           {"", 0},
      {"2,5", 2.5L},     {"4--1", 5},    {"2^-1", 0.5L}, {"2*-3^2", -18}, {"1,5E-20", 1.5e-20L}, {"-2,5E+3", -2500}};
  for (const auto& [term, expected] : cases) EXPECT_EQ(ParamTermValue(term), expected) << term;
  for (const char* term : {"2*Pi", "sqrt(2)", "1/0"}) EXPECT_ANY_THROW(ParamTermValue(term)) << term;
}

TEST_F(Parameters, EnsureParamAddsOnceAndTellsTheMemo) {
  int changes = 0;
  ParamLines().setOnChanged([&] { ++changes; });
  EXPECT_EQ(EnsureParam("n", "49"), 49);
  EXPECT_EQ(ParamLines().lines().back(), "n=49");
  EXPECT_EQ(messages, std::vector<std::string>{"Neuen Parameter gesetzt:n=49"});
  EXPECT_EQ(EnsureParam("n", "12"), 49);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_GE(changes, 1);
}

TEST_F(Parameters, AParameterLineSetForEveryValueGetsTheDefaultOnlyOnce) {
  // As the plotter and the discussion do: their own parameter line before
  // every value of AGM(x), which needs a.
  for (int value = 0; value < 50; ++value) {
    ParamLine() = " ";
    EXPECT_EQ(EnsureParam("a", "1"), 1);
  }
  EXPECT_EQ(std::count(ParamLines().lines().begin(), ParamLines().lines().end(), "a=1"), 1);
}

TEST_F(Parameters, SplitTermAndParamsOfAPlotLine) {
  std::string term;
  SplitTermAndParams("a*x^3+b*x  a=1/3 b=-3", term);
  EXPECT_EQ(term, "a*x^3+b*x");
  EXPECT_EQ(ParamLine(), " a=1/3 b=-3 ");
  EXPECT_EQ(ParamValue("b"), -3);

  ParamLine() = " keep=1 ";
  SplitTermAndParams("x^2", term);
  EXPECT_EQ(term, "x^2");
  EXPECT_EQ(ParamLine(), " keep=1 ");

  SplitTermAndParams("a*x a=2", term);
  EXPECT_EQ(term, "");
  EXPECT_EQ(ParamLine(), "a*x a=2 ");
}

class Values : public testing::EngineTest {};

TEST_F(Values, NthValueReadsPointsAndLists) {
  EXPECT_EQ(NthValue("1 2 3", 2), 2);
  EXPECT_EQ(NthValue("1|2", 5), 0);
  EXPECT_EQ(NthValue("P(1|-2|1/3)", 3), 1.0L / 3);
  EXPECT_EQ(NthValue("Q(2*3|0|0)", 1), 6);
  EXPECT_EQ(NthValuePlain("2 -1 -5 3 (Kommentar)", 3), -5);
}

}  // namespace
}  // namespace lumatik
