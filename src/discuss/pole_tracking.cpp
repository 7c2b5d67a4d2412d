#include "discuss/pole_tracking.h"

#include "discuss/symmetry_test.h"

namespace lumatik {

namespace {

// A failed evaluation counts as the value 0 here.
Extended ValueOrZero(const DiscussionRun& run, Extended x) {
  const TermValue value = run.f(x);
  return value.failed ? 0 : value.value;
}

void TrackTurn(DiscussionRun& run, int depth, Extended x, Extended w, int& windowsLeft) {
  if (windowsLeft <= 0) return;
  --windowsLeft;
  if (depth < 0) {
    TestSymmetry(run, 2, x);
    return;
  }
  Extended y[4];
  for (int i = 0; i < 4; ++i) y[i] = ValueOrZero(run, x + i * w / 3);
  const Extended d1 = y[1] - y[0];
  const Extended d2 = y[2] - y[1];
  const Extended d3 = y[3] - y[2];
  const bool rising = d1 > 0 && d2 > 0 && d3 > 0;
  const bool falling = d1 < 0 && d2 < 0 && d3 < 0;
  const bool flat = d1 == 0 && d2 == 0 && d3 == 0;
  if (rising || falling || flat) return;
  for (int third = 0; third < 3; ++third) TrackTurn(run, depth - 1, x + third * w / 3, w / 3, windowsLeft);
}

}  // namespace

void TrackPoleSign(DiscussionRun& run, int depth, Extended x, Extended w) {
  for (;; --depth) {
    if (depth < 0) {
      TestSymmetry(run, 2, x);
      return;
    }
    const Extended yl = ValueOrZero(run, x);
    const Extended yr = ValueOrZero(run, x + w);
    if ((yl > 0 && yr > 0) || (yl < 0 && yr < 0)) return;
    const Extended ym = ValueOrZero(run, x + w / 2);
    w /= 2;
    const bool changeInLeftHalf = (yl > 0 && ym < 0) || (yl < 0 && ym > 0);
    if (!changeInLeftHalf) x += w;
  }
}

void TrackPoleTurn(DiscussionRun& run, int depth, Extended x, Extended w) {
  int windowsLeft = kMaxTurnWindows;
  TrackTurn(run, depth, x, w, windowsLeft);
}

}  // namespace lumatik
