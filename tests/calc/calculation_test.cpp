// "Rechne" and "PFZ" without the window.

#include "calc/calculation.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

struct ResultCase {
  Extended value;
  const char* text;
};

class ResultTextTable : public ::testing::TestWithParam<ResultCase> {};
TEST_P(ResultTextTable, Writes) { EXPECT_EQ(ResultText(GetParam().value), GetParam().text); }
INSTANTIATE_TEST_SUITE_P(Rechne, ResultTextTable,
                         ::testing::Values(ResultCase{1886.0L / 1155, "1,632 900 432 900 432 9"},
                                           ResultCase{80.0L / 3, "26,666 666 666 666 666 7"},
                                           ResultCase{118, "118"},
                                           ResultCase{1234, "1234"},
                                           ResultCase{12345, "12 345"},
                                           ResultCase{-1234, "-1 234"},
                                           ResultCase{-5, "-5"},
                                           ResultCase{0.5L, "0,5"},
                                           ResultCase{0, "0"},
                                           ResultCase{821641, "821 641"},
                                           ResultCase{1e-25L, "0"},
                                           ResultCase{1e20L, "1E20"}));

class Rechne : public testing::EngineTest {};

TEST_F(Rechne, FractionWithMixedNumber) {
  const std::string term = "-5/2*(14/22-17/21) +1.2";
  const Calculation c = Calculate(term);
  EXPECT_EQ(c.fraction, "1886/1155 = 1'731/1155");
  EXPECT_FALSE(c.rootEnabled);
  EXPECT_FALSE(c.primeFactorsEnabled);
  EXPECT_EQ(HistoryLine(term, c),
            "-5/2*(14/22-17/21) +1.2 = 1,632 900 432 900 432 9 = 1886/1155 = 1'731/1155");
}

TEST_F(Rechne, ParametersComeFromTheParameterLines) {
  ParamLines().setLines({"x=5", "a=1/3", "b=-3"});
  const Calculation c = Calculate("a*x^3+b*x");
  EXPECT_EQ(c.result, "26,666 666 666 666 666 7");
  EXPECT_EQ(c.fraction, "80/3 = 26'2/3");
}

TEST_F(Rechne, IrrationalValuesKeepTheRootCommand) {
  const Calculation c = Calculate("sin(Pi/4)");
  EXPECT_EQ(c.fraction, "");
  EXPECT_TRUE(c.rootEnabled);
  EXPECT_FALSE(c.primeFactorsEnabled);
}

TEST_F(Rechne, UnreadableXIsReportedNotThrown) {
  ParamLines().setLines({"x=1/0"});
  const Calculation c = Calculate("x+1");
  EXPECT_FALSE(c.failure.empty());
}

// A computation the engine reported a message for shows the message beside
// its substitute value and offers no exact form, "PFZ" or "Als Wurzel".
struct MessageCase {
  const char* term;
  const char* shown;  // Windows-1252
};

class FailedComputation : public testing::EngineTest, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(FailedComputation, ShowsTheMessageBesideTheValue) {
  const Calculation c = Calculate(GetParam().term);
  EXPECT_EQ(ShownResult(c), GetParam().shown);
  EXPECT_EQ(HistoryLine(GetParam().term, c), std::string(GetParam().term) + " = " + GetParam().shown);
  EXPECT_EQ(c.fraction, "");
  EXPECT_FALSE(c.primeFactorsEnabled);
  EXPECT_FALSE(c.rootEnabled);
  EXPECT_EQ(CalculatePrimeFactors(GetParam().term, {}).historyLine, "");
  EXPECT_FALSE(CalculateRoot(GetParam().term).written);
}

INSTANTIATE_TEST_SUITE_P(
    Rechne, FailedComputation,
    ::testing::Values(MessageCase{"1/0", "0  ung\xFCltig: Div. durch Null"},
                      MessageCase{"pi", "0  ung\xFCltig: Syntaxf. in pi"},
                      MessageCase{"6+ln(-1)", "6  ung\xFCltig: Logarithmus von -1"},
                      MessageCase{"1/3+sqrt(-1)", "0,333 333 333 333 333 333  ung\xFCltig: Fehler:neg. Wurzel"},
                      MessageCase{"(-8)^(1/3)", "0  ung\xFCltig: Fehler in (-8)^(1/3)"},
                      MessageCase{"(2+3", "3  ung\xFCltig: (2|-1 Klammern zu viel!"}));

TEST_F(Rechne, AMessageOfAnEarlierComputationIsNotCarriedOver) {
  Calculate("1/0");
  const Calculation c = Calculate("3*-2");
  EXPECT_EQ(c.message, "");
  EXPECT_EQ(HistoryLine("3*-2", c), "3*-2 = -6");
}

TEST_F(Rechne, HistoryComparesWholeLines) {
  std::vector<std::string> history = {"11 = 11"};
  AddToHistory(history, "1 = 1");
  EXPECT_EQ(history, (std::vector<std::string>{"1 = 1", "11 = 11"}));
  AddToHistory(history, "1 = 1");
  EXPECT_EQ(history.size(), 2u);
  EXPECT_FALSE(HistoryContains({"12 = 12 = 2*2*3"}, "2*2*3"));
}

// "6=2*3" is a line of its own even where "12=2*2*3" holds its factors.
TEST_F(Rechne, PrimeFactorLineIsComparedWhole) {
  EXPECT_EQ(CalculatePrimeFactors("6", {"12=2*2*3"}).historyLine, "6=2*3");
  EXPECT_EQ(CalculatePrimeFactors("6", {"6=2*3"}).historyLine, "");
  // Not whole: "PFZ" has nothing to add.
  EXPECT_EQ(CalculatePrimeFactors("1/3", {}).historyLine, "");
}

TEST_F(Rechne, HistoryKeepsEachLineOnce) {
  std::vector<std::string> history;
  const Calculation c = Calculate("2*8+4*(27-3/2)");
  AddToHistory(history, HistoryLine("2*8+4*(27-3/2)", c));
  AddToHistory(history, HistoryLine("2*8+4*(27-3/2)", c));
  EXPECT_EQ(history.size(), 1u);
  AddToHistory(history, "1+1 = 2");
  EXPECT_EQ(history.front(), "1+1 = 2");
}

TEST_F(Rechne, RootFormOnlyWhileTheCommandIsEnabled) {
  const RootCalculation sine = CalculateRoot("sin(Pi/4)");
  EXPECT_TRUE(sine.written);
  EXPECT_EQ(sine.rootText, "1/2*sqrt(2)");
  EXPECT_FALSE(CalculateRoot("1/3").written);
  EXPECT_FALSE(CalculateRoot("7").written);
  EXPECT_FALSE(CalculateRoot("3000000000.5").written);
}

}  // namespace
}  // namespace lumatik
