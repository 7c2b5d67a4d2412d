#include "discuss/inflection_refinement.h"

#include <array>
#include <cmath>

#include "discuss/number_patterns.h"
#include "discuss/symmetry_test.h"

namespace lumatik {

namespace {

constexpr Extended kLargestValue = 10000;
constexpr Extended kSteepestDifference = 20;
constexpr Extended kTiny = 1e-15L;
// The largest change of f across the final window that is no jump.
constexpr Extended kLargestFinalChange = 1e-6L;

bool IsTiny(Extended v) { return std::fabs(v) < kTiny; }

bool ChangesSignClearly(Extended a, Extended b) { return !IsTiny(a) && !IsTiny(b) && a * b < 0; }

// The second differences dd[1..5] of the ladder x - 4·h2, ..., x + 2·h2;
// dd[j] is centred at the ladder point j.
struct Ladder {
  std::array<Extended, 7> point{};
  std::array<Extended, 6> dd{};
  bool valid = false;
};

Ladder MakeLadder(const DiscussionRun& run, Extended x, Extended h2) {
  Ladder ladder;
  std::array<Extended, 7> y{};
  for (int i = 0; i < 7; ++i) {
    ladder.point[i] = x + (i - 4) * h2;
    const TermValue value = run.f(ladder.point[i]);
    if (value.failed || std::fabs(value.value) > kLargestValue) return ladder;
    y[i] = value.value;
  }
  std::array<Extended, 7> d{};
  for (int i = 1; i < 7; ++i) {
    d[i] = y[i] - y[i - 1];
    if (std::fabs(d[i]) > kSteepestDifference) return ladder;
  }
  for (int j = 1; j <= 5; ++j) ladder.dd[j] = d[j + 1] - d[j];
  ladder.valid = true;
  return ladder;
}

// A vanishing second difference marks the point when the values beside it
// lie on opposite sides, or when the ladder is flat throughout.
bool MarksInflection(const Ladder& ladder, int j) {
  if (!IsTiny(ladder.dd[j])) return false;
  if (j > 1 && j < 5 && ChangesSignClearly(ladder.dd[j - 1], ladder.dd[j + 1])) return true;
  for (int k = 1; k <= 5; ++k)
    if (!IsTiny(ladder.dd[k])) return false;
  return true;
}

bool HoldsSignChange(const Ladder& ladder) {
  int sign = 0;
  for (int j = 1; j <= 5; ++j) {
    if (IsTiny(ladder.dd[j])) continue;
    const int s = ladder.dd[j] > 0 ? 1 : -1;
    if (sign != 0 && s != sign) return true;
    sign = s;
  }
  return false;
}

}  // namespace

Finding InflectionText(DiscussionRun& run, Extended x) {
  std::string text = "W(" + DecimalsText(x, 4) + "|";
  TestSymmetry(run, 2, x);
  const TermValue y = run.f(x);
  if (y.failed) return {};
  const Extended slope = SlopeAt(run.f, x);
  text += DecimalsText(y.value, 4) + ";" + DecimalsText(slope, 4) + ")";
  Finding inflection;
  inflection.text = text;
  inflection.point = {PointKind::Inflection, x, y.value};
  if (std::fabs(slope) < kTiny) AddEntryOnce(run, run.tangentList, inflection);
  return inflection;
}

Finding RefineInflection(DiscussionRun& run, Extended x, Extended h) {
  // Each level halves h, so the loop ends once h < 1e-15 at the latest.
  for (;;) {
    if (std::fabs(h) < kTiny) {
      const TermValue left = run.f(x - 2 * h);
      const TermValue right = run.f(x + 2 * h);
      if (left.failed || right.failed || std::fabs(right.value - left.value) > kLargestFinalChange)
        return {};
      return InflectionText(run, x);
    }
    const Extended h2 = h / 2;
    const Ladder ladder = MakeLadder(run, x, h2);
    if (!ladder.valid) return {};
    // The order of the tests decides which point of the ladder is taken.
    if (MarksInflection(ladder, 1)) return InflectionText(run, ladder.point[1]);
    if (MarksInflection(ladder, 2)) return InflectionText(run, ladder.point[2]);
    int next = 0;  // the ladder point the window moves to
    if (ChangesSignClearly(ladder.dd[1], ladder.dd[2])) {
      next = 2;
    } else if (MarksInflection(ladder, 3)) {
      return InflectionText(run, ladder.point[3]);
    } else if (ChangesSignClearly(ladder.dd[2], ladder.dd[3])) {
      next = 3;
    } else if (MarksInflection(ladder, 4)) {
      return InflectionText(run, ladder.point[4]);
    } else if (ChangesSignClearly(ladder.dd[3], ladder.dd[4])) {
      next = 4;
    } else if (MarksInflection(ladder, 5)) {
      return InflectionText(run, ladder.point[5]);
    } else if (HoldsSignChange(ladder)) {
      next = 4;
    } else {
      return {};
    }
    x = ladder.point[next];
    h = h2;
  }
}

}  // namespace lumatik
