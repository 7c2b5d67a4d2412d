// Terms whose analysis is known in closed form: trigonometric, e-function,
// ln and rational terms with poles.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
  const WorkedText text = ParseWorkedText(testing::DiscussTerm(expected.term, expected.a, expected.b, expected.d));
  const std::vector<Entry> zeros = text.zerosOf('N');
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
constexpr const char* kOrigin = "Punktsymmetrisch zu S(0|0)(lokal)";
constexpr const char* kAxis0 = "Achsensymmetrisch zu x = 0(lokal)";

INSTANTIATE_TEST_SUITE_P(
    Trigonometric, KnownAnalysis,
    ::testing::Values(
        Analysis{"sin(x)", -4, 4, 0.1, {-kPi, 0, kPi}, {{'T', -kPi / 2, -1}, {'H', kPi / 2, 1}},
                 {{-kPi, 0, -1}, {0, 0, 1}, {kPi, 0, -1}}, "Punktsymmetrisch zu S(-3,1416|0)(lokal)"},
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
        Analysis{"x*exp(-x^2)", -3, 3, 0.1, {0},
                 {{'T', -kRootHalf, -kRootHalf * std::exp(-0.5L)}, {'H', kRootHalf, kRootHalf * std::exp(-0.5L)}},
                 {{-kRootThreeHalves, -kRootThreeHalves * std::exp(-1.5L), -2 * std::exp(-1.5L)},
                  {0, 0, 1},
                  {kRootThreeHalves, kRootThreeHalves * std::exp(-1.5L), -2 * std::exp(-1.5L)}},
                 kOrigin},
        // ln fails left of 0; the values there are left out.
        Analysis{"2*ln(x)/x", -5, 5, 0.2, {1}, {{'H', kE, 2 / kE}},
                 {{std::exp(1.5L), 3 * std::exp(-1.5L), -std::exp(-3.0L)}}, nullptr},
        // A double zero at 1: a low point, no zero with a change of sign.
        Analysis{"ln(x)^2", 0.5, 4, 0.1, {}, {{'T', 1, 0}}, {{kE, 1, 2 / kE}}, nullptr}));

INSTANTIATE_TEST_SUITE_P(
    RationalWithPoles, KnownAnalysis,
    ::testing::Values(Analysis{"1/(x^2 - 2)", -5, 5, 0.2, {}, {{'H', 0, -0.5L}}, {}, kAxis0},
                      Analysis{"(x^2-1)/(x^2-4)", -5, 5, 0.1, {-1, 1}, {{'H', 0, 0.25L}}, {}, kAxis0},
                      Analysis{"1/(x-1)^2", -5, 5, 0.1, {}, {}, {}, "Achsensymmetrisch zu x = 1(lokal)"}));

}  // namespace
}  // namespace lumatik
