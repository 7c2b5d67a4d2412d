// The function set: values, domain messages and the statistics parameters.

#include <cmath>
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

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line, ';');) lines.push_back(line);
  return lines;
}

class FunctionTable : public testing::EngineTest, public ::testing::WithParamInterface<FunctionCase> {};

TEST_P(FunctionTable, ValueAndMessage) {
  const FunctionCase& c = GetParam();
  UseParams(SplitLines(c.params));
  const Extended value = EvalTerm(c.term);
  EXPECT_LE(std::fabs(static_cast<double>(value - c.expected)), static_cast<double>(c.tolerance))
      << c.term << " gave " << static_cast<double>(value);
  EXPECT_EQ(Cp1252ToUtf8(MathErrorText()), c.message) << c.term;
}

INSTANTIATE_TEST_SUITE_P(
    Elementary, FunctionTable,
    ::testing::Values(
        FunctionCase{"sgn(0)", "", 1, 0, ""}, FunctionCase{"sgn(-0.1)", "", -1, 0, ""},
        FunctionCase{"int(-2.5)", "", -3, 0, ""}, FunctionCase{"int(2.5)", "", 2, 0, ""},
        FunctionCase{"rou(-2.5)", "", -2, 0, ""}, FunctionCase{"rou(2.5)", "", 3, 0, ""},
        FunctionCase{"abs(-4)", "", 4, 0, ""}, FunctionCase{"exp(1)", "", std::exp(1.0L), 0, ""},
        FunctionCase{"ln(0)", "", 0, 0, "Logarithmus von 0"}, FunctionCase{"lg(0-2)", "", 0, 0, "Logarithmus von -2"},
        FunctionCase{"lg(1000)", "", 3, 1e-18L, ""}, FunctionCase{"lb(8)", "", 3, 1e-18L, ""},
        FunctionCase{"sin(Pi/6) + lg(1000)", "", 3.5L, 1e-18L, ""},
        FunctionCase{"si_(30)+lg(1000)", "", 3.5L, 1e-18L, ""}, FunctionCase{"si_(30)", "", 0.5L, 1e-19L, ""},
        FunctionCase{"co_(60)", "", 0.5L, 1e-18L, ""}, FunctionCase{"at_(1)", "", 45, 1e-17L, ""},
        FunctionCase{"asn(1)", "", kPi / 2, 0, ""}, FunctionCase{"asn(0-1)", "", -kPi / 2, 0, ""},
        FunctionCase{"asn(1.5)", "", 0, 0, "asn1,5"}, FunctionCase{"acs(1)", "", 0, 0, ""},
        FunctionCase{"acs(0-1)", "", kPi, 0, ""}, FunctionCase{"acs(2)", "", 0, 0, "acs2"},
        FunctionCase{"as_(0.5)", "", 30, 1e-16L, ""}, FunctionCase{"ac_(0.5)", "", 60, 1e-16L, ""},
        FunctionCase{"atn(1)", "", kPi / 4, 1e-19L, ""}, FunctionCase{"ta_(45)", "", 1, 1e-18L, ""},
        FunctionCase{"wur(16)", "", 4, 0, ""}, FunctionCase{"wur(0-4)", "", 0, 0, "Fehler:neg. Wurzel"},
        FunctionCase{"sqrt(0-4)+1", "", 1, 0, "Fehler:neg. Wurzel"}));

INSTANTIATE_TEST_SUITE_P(
    Statistics, FunctionTable,
    ::testing::Values(
        FunctionCase{"fak(15)", "", 1307674368000.0L, 0, ""}, FunctionCase{"fak(0)", "", 1, 0, ""},
        FunctionCase{"fak(0-3)", "", 1, 0, ""}, FunctionCase{"fak(2.5)", "", 3.75L, 0, ""},
        FunctionCase{"fak(1755)", "", 0, 0, "Fehler in fak(1755)"},
        FunctionCase{"fak(10^30)", "", 0, 0, "Fehler in fak(10^30)"}, FunctionCase{"nue(6)", "n=49", 13983816, 0, ""},
        FunctionCase{"nue(0)", "n=49", 1, 0, ""}, FunctionCase{"nue(49)", "n=49", 1, 0, ""},
        FunctionCase{"nue(50)", "n=49", 0, 0, ""},
        FunctionCase{"nue(100000)", "n=200000", 0, 0, "Fehler in nue(100000)"},
        FunctionCase{"Bin(1)", "n=2;p=1/2", 0.5L, 1e-18L, ""}, FunctionCase{"BiS(2)", "n=2;p=1/2", 1, 1e-18L, ""},
        FunctionCase{"BiS(60)", "n=2;p=1/3", 1, 1e-18L, ""}, FunctionCase{"BiS(0-1)", "n=2;p=1/3", 0, 0, ""},
        FunctionCase{"AGM(6)", "a=1", 2.9513287L, 1e-7L, ""}, FunctionCase{"AGM(0-1)", "", 0, 0, ""},
        FunctionCase{"Phi(1)", "", 0.682689L, 1e-6L, ""}, FunctionCase{"GSU(1)", "", 0.841345L, 1e-6L, ""},
        FunctionCase{"GSU(0)", "", 0.5L, 0, ""}, FunctionCase{"Phi(0-12)", "", -1, 0, ""},
        FunctionCase{"GSU(11)", "", 1, 0, ""}, FunctionCase{"PrZ(1)", "", 2, 0, ""},
        FunctionCase{"PrZ(6)", "", 13, 0, ""}, FunctionCase{"PrZ(0.4)", "", 0, 0, ""}));

class StatisticsParameters : public testing::EngineTest {};

TEST_F(StatisticsParameters, MissingParametersAreAddedWithAMessage) {
  UseParams({"x=1"});
  const Extended sum = EvalTerm("BiS(6)");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "Neuen Parameter gesetzt:n=50");
  EXPECT_EQ(messages[1], "Neuen Parameter gesetzt:p=1/6");
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
  // fak's argument is evaluated with x from the parameter line, sin's with X.
  EXPECT_EQ(EvalTermAt("fak(x)", 5), 6);
  EXPECT_EQ(EvalTermAt("abs(x)", 5), 5);
}

TEST_F(StatisticsParameters, AgmOfHugeValuesEndsBetweenTheMeans) {
  UseParams({"a=1"});
  const Extended m = EvalTerm("AGM(10^21)");
  EXPECT_GT(m, 3.1e10L);  // above the geometric mean
  EXPECT_LT(m, 5e20L);    // below the arithmetic mean
}

TEST(NumericRoutines, DerivativeAndIntegral) {
  ParamLine() = " ";
  EXPECT_NEAR(static_cast<double>(NumDerivative("x^2", 3)), 6, 1e-9);
  EXPECT_NEAR(static_cast<double>(SimpsonIntegral("x^2", 10, 0, 3)), 9, 1e-15);
  EXPECT_EQ(SimpsonIntegral("x", 0, 0, 1), 0);
  EXPECT_EQ(SimpsonIntegral("x", -2, 0, 1), 0);
}

class Simpson : public testing::EngineTest {};

TEST_F(Simpson, AFailedStepSaysSoAndGivesZero) {
  EXPECT_EQ(SimpsonIntegral("5*10^4931", 2, 0, 1), 0);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Integral kann nicht berechnet werden!");
}

TEST(NumericRoutines, SmallHelpers) {
  EXPECT_EQ(SqrtTol(-1e-13L), 0);
  EXPECT_EQ(SqrtTol(9), 3);
  EXPECT_THROW(SqrtTol(-1), std::domain_error);
  for (const auto& [before, after] : {std::pair{2.9999999999999L, 3.0L}, {-2.9999999999999L, -3.0L}, {2.5L, 2.5L}}) {
    Extended x = before;
    SnapToInteger(x, 1e-12L);
    EXPECT_EQ(x, after);
  }
  EXPECT_EQ(LcmOf(4, 6), 12);
  Extended c1, c2, c3;
  CrossProduct(1, 0, 0, 0, 1, 0, c1, c2, c3);
  EXPECT_EQ((std::vector<Extended>{c1, c2, c3}), (std::vector<Extended>{0, 0, 1}));
  EXPECT_EQ(IntPower(-2, 3), -8);
  EXPECT_EQ(IntPower(2, -2), 0.25L);
}

}  // namespace
}  // namespace lumatik
