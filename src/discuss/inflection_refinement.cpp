#include "discuss/inflection_refinement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "discuss/number_patterns.h"
#include "discuss/sign_change.h"
#include "discuss/symmetry_test.h"

namespace lumatik {

namespace {

constexpr Extended kLargestValue = 10000;
constexpr Extended kSteepestDifference = 20;
constexpr Extended kTiny = 1e-15L;
// The largest change of f across the final window that is no jump.
constexpr Extended kLargestFinalChange = 1e-6L;
// Below this window width a place is settled to the four decimals written.
constexpr Extended kSettledWidth = 1e-6L;

bool IsTiny(Extended v) { return std::fabs(v) < kTiny; }

// The second differences dd[1..5] of the ladder x - 4·h2, ..., x + 2·h2;
// dd[j] is centred at the ladder point j. sign[j] is its sign where it
// stands out of the rounding of the values, 0 otherwise.
struct Ladder {
  std::array<Extended, 7> point{};
  std::array<Extended, 6> dd{};
  std::array<int, 6> sign{};
  bool valid = false;
};

Ladder MakeLadder(const DiscussionRun& run, Extended x, Extended h2) {
  Ladder ladder;
  std::array<Extended, 7> y{};
  Extended largest = 0;
  for (int i = 0; i < 7; ++i) {
    ladder.point[i] = x + (i - 4) * h2;
    const TermValue value = run.f(ladder.point[i]);
    if (value.failed || std::fabs(value.value) > kLargestValue) return ladder;
    y[i] = value.value;
    largest = std::max(largest, std::fabs(y[i]));
  }
  std::array<Extended, 7> d{};
  for (int i = 1; i < 7; ++i) {
    d[i] = y[i] - y[i - 1];
    if (std::fabs(d[i]) > kSteepestDifference) return ladder;
  }
  const Extended noise = 64 * std::numeric_limits<Extended>::epsilon() * largest;
  for (int j = 1; j <= 5; ++j) {
    ladder.dd[j] = d[j + 1] - d[j];
    ladder.sign[j] = SignBeyond(ladder.dd[j], noise);
  }
  ladder.valid = true;
  return ladder;
}

bool Opposite(const Ladder& ladder, int i, int j) { return ladder.sign[i] * ladder.sign[j] < 0; }

// Where the search goes from one ladder: on around `at`, or ending there
// when `found`; nothing when the ladder holds no inflection.
struct Decision {
  bool none = true;
  bool found = false;
  Extended at = 0;
};

Decision GoOn(const Ladder& ladder, int j) { return {false, false, ladder.point[j]}; }
Decision Found(Extended at) { return {false, true, at}; }

bool IsFlat(const Ladder& ladder) {
  for (int k = 1; k <= 5; ++k)
    if (!IsTiny(ladder.dd[k])) return false;
  return true;
}

// The place where the signs that still stand out of the rounding change:
// between two neighbours of opposite signs, interpolated; within a run of
// second differences lost in the rounding, its middle. Without any sign,
// the ladder's centre x.
Extended PlaceOfChange(const Ladder& ladder) {
  for (int j = 1; j < 5; ++j) {
    if (!Opposite(ladder, j, j + 1)) continue;
    const Extended left = std::fabs(ladder.dd[j]);
    const Extended right = std::fabs(ladder.dd[j + 1]);
    return ladder.point[j] + (ladder.point[j + 1] - ladder.point[j]) * left / (left + right);
  }
  int first = 0;
  int last = 0;
  for (int j = 1; j <= 5; ++j) {
    if (ladder.sign[j] != 0) continue;
    if (first == 0) first = j;
    last = j;
  }
  if (first == 0) return ladder.point[4];
  return (ladder.point[first] + ladder.point[last]) / 2;
}

bool HoldsSignChange(const Ladder& ladder) {
  int sign = 0;
  for (int j = 1; j <= 5; ++j) {
    if (ladder.sign[j] == 0) continue;
    if (sign != 0 && ladder.sign[j] != sign) return true;
    sign = ladder.sign[j];
  }
  return false;
}

bool FadesIntoRounding(const Ladder& ladder) {
  for (int j = 1; j <= 5; ++j)
    if (ladder.sign[j] == 0) return true;
  return false;
}

// The tests in their order, which decides where the search goes.
Decision Decide(const Ladder& ladder, bool settled) {
  // A ladder flat to 1e-15 throughout: the window has shrunk onto the point.
  if (IsFlat(ladder)) return Found(PlaceOfChange(ladder));
  for (int j = 2; j <= 5; ++j) {
    // A vanishing second difference between two of opposite signs marks
    // the change. In a window wider than the text's four decimals the
    // search narrows around it: a discrete second difference may vanish a
    // little off the place where f'' does.
    if (j < 5 && IsTiny(ladder.dd[j]) && Opposite(ladder, j - 1, j + 1))
      return settled ? Found(ladder.point[j]) : GoOn(ladder, j);
    // A change right of x (between ladder points 4 and 5) moves the window
    // there; keeping x would let it slip out of the narrower window.
    if (Opposite(ladder, j - 1, j)) return GoOn(ladder, j);
  }
  if (HoldsSignChange(ladder)) return GoOn(ladder, 4);
  // Second differences that fade into the rounding before a change shows:
  // the change lies where they fade, and the place cannot be told finer.
  if (FadesIntoRounding(ladder)) return Found(PlaceOfChange(ladder));
  return {};
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
      if (left.failed || right.failed || std::fabs(right.value - left.value) > kLargestFinalChange) return {};
      return InflectionText(run, x);
    }
    const Extended h2 = h / 2;
    const Ladder ladder = MakeLadder(run, x, h2);
    if (!ladder.valid) return {};
    const Decision decision = Decide(ladder, h < kSettledWidth);
    if (decision.none) return {};
    if (decision.found) return InflectionText(run, decision.at);
    x = decision.at;
    h = h2;
  }
}

}  // namespace lumatik
