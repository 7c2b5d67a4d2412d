// Generated polynomials with known roots, simple and double, discussed on
// [-4; 4]. The references: the roots themselves, and the sign changes of
// the exact first and second derivative (GMP coefficients, evaluated by
// Horner's rule and bisected) - nothing of the discussion's own scan.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "discuss/number_patterns.h"
#include "exact_polynomial.h"
#include "expr/compiled_term.h"
#include "shell/codepage.h"
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
  Coefficients exact;
};

const std::vector<Case>& GeneratedCases() {
  static const std::vector<Case> made = [] {
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
    c.exact = p;
    cases.push_back(c);
  }
  return cases;
  }();
  return made;
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


// Rational functions r(x)·(x-g) / ((x-g)·(x-p)^m): a removable gap at g and
// a pole of order m at p. f = r/(x-p)^m, so f' = N/(x-p)^(m+1) with
// N = r'·(x-p) - m·r, and f'' = M/(x-p)^(m+2) with M = N'·(x-p) - (m+1)·N:
// the references are the roots of r and the sign changes of N and M.
Coefficients Scaled(const Coefficients& p, const mpq_class& factor) {
  Coefficients r = p;
  for (mpq_class& c : r) c *= factor;
  return r;
}

Coefficients Sum(const Coefficients& p, const Coefficients& q) {
  Coefficients r(std::max(p.size(), q.size()), 0);
  for (std::size_t i = 0; i < p.size(); ++i) r[i] += p[i];
  for (std::size_t i = 0; i < q.size(); ++i) r[i] += q[i];
  return r;
}

mpq_class ExactAt(const Coefficients& p, const mpq_class& x) {
  mpq_class v = 0;
  for (std::size_t i = p.size(); i-- > 0;) v = v * x + p[i];
  return v;
}

struct RationalCase {
  std::string term;
  double step = 0.1;
  mpq_class gap, pole;
  int order = 1;
  std::vector<long double> zeros, extrema, inflections;
  Coefficients r, n, m;  // f = r/(x-p)^order, f' = n/(x-p)^(order+1), f'' = m/(x-p)^(order+2)
};

const std::vector<RationalCase>& RationalCases() {
  static const std::vector<RationalCase> made = [] {
  std::mt19937 random(2525);
  std::vector<RationalCase> cases;
  while (cases.size() < 40) {
    RationalCase c;
    c.step = random() % 2 == 0 ? 0.125 : 0.1;
    c.r = {mpq_class(1 + static_cast<int>(random() % 4), 2) * (random() % 2 == 0 ? 1 : -1)};
    std::vector<int> used;
    for (int k = 0, roots = 1 + static_cast<int>(random() % 2); k < roots + 2; ++k) {
      const int eighths = static_cast<int>(random() % 57) - 28;
      if (std::find(used.begin(), used.end(), eighths) != used.end()) continue;
      used.push_back(eighths);
      const mpq_class place(eighths, 8);
      if (k == roots) {
        c.gap = place;
      } else if (k == roots + 1) {
        c.pole = place;
      } else {
        c.r = Multiply(c.r, {-place, 1});
        c.zeros.push_back(place.get_d());
      }
    }
    if (used.size() < 3 || c.gap == c.pole || c.pole == 0 || c.gap == 0) continue;
    c.gap.canonicalize(), c.pole.canonicalize();
    c.order = 1 + static_cast<int>(random() % 2);
    Coefficients denominator{1};
    for (int k = 0; k < c.order; ++k) denominator = Multiply(denominator, {-c.pole, 1});
    c.term = "(" + TermText(Multiply(c.r, {-c.gap, 1})) + ")/(" + TermText(Multiply(denominator, {-c.gap, 1})) + ")";
    c.n = Sum(Multiply(Derivative(c.r), {-c.pole, 1}), Scaled(c.r, -c.order));
    c.m = Sum(Multiply(Derivative(c.n), {-c.pole, 1}), Scaled(c.n, -(c.order + 1)));
    c.extrema = SignChanges(Approximate(c.n), kA - 1, kB + 1);
    c.inflections = SignChanges(Approximate(c.m), kA - 1, kB + 1);
    std::vector<long double> all = c.zeros;
    all.insert(all.end(), c.extrema.begin(), c.extrema.end());
    all.insert(all.end(), c.inflections.begin(), c.inflections.end());
    all.push_back(c.gap.get_d());
    all.push_back(c.pole.get_d());
    std::sort(c.zeros.begin(), c.zeros.end());
    if (!WellSeparated(all, c.step) || HasQuietNearZero(Approximate(c.n), kA, kB) ||
        HasQuietNearZero(Approximate(c.m), kA, kB))
      continue;
    cases.push_back(c);
  }
  return cases;
  }();
  return made;
}

TEST_F(PolynomialReference, RationalFunctionsWithPolesAndGaps) {
  int gapsOnTheScan = 0, evenPoles = 0;
  for (const RationalCase& c : RationalCases()) {
    SCOPED_TRACE(c.term + " step " + std::to_string(c.step));
    const std::vector<std::string> lines = DiscussTerm(c.term, kA, kB, c.step);
    const WorkedText text = ParseWorkedText(lines);
    evenPoles += c.order % 2 == 0;
    // Only the roots of r are zeros: none at the pole, none at the gap.
    const std::vector<Entry> numbered = text.zerosOf('N');
    ASSERT_EQ(numbered.size(), c.zeros.size());
    for (std::size_t i = 0; i < numbered.size(); ++i) EXPECT_NEAR(numbered[i].x, c.zeros[i], 1e-12L) << numbered[i].text;
    EXPECT_TRUE(text.zerosOf('n').empty());
    ASSERT_EQ(text.tangents.size(), c.extrema.size());
    for (std::size_t i = 0; i < c.extrema.size(); ++i) EXPECT_NEAR(text.tangents[i].x, c.extrema[i], 2e-6L) << text.tangents[i].text;
    ASSERT_EQ(text.inflections.size(), c.inflections.size());
    for (std::size_t i = 0; i < c.inflections.size(); ++i)
      EXPECT_NEAR(text.inflections[i].x, c.inflections[i], 2e-4L) << text.inflections[i].text;
    // The gap is named where a scan point meets it; no jump anywhere.
    const std::string gapLine = Cp1252("Lücke bei x = ") + DecimalsText(c.gap.get_d(), 6) + " (f ist dort nicht definiert)";
    const bool named = std::find(lines.begin(), lines.end(), gapLine) != lines.end();
    if (c.step == 0.125) {
      EXPECT_TRUE(named) << gapLine;
    }
    gapsOnTheScan += named;
    for (const std::string& line : lines) EXPECT_EQ(line.find("Sprungstelle"), std::string::npos) << line;
  }
  EXPECT_GT(gapsOnTheScan, 10);
  EXPECT_GT(evenPoles, 10);
}

// The compiled term's automatic derivatives against the exact ones at
// points k/16, for the polynomials and the rational functions above.
TEST_F(PolynomialReference, AutomaticDerivativesAreExact) {
  int compared = 0;
  const auto check = [&](const std::string& term, auto exactD1, auto exactD2, auto scale) {
    const std::shared_ptr<const CompiledTerm> f = CompiledTermFor(term);
    for (int k = -64; k <= 64; k += 3) {
      const mpq_class x(k, 16);
      long double d1 = 0, d2 = 0;
      if (!f->derivatives(x.get_d(), d1, d2)) continue;  // at the gap or the pole
      const long double s = scale(x);
      EXPECT_NEAR(d1, exactD1(x), 1e-16L * s) << term << " at " << x.get_str();
      EXPECT_NEAR(d2, exactD2(x), 1e-15L * s) << term << " at " << x.get_str();
      ++compared;
    }
  };
  for (const Case& c : GeneratedCases()) {
    const Coefficients p1 = Derivative(c.exact), p2 = Derivative(p1);
    check(
        c.term, [&](const mpq_class& x) { return ExactAt(p1, x).get_d(); },
        [&](const mpq_class& x) { return ExactAt(p2, x).get_d(); },
        [&](const mpq_class& x) {
          long double sum = 0;
          for (std::size_t i = 0; i < c.exact.size(); ++i) sum += std::fabs(c.exact[i].get_d()) * (i * i + 1) * std::pow(std::fabs(x.get_d()) + 1, i);
          return sum;
        });
  }
  for (const RationalCase& c : RationalCases()) {
    const auto power = [&](const mpq_class& x, int n) {
      mpq_class v = 1;
      for (int k = 0; k < n; ++k) v *= x - c.pole;
      return v;
    };
    check(
        c.term, [&](const mpq_class& x) { return mpq_class(ExactAt(c.n, x) / power(x, c.order + 1)).get_d(); },
        [&](const mpq_class& x) { return mpq_class(ExactAt(c.m, x) / power(x, c.order + 2)).get_d(); },
        [&](const mpq_class& x) {
          const mpq_class d1 = ExactAt(c.n, x) / power(x, c.order + 1), d2 = ExactAt(c.m, x) / power(x, c.order + 2);
          return 1e3L * (1 + std::fabs(d1.get_d()) + std::fabs(d2.get_d()) + std::fabs(mpq_class(ExactAt(c.r, x) / power(x, c.order)).get_d()));
        });
  }
  EXPECT_GT(compared, 3000);
}

}  // namespace
}  // namespace lumatik::testing
