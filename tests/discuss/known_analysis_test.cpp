// Terms whose analysis is known in closed form: trigonometric, e-function,
// ln and rational terms with poles, and the example whose step is too
// coarse to see two of the zeros.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "support/engine_state.h"
#include "worked_text.h"

namespace lumatik {
namespace {

using testing::Entry;
using testing::ParseWorkedText;
using testing::WorkedText;

constexpr long double kPi = 3.14159265358979323846L;
constexpr long double kE = 2.71828182845904523536L;

struct Turn {
  char kind;
  long double x, y;
};

struct Inflection {
  long double x, y, slope;
};

struct Analysis {
  const char* term;
  double a, b, d;
  std::vector<long double> zeros;  // with a change of sign, in order
  std::vector<Turn> turns;         // high and low points, in order
  std::vector<Inflection> inflections;
  const char* symmetry;  // the symmetry line, or nullptr when none is written
};

void PrintTo(const Analysis& analysis, std::ostream* os) { *os << analysis.term; }

class KnownAnalysis : public testing::EngineTest, public ::testing::WithParamInterface<Analysis> {};

TEST_P(KnownAnalysis, MatchesTheClosedForm) {
  const Analysis& expected = GetParam();
  const WorkedText text =
      ParseWorkedText(testing::DiscussTerm(expected.term, expected.a, expected.b, expected.d));

  const std::vector<Entry> zeros = text.numberedZeros();
  ASSERT_EQ(zeros.size(), expected.zeros.size());
  for (std::size_t i = 0; i < zeros.size(); ++i)
    EXPECT_NEAR(zeros[i].x, expected.zeros[i], 1e-12L) << zeros[i].text;

  ASSERT_EQ(text.tangents.size(), expected.turns.size());
  for (std::size_t i = 0; i < text.tangents.size(); ++i) {
    const Entry& e = text.tangents[i];
    EXPECT_EQ(e.kind, expected.turns[i].kind) << e.text;
    EXPECT_NEAR(e.x, expected.turns[i].x, 1e-6L) << e.text;
    EXPECT_NEAR(e.y, expected.turns[i].y, 1e-5L) << e.text;
  }

  ASSERT_EQ(text.inflections.size(), expected.inflections.size());
  for (std::size_t i = 0; i < text.inflections.size(); ++i) {
    const Entry& w = text.inflections[i];
    EXPECT_NEAR(w.x, expected.inflections[i].x, 1e-4L) << w.text;
    EXPECT_NEAR(w.y, expected.inflections[i].y, 1e-4L) << w.text;
    EXPECT_NEAR(w.slope, expected.inflections[i].slope, 1e-4L) << w.text;
  }
  EXPECT_EQ(text.symmetry, expected.symmetry != nullptr ? expected.symmetry : "");
}

const long double kRootHalf = std::sqrt(0.5L);
const long double kRootThreeHalves = std::sqrt(1.5L);
constexpr const char* kOrigin = "Punktymmetrisch zu S(0|0)(lokal)";
constexpr const char* kAxis0 = "Achsensymmetrisch zu x = 0(lokal)";

INSTANTIATE_TEST_SUITE_P(
    Trigonometric, KnownAnalysis,
    ::testing::Values(
        Analysis{"sin(x)", -4, 4, 0.1, {-kPi, 0, kPi}, {{'T', -kPi / 2, -1}, {'H', kPi / 2, 1}},
                 {{-kPi, 0, -1}, {0, 0, 1}, {kPi, 0, -1}}, "Punktymmetrisch zu S(-3,1416|0)(lokal)"},
        Analysis{"cos(x)", -4, 4, 0.1, {-kPi / 2, kPi / 2}, {{'T', -kPi, -1}, {'H', 0, 1}, {'T', kPi, -1}},
                 {{-kPi / 2, 0, 1}, {kPi / 2, 0, -1}}, "Achsensymmetrisch zu x = -3,141593(lokal)"},
        // The poles of tan at ±Pi/2 change the sign without a zero.
        Analysis{"tan(x)", -3, 3, 0.1, {0}, {}, {{0, 0, 1}}, kOrigin},
        // sin x = 1/2 twice per period; turns where cos x = 0 or sin x = -1/2.
        Analysis{"-cos(2*x)+2*sin(x)-1/2", -5, 5, 0.2, {-7 * kPi / 6, kPi / 6, 5 * kPi / 6},
                 {{'H', -3 * kPi / 2, 2.5L}, {'T', -5 * kPi / 6, -2}, {'H', -kPi / 2, -1.5L}, {'T', -kPi / 6, -2},
                  {'H', kPi / 2, 2.5L}, {'T', 7 * kPi / 6, -2}, {'H', 3 * kPi / 2, -1.5L}},
                 {{-3.7765L, 0.3896L, -3.5203L}, {-2.1386L, -1.7646L, 0.7380L}, {-1.0030L, -1.7646L, -0.7380L},
                  {0.6349L, 0.3896L, 3.5203L}, {2.5067L, 0.3896L, -3.5203L}, {4.1446L, -1.7646L, 0.7380L}},
                 "Achsensymmetrisch zu x = -4,712389(lokal)"}));

INSTANTIATE_TEST_SUITE_P(
    ExponentialAndLogarithm, KnownAnalysis,
    ::testing::Values(
        Analysis{"x*exp(2-x)", -5, 5, 0.2, {0}, {{'H', 1, kE}}, {{2, 2, -1}}, nullptr},
        Analysis{"x*exp(-x^2)", -3, 3, 0.1, {0},
                 {{'T', -kRootHalf, -kRootHalf * std::exp(-0.5L)}, {'H', kRootHalf, kRootHalf * std::exp(-0.5L)}},
                 {{-kRootThreeHalves, -kRootThreeHalves * std::exp(-1.5L), -2 * std::exp(-1.5L)},
                  {0, 0, 1},
                  {kRootThreeHalves, kRootThreeHalves * std::exp(-1.5L), -2 * std::exp(-1.5L)}},
                 kOrigin},
        Analysis{"exp(x)-2", -3, 3, 0.1, {std::log(2.0L)}, {}, {}, nullptr},
        // ln fails left of 0; the values there are left out.
        Analysis{"2*ln(x)/x", -5, 5, 0.2, {1}, {{'H', kE, 2 / kE}},
                 {{std::exp(1.5L), 3 * std::exp(-1.5L), -std::exp(-3.0L)}}, nullptr},
        // A double zero at 1: a low point, no zero with a change of sign.
        Analysis{"ln(x)^2", 0.5, 4, 0.1, {}, {{'T', 1, 0}}, {{kE, 1, 2 / kE}}, nullptr}));

INSTANTIATE_TEST_SUITE_P(
    RationalWithPoles, KnownAnalysis,
    ::testing::Values(Analysis{"1/(x^2 - 2)", -5, 5, 0.2, {}, {{'H', 0, -0.5L}}, {}, kAxis0},
                      Analysis{"(x^2-1)/(x^2-4)", -5, 5, 0.1, {-1, 1}, {{'H', 0, 0.25L}}, {}, kAxis0},
                      Analysis{"x/(x^2-1)", -3, 3, 0.1, {0}, {}, {{0, 0, -1}}, kOrigin},
                      Analysis{"1/(x-1)^2", -5, 5, 0.1, {}, {}, {}, "Achsensymmetrisch zu x = 1(lokal)"}));

// Rational terms with known zeros and poles: only the zeros are numbered,
// never a change of sign across a pole.
TEST(RationalReference, SignChangesAtPolesAreNoZeros) {
  testing::EngineTest::SetUpTestSuite();
  std::mt19937 random(4711);
  int checked = 0;
  while (checked < 40) {
    // Zeros and poles on a grid of quarters, at least 1/2 apart.
    std::vector<int> quarters;
    while (quarters.size() < 4) {
      const int q = static_cast<int>(random() % 29) - 14;
      bool apart = true;
      for (int other : quarters) apart = apart && std::abs(other - q) >= 2;
      if (apart) quarters.push_back(q);
    }
    const long double z1 = quarters[0] / 4.0L, z2 = quarters[1] / 4.0L;
    const long double p1 = quarters[2] / 4.0L, p2 = quarters[3] / 4.0L;
    const auto factor = [](int q) {
      return std::string("(x") + (q < 0 ? "+" : "-") + std::to_string(std::abs(q)) + "/4)";
    };
    const std::string term = factor(quarters[0]) + "*" + factor(quarters[1]) + "/" + factor(quarters[2]) +
                             "/" + factor(quarters[3]);
    ParamLine() = " ";
    const WorkedText text = ParseWorkedText(testing::DiscussTerm(term, -5, 5, 0.1));
    std::vector<long double> expected{z1, z2};
    std::sort(expected.begin(), expected.end());
    const std::vector<Entry> zeros = text.numberedZeros();
    ASSERT_EQ(zeros.size(), 2u) << term;
    for (int i = 0; i < 2; ++i) EXPECT_NEAR(zeros[i].x, expected[i], 1e-12L) << term;
    for (const Entry& zero : text.zeros) {
      EXPECT_GT(std::fabs(zero.x - p1), 0.1L) << term << ": " << zero.text;
      EXPECT_GT(std::fabs(zero.x - p2), 0.1L) << term << ": " << zero.text;
    }
    ++checked;
  }
}

// "Beispiel falsche Eingabe": with the step 1 the scan sees no change of
// sign between 2 and 3, so the two zeros there are missed; 1/5 finds all.
class CoarseStepExample : public testing::EngineTest {};

TEST_F(CoarseStepExample, StepOneMissesTheTwoInnerZeros) {
  const char* term = "2*x^4-20*x^3+70*x^2-100*x+47";
  // 2u^4 - 5u^2 + 1/8 with u = x - 5/2: u^2 = (5 ± sqrt(24))/4.
  const long double outer = std::sqrt((5 + std::sqrt(24.0L)) / 4);
  const long double inner = std::sqrt((5 - std::sqrt(24.0L)) / 4);
  const std::vector<long double> all{2.5L - outer, 2.5L - inner, 2.5L + inner, 2.5L + outer};

  const WorkedText fine = ParseWorkedText(testing::DiscussTerm(term, -5, 5, 0.2));
  ASSERT_EQ(fine.numberedZeros().size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(fine.zeros[i].x, all[i], 1e-12L);

  const WorkedText coarse = ParseWorkedText(testing::DiscussTerm(term, -5, 5, 1));
  ASSERT_EQ(coarse.numberedZeros().size(), 2u);
  EXPECT_NEAR(coarse.zeros[0].x, all[0], 1e-12L);
  EXPECT_NEAR(coarse.zeros[1].x, all[3], 1e-12L);
  // The turns and the hidden inflections are in docs/discussion/6-falsche-eingabe.txt.
}

}  // namespace
}  // namespace lumatik
