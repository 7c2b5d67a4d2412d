// Generated polynomials with known roots, simple and double, discussed on
// [-4; 4]. The references: the roots themselves, and the sign changes of
// the exact first and second derivative (GMP coefficients, evaluated by
// Horner's rule and bisected) - nothing of the discussion's own scan.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "exact_polynomial.h"
#include "support/engine_state.h"
#include "worked_text.h"

namespace lumatik::testing {
namespace {

// The exact coefficients rounded once.
using Approximation = std::vector<long double>;
Approximation Approximate(const Coefficients& p) {
  Approximation q;
  for (const mpq_class& c : p) q.push_back(static_cast<long double>(c.get_num().get_si()) / c.get_den().get_si());
  return q;
}

long double Horner(const Approximation& p, long double x) {
  long double value = 0;
  for (std::size_t i = p.size(); i-- > 0;) value = value * x + p[i];
  return value;
}

// The places in [lo, hi] where q changes sign, bisected in long double.
std::vector<long double> SignChanges(const Approximation& q, long double lo, long double hi) {
  std::vector<long double> places;
  const int samples = 80000;
  const long double h = (hi - lo) / samples;
  long double left = lo, valueLeft = Horner(q, left);
  for (int i = 1; i <= samples; ++i) {
    const long double right = lo + i * h, valueRight = Horner(q, right);
    if (valueRight == 0) {
      // An exact zero on the grid: a change when the next sample differs in sign.
      if (valueLeft * Horner(q, right + h) < 0) places.push_back(right);
      continue;
    }
    if (valueLeft != 0 && (valueLeft < 0) != (valueRight < 0)) {
      long double a = left, b = right;
      for (int k = 0; k < 200 && b - a > 1e-18L * (1 + std::fabs(a)); ++k) {
        const long double m = (a + b) / 2;
        ((Horner(q, m) < 0) == (Horner(q, a) < 0) ? a : b) = m;
      }
      places.push_back((a + b) / 2);
    }
    left = right;
    valueLeft = valueRight;
  }
  return places;
}

// A zero of q on the grid where q does not change sign: a near double root
// that makes the scan's answer a matter of rounding. The exact double roots
// in `known` (f' at a saddle) are meant.
bool HasQuietNearZero(const Approximation& q, long double lo, long double hi,
                      const std::vector<long double>& known = {}) {
  const int samples = 4000;
  const long double h = (hi - lo) / samples;
  std::vector<long double> v;
  long double largest = 0;
  for (int i = 0; i <= samples; ++i) largest = std::max(largest, std::fabs(v.emplace_back(Horner(q, lo + i * h))));
  for (int i = 1; i < samples; ++i) {
    const bool localMinimum = std::fabs(v[i]) <= std::fabs(v[i - 1]) && std::fabs(v[i]) <= std::fabs(v[i + 1]);
    const long double x = lo + i * h;
    const bool meant = std::any_of(known.begin(), known.end(), [&](long double k) { return std::fabs(x - k) < 2 * h; });
    if (localMinimum && v[i - 1] * v[i + 1] > 0 && std::fabs(v[i]) < 1e-3L * largest && !meant) return true;
  }
  return false;
}

constexpr double kA = -4;
constexpr double kB = 4;

bool WellSeparated(std::vector<long double> places, double d) {
  std::sort(places.begin(), places.end());
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (places[i] - kA < 3 * d || kB - places[i] < 3 * d) return false;
    if (i > 0 && places[i] - places[i - 1] < 3 * d) return false;
  }
  return true;
}

struct Case {
  std::string term;
  double step;
  std::vector<long double> simpleRoots, doubleRoots, saddles, extrema, inflections;
  Approximation p, p1, p2;
};

std::vector<Case> GeneratedCases() {
  std::mt19937 random(1616);
  std::vector<Case> cases;
  const mpq_class leading[] = {mpq_class(1, 8), mpq_class(1, 4), mpq_class(1, 2), 1, 2};
  while (cases.size() < 60) {
    Case c;
    c.step = random() % 3 == 0 ? 0.125 : 0.1;
    Coefficients p{leading[random() % 5] * (random() % 2 == 0 ? 1 : -1)};
    const int distinct = 1 + static_cast<int>(random() % 4);
    std::vector<int> used;
    int degree = 0;
    for (int k = 0; k < distinct; ++k) {
      const int eighths = static_cast<int>(random() % 57) - 28;  // roots in [-3,5; 3,5]
      if (std::find(used.begin(), used.end(), eighths) != used.end()) continue;
      used.push_back(eighths);
      // Multiplicity 1, 2 (a touching zero) or 3 (a zero with a saddle).
      const int multiplicity = degree <= 2 ? 1 + static_cast<int>(random() % 3) : (degree <= 3 ? 1 + static_cast<int>(random() % 2) : 1);
      const mpq_class root(eighths, 8);
      for (int m = 0; m < multiplicity; ++m) p = Multiply(p, {-root, 1}), ++degree;
      (multiplicity == 2 ? c.doubleRoots : c.simpleRoots).push_back(root.get_d());
      if (multiplicity == 3) c.saddles.push_back(root.get_d());
    }
    // A factor without real zeros adds turns that no zero explains.
    if (random() % 4 == 0 && degree <= 4) {
      mpq_class constant(1 + static_cast<int>(random() % 8), 4);
      constant.canonicalize();
      p = Multiply(p, {constant, 0, 1});
    }
    c.p = Approximate(p);
    c.p1 = Approximate(Derivative(p));
    c.p2 = Approximate(Derivative(Derivative(p)));
    c.extrema = SignChanges(c.p1, kA - 1, kB + 1);
    c.inflections = SignChanges(c.p2, kA - 1, kB + 1);
    std::sort(c.simpleRoots.begin(), c.simpleRoots.end());
    std::vector<long double> zeros = c.simpleRoots;
    zeros.insert(zeros.end(), c.doubleRoots.begin(), c.doubleRoots.end());
    if (!WellSeparated(zeros, c.step) || !WellSeparated(c.extrema, c.step) || !WellSeparated(c.inflections, c.step))
      continue;
    std::sort(c.saddles.begin(), c.saddles.end());
    if (HasQuietNearZero(c.p1, kA, kB, c.saddles) || HasQuietNearZero(c.p2, kA, kB)) continue;
    // Values and slopes the refinements accept.
    bool inRange = true;
    for (long double e : c.extrema)
      inRange = inRange && std::fabs(Horner(c.p, e)) < 9000 && std::fabs(Horner(c.p2, e)) < 1000;
    for (long double w : c.inflections)
      inRange = inRange && std::fabs(Horner(c.p, w)) < 9000 && std::fabs(Horner(c.p1, w)) < 150;
    if (!inRange) continue;
    c.term = TermText(p);
    cases.push_back(c);
  }
  return cases;
}

class PolynomialReference : public EngineTest {};

TEST_F(PolynomialReference, ZerosExtremaAndInflectionsMatchTheDerivatives) {
  int doubleRootsSeen = 0, scanPointRootsSeen = 0, saddlesSeen = 0;
  for (const Case& c : GeneratedCases()) {
    SCOPED_TRACE(c.term + " step " + std::to_string(c.step));
    const WorkedText text = ParseWorkedText(DiscussTerm(c.term, kA, kB, c.step));
    doubleRootsSeen += static_cast<int>(c.doubleRoots.size());
    saddlesSeen += static_cast<int>(c.saddles.size());
    if (c.step == 0.125) scanPointRootsSeen += static_cast<int>(c.simpleRoots.size() + c.doubleRoots.size());

    // Zeros with a change of sign are numbered; double roots are not.
    const std::vector<Entry> numbered = text.zerosOf('N');
    ASSERT_EQ(numbered.size(), c.simpleRoots.size());
    for (std::size_t i = 0; i < numbered.size(); ++i) {
      const long double root = c.simpleRoots[i], slope = Horner(c.p1, root);
      EXPECT_EQ(numbered[i].number, static_cast<int>(i) + 1);
      EXPECT_NEAR(numbered[i].x, root, 1e-12L) << numbered[i].text;
      // The slope is exact (automatic differentiation), written with 14 decimals;
      // at a triple root f' is lost in the rounding of the expanded terms.
      const bool saddle = std::find(c.saddles.begin(), c.saddles.end(), root) != c.saddles.end();
      EXPECT_NEAR(numbered[i].slope, slope, (saddle ? 1e-9L : 1e-13L) * (1 + std::fabs(slope))) << numbered[i].text;
    }
    for (const Entry& touching : text.zerosOf('n'))
      EXPECT_TRUE(std::any_of(c.doubleRoots.begin(), c.doubleRoots.end(),
                              [&](long double r) { return std::fabs(touching.x - r) < 1e-6L; }))
          << touching.text;

    // High and low points where f' changes sign; saddle points are the
    // inflections with slope 0 at the triple roots.
    std::vector<Entry> turns, saddles;
    for (const Entry& e : text.tangents) (e.kind == 'W' ? saddles : turns).push_back(e);
    ASSERT_EQ(saddles.size(), c.saddles.size());
    for (std::size_t i = 0; i < saddles.size(); ++i) EXPECT_NEAR(saddles[i].x, c.saddles[i], 1e-4L) << saddles[i].text;
    ASSERT_EQ(turns.size(), c.extrema.size());
    for (std::size_t i = 0; i < c.extrema.size(); ++i) {
      const Entry& e = turns[i];
      const long double x = c.extrema[i];
      EXPECT_EQ(e.kind, Horner(c.p2, x) < 0 ? 'H' : 'T') << e.text;
      EXPECT_NEAR(e.x, x, 2e-6L) << e.text;
      EXPECT_NEAR(e.y, Horner(c.p, x), 1e-5L) << e.text;
    }

    // Inflection points where f'' changes sign, four decimals each.
    ASSERT_EQ(text.inflections.size(), c.inflections.size());
    for (std::size_t i = 0; i < c.inflections.size(); ++i) {
      const Entry& w = text.inflections[i];
      const long double x = c.inflections[i];
      EXPECT_NEAR(w.x, x, 2e-4L) << w.text;
      EXPECT_NEAR(w.y, Horner(c.p, x), 2e-4L * (1 + std::fabs(Horner(c.p1, x)))) << w.text;
      EXPECT_NEAR(w.slope, Horner(c.p1, x), 2e-4L * (1 + std::fabs(Horner(c.p2, x)))) << w.text;
    }
  }
  // The generator must have produced the nasty cases.
  EXPECT_GT(doubleRootsSeen, 10);
  EXPECT_GT(saddlesSeen, 5);
  EXPECT_GT(scanPointRootsSeen, 10);
}

}  // namespace
}  // namespace lumatik::testing
