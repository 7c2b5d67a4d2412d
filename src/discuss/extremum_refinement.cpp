#include "discuss/extremum_refinement.h"

#include <cmath>

#include "discuss/number_patterns.h"
#include "discuss/sign_change.h"
#include "discuss/symmetry_test.h"

namespace lumatik {

namespace {

constexpr Extended kLargestValue = 10000;
constexpr Extended kSteepestDifference = 20;
// Below this half-width the place is settled to the six decimals written.
constexpr Extended kSettledWidth = 1e-7L;

// "H(x|y)" when y lies above the comparison value, "T(x|y)" below, nothing
// when both are equal.
Finding TurningPoint(const std::string& label, Extended x, Extended y, Extended comparison) {
  if (y == comparison) return {};
  const bool high = y > comparison;
  Finding point;
  point.text = (high ? "H(" : "T(") + label + ")";
  point.point = {high ? PointKind::High : PointKind::Low, x, y};
  return point;
}

}  // namespace

Finding RefineExtremum(DiscussionRun& run, Extended x, Extended h) {
  // Every level narrows the window to half its width, so the loop ends once
  // h < 1e-15 at the latest.
  for (;;) {
    const TermValue y = run.f(x);
    if (y.failed || std::fabs(y.value) > kLargestValue) {
      TestSymmetry(run, 2, x);
      return {};
    }
    const std::string label = DecimalsText(x, 6) + "|" + DecimalsText(y.value, 5);
    if (std::fabs(y.value) < 1e-15L) {
      Finding touching;
      touching.text = "N(" + DecimalsText(x, 6) + "|0)";
      touching.point = {PointKind::TouchingZero, x, 0};
      AddEntryOnce(run, run.zeroList, touching);
      TestSymmetry(run, 2, x);
    }
    const TermValue yl = run.f(x - h);
    if (yl.failed) return {};
    if (std::fabs(h) < 1e-15L) {
      TestSymmetry(run, 2, x);
      return TurningPoint(label, x, y.value, yl.value);
    }
    const Extended h2 = h / 2;
    const TermValue yml = run.f(x - h2);
    if (yml.failed || std::fabs(yml.value) > kLargestValue) return {};
    const Extended dl = yml.value - yl.value;
    const Extended dr = y.value - yml.value;
    if (std::fabs(dl) > kSteepestDifference || std::fabs(dr) > kSteepestDifference) return {};
    // Equal values at x - h/2 and x end the search where f is flat or the
    // window is narrower than the text shows. Otherwise they only say that
    // the turn lies between them (a parabola with its vertex at x - h/4).
    const bool flat = std::fabs(dl) < 1e-15L;
    if (std::fabs(dr) < 1e-15L && (flat || h < kSettledWidth)) {
      TestSymmetry(run, 2, x);
      return TurningPoint(label, x, y.value, yl.value);
    }
    if (ChangesSign(dl, dr)) {
      x -= h2;
    } else {
      const TermValue ymr = run.f(x + h2);
      if (ymr.failed || std::fabs(ymr.value) > kLargestValue) return {};
      const Extended dr2 = ymr.value - y.value;
      if (std::fabs(dr2) > kSteepestDifference) return {};
      if (!ChangesSign(dr, dr2)) x += h2;
    }
    h = h2;
  }
}

}  // namespace lumatik
