// "Rechne" and "PFZ" without the window.

#include <gmpxx.h>

#include <random>

#include "calc/calculation.h"
#include "expr/evaluate.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

TEST(ResultText, Writes) {
  const std::pair<Extended, const char*> cases[] = {
      {1886.0L / 1155, "1,632 900 432 900 432 9"}, {80.0L / 3, "26,666 666 666 666 666 7"}, {118, "118"},
      {1234, "1234"}, {12345, "12 345"}, {-1234, "-1234"}, {1234567890, "1 234 567 890"}, {0.5L, "0,5"}, {0, "0"},
      {6.62607015e-34L, "6,62607015E-34"}, {1e20L, "1E20"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(ResultText(value), text);
}

class Rechne : public testing::EngineTest {};

TEST_F(Rechne, AnUnreadableParameterXIsReported) {
  ParamLines().setLines({"x=1/0"});
  EXPECT_FALSE(Calculate("x+1").failure.empty());  // an unreadable x is reported, not thrown
}

// A computation the engine reported a message for shows the message beside
// its substitute value and offers no exact form, "PFZ" or "Als Wurzel".
TEST_F(Rechne, FailedComputationShowsTheMessageBesideTheValue) {
  const std::pair<const char*, const char*> cases[] = {  // Windows-1252
      {"1/0", "0  ung\xFCltig: Div. durch Null"},
      {"1/3+sqrt(-1)", "0,333 333 333 333 333 333  ung\xFCltig: Fehler:neg. Wurzel"},
      {"(2+3", "3  ung\xFCltig: (2|-1 Klammern zu viel!"}};
  for (const auto& [term, shown] : cases) {
    const Calculation c = Calculate(term);
    EXPECT_EQ(ShownResult(c), shown);
    EXPECT_EQ(HistoryLine(term, c), std::string(term) + " = " + shown);
    EXPECT_EQ(c.fraction, "");
    EXPECT_FALSE(c.primeFactorsEnabled || c.rootEnabled) << term;
    EXPECT_EQ(CalculatePrimeFactors(term, {}).historyLine, "");
    EXPECT_FALSE(CalculateRoot(term).written);
  }
  // The message of an earlier computation is not carried over.
  const Calculation c = Calculate("3*-2");
  EXPECT_EQ(c.message, "");
  EXPECT_EQ(HistoryLine("3*-2", c), "3*-2 = -6");
}

TEST_F(Rechne, HistoryKeepsEachWholeLineOnce) {
  std::vector<std::string> history = {"11 = 11"};
  AddToHistory(history, "1 = 1");
  EXPECT_EQ(history, (std::vector<std::string>{"1 = 1", "11 = 11"}));
  AddToHistory(history, "1 = 1");
  EXPECT_EQ(history.size(), 2u);
  EXPECT_FALSE(HistoryContains({"12 = 12 = 2*2*3"}, "2*2*3"));
  // "6=2*3" is a line of its own even where "12=2*2*3" holds its factors.
  EXPECT_EQ(CalculatePrimeFactors("6", {"12=2*2*3"}).historyLine, "6=2*3");
  EXPECT_EQ(CalculatePrimeFactors("6", {"6=2*3"}).historyLine, "");
  EXPECT_EQ(CalculatePrimeFactors("1/3", {}).historyLine, "");  // not whole: nothing to add
}

TEST_F(Rechne, RootFormOnlyWhileTheCommandIsEnabled) {
  const Calculation c = Calculate("sin(Pi/4)");
  EXPECT_EQ(c.fraction, "");
  EXPECT_TRUE(c.rootEnabled && !c.primeFactorsEnabled);
  EXPECT_EQ(CalculateRoot("sin(Pi/4)").rootText, "1/2*sqrt(2)");
  for (const char* term : {"1/3", "7", "3000000000.5"}) EXPECT_FALSE(CalculateRoot(term).written) << term;
}

// The copied number, "1,6329004329004329" for "1,632 900 432 900 432 9":
// read back through the engine it is shown as before, and as an exact
// decimal it lies within the shown digits of the fraction computed.
TEST_F(Rechne, TheCopiedNumberReadsBackToTheShownValue) {
  EXPECT_EQ(PlainNumberText(ShownResult(Calculate("-5/2*(14/22-17/21) +1.2"))), "1,6329004329004329");
  EXPECT_EQ(PlainNumberText(ShownResult(Calculate("1/0"))), "0");
  std::mt19937_64 random(28);
  const long long numerators[] = {1, -1, 999999, 1000000, 123456789012345678LL, -999999999999999999LL};
  const long long denominators[] = {1, 3, 7, 1000, 1155, 999983};
  for (int i = 0; i < 600; ++i) {
    const long long p = i < 36 ? numerators[i % 6]
                               : static_cast<long long>(random() % 2000000000000ULL) - 1000000000000LL;
    const long long q = i < 36 ? denominators[i / 6] : static_cast<long long>(random() % 1000000) + 1;
    const std::string term = std::to_string(p) + "/" + std::to_string(q);
    const Calculation shown = Calculate(term);
    const std::string copy = PlainNumberText(ShownResult(shown));
    ASSERT_EQ(copy.find(' '), std::string::npos) << term;
    EXPECT_EQ(ResultText(EvalTerm(copy)), shown.result) << term << " -> " << copy;
    // The copy as an exact decimal fraction.
    const auto comma = copy.find(',');
    const std::string fraction = comma == std::string::npos ? "" : copy.substr(comma + 1);
    const mpz_class digits(copy.substr(0, comma) + fraction, 10);
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, fraction.size());
    mpq_class exact(term);
    exact.canonicalize();
    const mpq_class error = abs(mpq_class(digits, scale) - exact);
    // 18 significant digits, and at most 18 after the comma.
    EXPECT_TRUE(error <= abs(exact) * mpq_class("6/1000000000000000000") ||
                error <= mpq_class("6/10000000000000000000"))
        << term << " -> " << copy;
  }
}

}  // namespace
}  // namespace lumatik
