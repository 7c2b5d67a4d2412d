#include "discuss/symmetry_test.h"

#include <cmath>

#include "discuss/discuss_texts.h"
#include "discuss/number_patterns.h"
#include "exact/fractions.h"

namespace lumatik {

namespace {

constexpr int kPairs = 12;
constexpr int kPairsNeeded = 10;

// Counts the pairs f(x0 - t), f(x0 + t) with t = 1 + k·d that `agree`;
// a pair that cannot be evaluated is not counted.
template <typename Agree>
int AgreeingPairs(const DiscussionRun& run, Extended x0, Agree agree) {
  int count = 0;
  for (int k = 1; k <= kPairs; ++k) {
    const Extended t = 1 + k * run.step;
    const TermValue left = run.f(x0 - t);
    const TermValue right = run.f(x0 + t);
    if (!left.failed && !right.failed && agree(left.value, right.value)) ++count;
  }
  return count;
}

}  // namespace

bool TestAxisSymmetry(DiscussionRun& run, Extended x0) {
  const int count =
      AgreeingPairs(run, x0, [](Extended left, Extended right) { return std::fabs(left - right) < 1e-6L; });
  if (count < kPairsNeeded) return false;
  run.symmetryText = std::string(discusstexts::kAxisSymmetry) + DecimalsText(x0, 6) + discusstexts::kLocal;
  return true;
}

bool TestPointSymmetry(DiscussionRun& run, Extended x0, Extended y0) {
  const int count = AgreeingPairs(
      run, x0, [y0](Extended left, Extended right) { return std::fabs(left + right - 2 * y0) < 1e-4L; });
  if (count < kPairsNeeded) return false;
  run.symmetryText = std::string(discusstexts::kPointSymmetry) + DecimalsText(x0, 4) + "|" +
                     DecimalsText(y0, 4) + ")" + discusstexts::kLocal;
  return true;
}

void TestSymmetry(DiscussionRun& run, int tries, Extended x) {
  if (!run.symmetryText.empty()) return;
  --tries;
  if (TestAxisSymmetry(run, x)) return;
  const TermValue y0 = run.f(x);
  if (!y0.failed && TestPointSymmetry(run, x, y0.value)) return;
  Extended num = 0;
  Extended den = 0;
  if (tries >= 1 && FindFraction(num, den, x, 0.001L)) TestSymmetry(run, tries, num / den);
}

}  // namespace lumatik
