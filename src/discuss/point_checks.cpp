#include "discuss/point_checks.h"

#include <algorithm>
#include <cmath>

namespace lumatik {

Quantity ValueOf(const DiscussionRun& run) {
  return [&run](Extended x) -> std::optional<Extended> {
    const TermValue v = run.f(x);
    if (v.failed) return std::nullopt;
    return v.value;
  };
}

Quantity FirstDerivativeOf(const DiscussionRun& run) {
  return [&run](Extended x) -> std::optional<Extended> {
    const TermSlopes s = SlopesAt(run.f, run.slopes, x);
    if (!s.known) return std::nullopt;
    return s.d1;
  };
}

Quantity SecondDerivativeOf(const DiscussionRun& run) {
  return [&run](Extended x) -> std::optional<Extended> {
    const TermSlopes s = SlopesAt(run.f, run.slopes, x);
    if (!s.known) return std::nullopt;
    return s.d2;
  };
}

namespace {

// Halving ends here: the place is then known to the last digit of the
// extended type, or to 1e-19 near 0, far beyond the digits written (a
// change at 0 would otherwise be halved down through all the tiny numbers).
bool Settled(Extended left, Extended right) {
  return right - left <= 1e-19L * std::max<Extended>(1, std::max(std::fabs(left), std::fabs(right)));
}

}  // namespace

std::optional<Extended> SignChangeOf(const Quantity& q, Extended left, Extended right, int leftSign) {
  for (int halving = 0; halving < 200 && !Settled(left, right); ++halving) {
    const Extended m = left + (right - left) / 2;
    if (!(m > left && m < right)) break;
    const std::optional<Extended> value = q(m);
    if (!value) return std::nullopt;
    const int sign = SignOf(*value);
    if (sign == 0) return m;
    (sign == leftSign ? left : right) = m;
  }
  const std::optional<Extended> atLeft = q(left);
  const std::optional<Extended> atRight = q(right);
  if (!atLeft || !atRight) return std::nullopt;
  return std::fabs(*atLeft) <= std::fabs(*atRight) ? left : right;
}

bool LooksContinuous(const Quantity& q, Extended x, Extended delta) {
  const std::optional<Extended> wideLeft = q(x - delta);
  const std::optional<Extended> wideRight = q(x + delta);
  const std::optional<Extended> narrowLeft = q(x - delta / 16);
  const std::optional<Extended> narrowRight = q(x + delta / 16);
  if (!wideLeft || !wideRight || !narrowLeft || !narrowRight) return false;
  const Extended wide = std::fabs(*wideRight - *wideLeft);
  const Extended narrow = std::fabs(*narrowRight - *narrowLeft);
  // What rounding leaves in a difference of two values of this size.
  const Extended rounding = 1e-12L * (1 + std::fabs(*narrowLeft) + std::fabs(*narrowRight));
  return narrow <= wide / 2 + rounding;
}

bool HasLimit(const DiscussionRun& run, Extended x, Extended delta) {
  // The values on both sides come together as the window closes: the same
  // test as for continuity, without the place itself.
  return LooksContinuous(ValueOf(run), x, delta);
}

std::optional<Extended> JumpBetween(const DiscussionRun& run, Extended left, Extended right) {
  TermValue fl = run.f(left);
  TermValue fr = run.f(right);
  if (fl.failed || fr.failed) return std::nullopt;
  const Extended start = std::fabs(fr.value - fl.value);
  for (int halving = 0; halving < 200 && !Settled(left, right); ++halving) {
    const Extended m = left + (right - left) / 2;
    if (!(m > left && m < right)) break;
    const TermValue fm = run.f(m);
    if (fm.failed) return std::nullopt;
    // On towards the half that changes more.
    if (std::fabs(fm.value - fl.value) >= std::fabs(fr.value - fm.value)) {
      right = m;
      fr = fm;
    } else {
      left = m;
      fl = fm;
    }
  }
  const Extended change = std::fabs(fr.value - fl.value);
  const Extended scale = 1 + std::fabs(fl.value) + std::fabs(fr.value);
  // A jump keeps a change of its own size between neighbouring numbers; a
  // pole's values run away from the change seen between the scan points.
  if (change < 1e-9L * scale || change > 2 * start) return std::nullopt;
  return right;
}

}  // namespace lumatik
