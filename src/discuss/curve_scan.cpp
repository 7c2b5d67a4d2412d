#include "discuss/curve_scan.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

#include "discuss/discuss_texts.h"
#include "discuss/extremum_refinement.h"
#include "discuss/inflection_refinement.h"
#include "discuss/pole_tracking.h"
#include "discuss/sign_change.h"
#include "discuss/symmetry_test.h"
#include "discuss/zero_bisection.h"
#include "shell/floatformat.h"

namespace lumatik {

namespace {

constexpr int kPoleTrackingDepth = 20;
constexpr double kPoleThreshold = 8;
// A longer inflection list is left out of the text altogether.
constexpr std::size_t kLongestInflectionList = 400;
// A value this small against its neighbours is rounding, not a sign.
constexpr double kRoundingShare = 1e-12;

int SignOfValue(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// Splits a block at its CR LF pairs into memo lines.
void AddBlock(std::vector<std::string>& lines, const std::string& block) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = block.find("\r\n", start);
    lines.push_back(block.substr(start, end - start));
    if (end == std::string::npos) return;
    start = end + 2;
  }
}

// What rounding alone may put into the second difference of the values
// left, centre and right of x: they are rounded to doubles, and the scan
// points carry the rounding of x := x + d, which the slope turns into a
// value error.
double SecondDifferenceNoise(Extended left, Extended centre, Extended right, double x, double d) {
  const Extended values = std::fabs(left) + 2 * std::fabs(centre) + std::fabs(right);
  const Extended slopeTimesPosition =
      (std::fabs(x) + d) * (std::fabs(right - centre) + std::fabs(centre - left)) / d;
  return static_cast<double>(8 * DBL_EPSILON * (values + slopeTimesPosition));
}

int TextGroup(PointKind kind) {
  switch (kind) {
    case PointKind::Zero:
    case PointKind::TouchingZero:
      return 0;
    case PointKind::High:
    case PointKind::Low:
      return 1;
    case PointKind::Inflection:
      break;
  }
  return 2;
}

}  // namespace

CurveScan::CurveScan(TermFunction f, std::string term, double a, double b, double d)
    : term_(std::move(term)), a_(a), b_(b), d_(d), x_(a) {
  run_.f = std::move(f);
  run_.step = d;
  y_ = sample(a);
  const Extended ad = a;
  const TermValue before = run_.f(ad - d);
  const TermValue twoBefore = run_.f(ad - 2 * static_cast<Extended>(d));
  yBefore_ = before.failed ? 0 : static_cast<double>(before.value);
  p_ = before.failed ? 0 : static_cast<double>(y_.value - before.value);
  if (!before.failed && !twoBefore.failed) {
    const double s = static_cast<double>(p_ - (before.value - twoBefore.value));
    previousCurvature_ = SignBeyond(s, SecondDifferenceNoise(twoBefore.value, before.value, y_.value, a, d));
  }
  // A zero on a itself counts when f changes sign there.
  if (y_.known && y_.value == 0) {
    pendingZero_ = a;
    signBeforeZero_ = before.failed ? 0 : SignOfValue(yBefore_);
  }
  finished_ = !(x_ < b_);
}

CurveScan::Sample CurveScan::sample(Extended x) const {
  const TermValue v = run_.f(x);
  // A value beyond the double range cannot be held by the scan.
  if (v.failed || std::fabs(v.value) > DBL_MAX) return {};
  return {static_cast<double>(v.value), true};
}

void CurveScan::step() {
  if (finished_) return;
  const double xn = x_ + d_;
  if (!(xn > x_)) {  // a step that no longer moves x: nothing more to scan
    finished_ = true;
    return;
  }
  const Sample next = sample(xn);
  if (!next.known) TestSymmetry(run_, 2, xn);
  const double yn = next.value;
  if (std::fabs(yn) > kPoleThreshold) {
    TrackPoleSign(run_, kPoleTrackingDepth, xn, d_);
    TrackPoleTurn(run_, kPoleTrackingDepth, xn, d_);
  }
  const double dy = yn - y_.value;
  const double ddy = dy - p_;

  if (ChangesSign(dy, p_)) {
    const Finding extremum = RefineExtremum(run_, x_, d_);
    if (!extremum.text.empty()) AddEntryOnce(run_, run_.tangentList, extremum);
  }
  watchSecondDifference(ddy, SecondDifferenceNoise(yBefore_, y_.value, yn, x_, d_));
  p_ = dy;
  watchZero(next, xn);

  yBefore_ = y_.value;
  ++stepIndex_;
  x_ = xn;
  y_ = next;
  finished_ = !(x_ < b_);
}

void CurveScan::watchSecondDifference(double ddy, double noise) {
  const int curvature = SignBeyond(ddy, noise);
  if (flatCount_ > 0) {
    if (curvature == 0) {
      ++flatCount_;
    } else {
      // f'' vanished at one scan point: an inflection when the curvature
      // on both sides differs. A longer run is a straight piece, no point.
      if (flatCount_ == 1 && ChangesSignStrictly(curvatureBeforeFlat_, curvature)) {
        const Finding inflection = RefineInflection(run_, flatStart_, d_);
        if (!inflection.text.empty()) AddEntryOnce(run_, run_.inflectionList, inflection);
      }
      flatCount_ = 0;
    }
  } else if (curvature == 0) {
    if (previousCurvature_ != 0) {
      flatCount_ = 1;
      flatStart_ = x_;
      curvatureBeforeFlat_ = previousCurvature_;
    }
  } else if (ChangesSignStrictly(previousCurvature_, curvature)) {
    const Finding inflection = RefineInflection(run_, x_, d_);
    if (!inflection.text.empty()) AddEntryOnce(run_, run_.inflectionList, inflection);
  }
  previousCurvature_ = curvature;
}

void CurveScan::watchZero(Sample next, double xn) {
  if (pendingZero_) {
    if (!next.known) {
      pendingZero_.reset();
    } else if (next.value == 0) {
      signBeforeZero_ = 0;  // f vanishes on a whole piece: no single zero
    } else {
      if (ChangesSignStrictly(signBeforeZero_, SignOfValue(next.value)))
        addNumberedZero(ZeroAt(run_, *pendingZero_));
      pendingZero_.reset();
    }
    return;
  }
  if (!next.known) return;
  if (next.value == 0) {
    pendingZero_ = xn;
    signBeforeZero_ = y_.known ? SignOfValue(y_.value) : 0;
  } else if (y_.known && ChangesSignStrictly(SignOfValue(y_.value), SignOfValue(next.value))) {
    addBisectedZero(BisectZero(run_, x_, xn), next.value);
  }
}

void CurveScan::addBisectedZero(const Finding& zero, double yn) {
  if (zero.text.empty()) return;
  const Extended previous = lastBisectedZero_.point.x;
  const double neighbours = std::max(std::fabs(yBefore_), std::fabs(yn));
  if (lastBisectionStep_ == stepIndex_ - 1 && std::fabs(y_.value) <= kRoundingShare * neighbours) {
    // f went down and up again through one value at x that is only the
    // rounding around a double root: no change of sign.
    const auto entry = run_.zeroList.rfind("\r\n" + lastBisectedZero_.text);
    if (entry != std::string::npos) run_.zeroList.erase(entry, lastBisectedZero_.text.size() + 2);
    for (auto it = run_.points.rbegin(); it != run_.points.rend(); ++it) {
      if (it->kind == PointKind::Zero && it->x == previous) {
        run_.points.erase(std::next(it).base());
        break;
      }
    }
    --run_.zeroCount;
    lastBisectionStep_ = -2;
    return;
  }
  lastBisectedZero_ = addNumberedZero(zero);
  lastBisectionStep_ = stepIndex_;
}

Finding CurveScan::addNumberedZero(const Finding& zero) {
  if (zero.text.empty()) return zero;
  ++run_.zeroCount;
  Finding numbered = zero;
  numbered.text = "N" + std::to_string(run_.zeroCount) + "(" + zero.text + ")";
  AddEntry(run_, run_.zeroList, numbered);
  return numbered;
}

DiscussionResult CurveScan::result() {
  if (pendingZero_) {
    // The zero sits on the last scan point: one more value decides.
    const double after = *pendingZero_ + d_;
    watchZero(sample(after), after);
  }
  namespace t = discusstexts;
  DiscussionResult result;
  result.lines.push_back("f(x)=" + term_);
  result.lines.push_back("Intervall [" + GeneralFloatText(a_, 15) + ";" + GeneralFloatText(b_, 15) + "]");
  AddBlock(result.lines, run_.zeroList.empty() ? t::kNoZero : t::kZeroHeading + run_.zeroList);
  AddBlock(result.lines, run_.tangentList.empty() ? t::kNoTangent : t::kTangentHeading + run_.tangentList);
  if (run_.inflectionList.size() < kLongestInflectionList)
    AddBlock(result.lines,
             run_.inflectionList.empty() ? t::kNoInflection : t::kInflectionHeading + run_.inflectionList);
  if (!run_.symmetryText.empty()) AddBlock(result.lines, run_.symmetryText);
  // The points in the order of the text: zeros, turning points, inflections.
  result.points = run_.points;
  std::stable_sort(result.points.begin(), result.points.end(), [](const FoundPoint& a, const FoundPoint& b) {
    return TextGroup(a.kind) < TextGroup(b.kind);
  });
  return result;
}

std::optional<DiscussionResult> DiscussCurve(TermFunction f, const std::string& term, double a, double b,
                                             double d, const KeepGoing& keepGoing) {
  CurveScan scan(std::move(f), term, a, b, d);
  while (!scan.finished()) {
    if (!keepGoing()) return std::nullopt;
    scan.step();
  }
  return scan.result();
}

}  // namespace lumatik
