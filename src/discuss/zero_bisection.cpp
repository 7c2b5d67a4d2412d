#include "discuss/zero_bisection.h"

#include <cmath>

#include "discuss/number_patterns.h"
#include "exact/fractions.h"

namespace lumatik {

namespace {

// More halvings than any interval of doubles can take: only a guard.
constexpr int kMaxHalvings = 2200;

}  // namespace

Finding ZeroAt(DiscussionRun& run, Extended m) {
  const Extended slope = SlopeAt(run.f, m);
  const std::string slopeText = std::isfinite(slope) ? NumberTextMixed(slope) : "?";
  const TermValue fm = run.f(m);
  if (fm.failed || std::fabs(fm.value) > 1e-6L) return {};
  Finding zero;
  zero.text = DecimalsText(m, 14) + FractionSuffix(m) + "|0" + ";" + slopeText;
  zero.point = {PointKind::Zero, m, 0};
  return zero;
}

Finding BisectZero(DiscussionRun& run, double p, double q) {
  for (int halving = 0; halving < kMaxHalvings; ++halving) {
    const Extended m = (static_cast<Extended>(p) + q) / 2;
    const double nextEnd = static_cast<double>(m);
    // Narrow enough, or no double left between the ends (beyond |x| = 8
    // neighbouring doubles lie further apart than 1e-15).
    const bool narrow = std::fabs(static_cast<Extended>(q) - p) < 1e-15L;
    if (narrow || !(nextEnd > p && nextEnd < q)) return ZeroAt(run, m);
    // The sign is taken where the new end will lie: the midpoint rounded to
    // a double may sit on the other side of the zero than the midpoint.
    const TermValue fp = run.f(p);
    const TermValue fm = run.f(nextEnd);
    if (fp.failed || fm.failed) return {};
    if (fp.value == 0) return ZeroAt(run, p);
    if (fm.value == 0) return ZeroAt(run, nextEnd);
    const bool sameSide = (fp.value > 0) == (fm.value > 0);
    if (sameSide) {
      p = nextEnd;
    } else {
      q = nextEnd;
    }
  }
  return {};
}

}  // namespace lumatik
