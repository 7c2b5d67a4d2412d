// Parameters: the parameter line, its lookup and the reduced evaluator; values
// out of input lines.

#include <algorithm>

#include "expr/nth_value.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

class Parameters : public testing::EngineTest {};

TEST_F(Parameters, ANameNeedsTheBlankBeforeIt) {
  UseParams({"ba=2"});
  EXPECT_FALSE(HasParam("a"));
  EXPECT_TRUE(HasParam("ba"));
}

TEST_F(Parameters, ReadParamsDropsBlankLines) {
  UseParams({"a=1", "", "   ", "b=2"});
  EXPECT_EQ(ParamLines().lines(), (std::vector<std::string>{"a=1", "b=2"}));
  EXPECT_EQ(ParamValue("b"), 2);
}

struct ParamTermCase {
  const char* term;
  Extended expected;
};

class ParamTermTable : public ::testing::TestWithParam<ParamTermCase> {};

TEST_P(ParamTermTable, Value) {
  EXPECT_EQ(ParamTermValue(GetParam().term), GetParam().expected) << GetParam().term;
}

INSTANTIATE_TEST_SUITE_P(
    ReducedEvaluator, ParamTermTable,
    ::testing::Values(ParamTermCase{"1/6", 1.0L / 6}, ParamTermCase{"-3", -3}, ParamTermCase{"(1+2)*3", 9},
                      ParamTermCase{"1-2-3", -4}, ParamTermCase{"2^3^2", 512}, ParamTermCase{"8/4/2", 1},
                      ParamTermCase{"", 0}, ParamTermCase{"2,5", 2.5L}, ParamTermCase{"2E3", 2000},
                      ParamTermCase{"2*-3", -6}, ParamTermCase{"2^-1", 0.5L}, ParamTermCase{"4--1", 5},
                      ParamTermCase{"2*-3^2", -18}, ParamTermCase{"-3^2", -9}, ParamTermCase{"1,5E-20", 1.5e-20L},
                      ParamTermCase{"-2,5E+3", -2500}));

TEST(ReducedEvaluator, RejectsFunctionsAndZeroDivisors) {
  EXPECT_ANY_THROW(ParamTermValue("2*Pi"));
  EXPECT_ANY_THROW(ParamTermValue("sqrt(2)"));
  EXPECT_ANY_THROW(ParamTermValue("1/0"));
}

TEST_F(Parameters, EnsureParamAddsOnceAndTellsTheMemo) {
  int changes = 0;
  ParamLines().setOnChanged([&] { ++changes; });
  EXPECT_EQ(EnsureParam("n", "49"), 49);
  EXPECT_EQ(ParamLines().lines().back(), "n=49");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Neuen Parameter gesetzt:n=49");
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
  EXPECT_EQ(NthValue("A(1|2|3)", 3), 3);
  EXPECT_EQ(NthValue("1 2 3", 2), 2);
  EXPECT_EQ(NthValue("1|2", 5), 0);
  EXPECT_EQ(NthValue("P(1|-2|1/3)", 2), -2);
  EXPECT_EQ(NthValue("P(1|-2|1/3)", 3), 1.0L / 3);
  EXPECT_EQ(NthValue("Q(2*3|0|0)", 1), 6);
  EXPECT_EQ(NthValuePlain("2 -1 -5 3 (Kommentar)", 3), -5);
}

}  // namespace
}  // namespace lumatik
