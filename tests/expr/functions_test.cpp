// The function set: values, domain messages and the statistics parameters.

#include <sstream>

#include "shell/codepage.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

struct FunctionCase {
  const char* term;
  const char* params;  // parameter lines separated by ";"
  Extended expected;
  Extended tolerance;
  const char* message;
};

class FunctionTest : public testing::EngineTest {};

TEST_F(FunctionTest, ValuesAndDomainMessages) {
  const FunctionCase cases[] = {
      {"sgn(0)", "", 1, 0, ""}, {"sgn(-0.1)", "", -1, 0, ""}, {"int(-2.5)", "", -3, 0, ""}, {"rou(2.5)", "", 3, 0, ""},
      {"ln(0)", "", 0, 0, "Logarithmus von 0"}, {"lg(0-2)", "", 0, 0, "Logarithmus von -2"},
      {"lb(8)", "", 3, 1e-18L, ""}, {"si_(30)+lg(1000)", "", 3.5L, 1e-18L, ""}, {"at_(1)", "", 45, 1e-17L, ""},
      {"asn(0-1)", "", -kPi / 2, 0, ""}, {"asn(1.5)", "", 0, 0, "asn1,5"}, {"acs(0-1)", "", kPi, 0, ""},
      {"acs(2)", "", 0, 0, "acs2"}, {"sqrt(0-4)+1", "", 1, 0, "Fehler:neg. Wurzel"},
      // Statistics, with their parameters.
      {"fak(15)", "", 1307674368000.0L, 0, ""}, {"fak(0-3)", "", 1, 0, ""}, {"fak(2.5)", "", 3.75L, 0, ""},
      {"fak(1755)", "", 0, 0, "Fehler in fak(1755)"}, {"nue(6)", "n=49", 13983816, 0, ""},
      {"nue(50)", "n=49", 0, 0, ""}, {"nue(100000)", "n=200000", 0, 0, "Fehler in nue(100000)"},
      {"Bin(1)", "n=2;p=1/2", 0.5L, 1e-18L, ""}, {"BiS(60)", "n=2;p=1/3", 1, 1e-18L, ""},
      {"BiS(0-1)", "n=2;p=1/3", 0, 0, ""}, {"AGM(6)", "a=1", 2.9513287L, 1e-7L, ""}, {"AGM(0-1)", "", 0, 0, ""},
      {"Phi(1)", "", 0.682689L, 1e-6L, ""}, {"GSU(1)", "", 0.841345L, 1e-6L, ""}, {"Phi(0-12)", "", -1, 0, ""},
      {"GSU(11)", "", 1, 0, ""}, {"PrZ(6)", "", 13, 0, ""}, {"PrZ(0.4)", "", 0, 0, ""}};
  for (const FunctionCase& c : cases) {
    std::vector<std::string> lines;
    std::istringstream in(c.params);
    for (std::string line; std::getline(in, line, ';');) lines.push_back(line);
    UseParams(lines);
    MathErrorText().clear();
    const Extended value = EvalTerm(c.term);
    EXPECT_LE(std::fabs(static_cast<double>(value - c.expected)), static_cast<double>(c.tolerance))
        << c.term << " gave " << static_cast<double>(value);
    EXPECT_EQ(Cp1252ToUtf8(MathErrorText()), c.message) << c.term;
  }
}

class StatisticsParameters : public testing::EngineTest {};

TEST_F(StatisticsParameters, MissingParametersAreAddedWithAMessage) {
  UseParams({"x=1"});
  const Extended sum = EvalTerm("BiS(6)");
  EXPECT_EQ(messages, (std::vector<std::string>{"Neuen Parameter gesetzt:n=50", "Neuen Parameter gesetzt:p=1/6"}));
  EXPECT_EQ(ParamLines().lines(), (std::vector<std::string>{"x=1", "n=50", "p=1/6"}));
  // Seven terms of the binomial distribution with n = 50, p = 1/6.
  long double reference = 0;
  for (int i = 0; i <= 6; ++i) {
    long double coefficient = 1;
    for (int j = 0; j < i; ++j) coefficient = coefficient * (50 - j) / (j + 1);
    reference += coefficient * std::pow(1.0L / 6, i) * std::pow(5.0L / 6, 50 - i);
  }
  EXPECT_NEAR(static_cast<double>(sum), static_cast<double>(reference), 1e-15);
  EvalTerm("BiS(6)");
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(StatisticsParameters, StatisticsArgumentsTakeXFromTheParameters) {
  UseParams({"x=3"});
  // fak's argument is evaluated with x from the parameter line, abs's with X.
  EXPECT_EQ(EvalTermAt("fak(x)", 5), 6);
  EXPECT_EQ(EvalTermAt("abs(x)", 5), 5);
}

TEST_F(StatisticsParameters, AgmOfHugeValuesEndsBetweenTheMeans) {
  UseParams({"a=1"});
  const Extended m = EvalTerm("AGM(10^21)");
  EXPECT_GT(m, 3.1e10L);  // above the geometric mean
  EXPECT_LT(m, 5e20L);    // below the arithmetic mean
}

class NumericRoutines : public testing::EngineTest {};

TEST_F(NumericRoutines, DerivativeAndIntegral) {
  EXPECT_NEAR(static_cast<double>(NumDerivative("x^2", 3)), 6, 1e-9);
  EXPECT_NEAR(static_cast<double>(SimpsonIntegral("x^2", 10, 0, 3)), 9, 1e-15);
  EXPECT_EQ(SimpsonIntegral("x", 0, 0, 1), 0);
  EXPECT_EQ(SimpsonIntegral("x", -2, 0, 1), 0);
  // A failed step says so and gives zero.
  EXPECT_EQ(SimpsonIntegral("5*10^4931", 2, 0, 1), 0);
  EXPECT_EQ(messages, std::vector<std::string>{"Integral kann nicht berechnet werden!"});
}

}  // namespace
}  // namespace lumatik
