#include "discuss/curve_scan.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "discuss/discuss_texts.h"
#include "discuss/number_patterns.h"
#include "discuss/point_checks.h"
#include "discuss/pole_tracking.h"
#include "discuss/symmetry_test.h"
#include "exact/fractions.h"
#include "expr/evaluate.h"
#include "shell/codepage.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

constexpr int kPoleTrackingDepth = 20;
constexpr Extended kPoleThreshold = 8;
// A longer inflection list is left out of the text altogether.
constexpr std::size_t kLongestInflectionList = 400;
// The largest |f| at a bisected zero: beyond it the sign changed across a
// pole or a jump.
constexpr Extended kLargestZeroValue = 1e-6L;
constexpr Extended kTiny = 1e-15L;
constexpr Extended kDerivativeNoise = 1e-12L;

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

// A slope as exact as the decimals of its line where it is exact, with six
// decimals where a difference quotient gave it.
std::string SlopeText(const TermSlopes& s, int decimals) {
  if (!s.known) return "?";
  if (!s.exact) return DecimalsText(s.d1, std::min(decimals, 6));
  return DecimalsText(s.d1, decimals) + (decimals >= 14 ? FractionSuffix(s.d1) : "");
}

}  // namespace

CurveScan::CurveScan(TermFunction f, SlopeFunction slopes, std::string term, double a, double b, double d)
    : term_(std::move(term)), a_(a), b_(b), d_(d) {
  if (a_ > b_) {
    std::swap(a_, b_);
    reversed_ = true;
  }
  run_.f = std::move(f);
  run_.slopes = std::move(slopes);
  run_.step = d;
  finished_ = !(d_ > 0);
}

void CurveScan::step() {
  if (finished_) return;
  // a + k·d, so that rounding does not pile up over the steps; b itself
  // is the last point.
  Extended x = static_cast<Extended>(a_) + static_cast<Extended>(nextIndex_) * d_;
  if (x >= b_ - 1e-9L * d_ || (!samples_.empty() && !(x > samples_.back().x))) {
    x = b_;
    finished_ = true;
  }
  ++nextIndex_;
  if (!samples_.empty() && samples_.back().x >= x) return;
  Sample sample;
  sample.x = x;
  sample.f = run_.f(x);
  if (sample.f.failed) {
    if (firstMessage_.empty()) firstMessage_ = MathErrorText();
  } else if (run_.slopes) {
    sample.s = SlopesAt(run_.f, run_.slopes, x);
  }
  samples_.push_back(sample);
}

Extended CurveScan::probeDistance(Extended x) const {
  return std::min<Extended>(static_cast<Extended>(d_) / 64, 1e-3L * std::max<Extended>(1, std::fabs(x)));
}

void CurveScan::fillMissingSlopes() {
  // Without exact derivatives the scan's own values give them: central
  // differences over the neighbouring scan points, pointwise quotients at
  // the ends and beside failed points.
  for (std::size_t k = 0; k < samples_.size(); ++k) {
    Sample& s = samples_[k];
    if (s.f.failed || s.s.known) continue;
    const bool inner = k > 0 && k + 1 < samples_.size() && !samples_[k - 1].f.failed && !samples_[k + 1].f.failed;
    if (!inner) {
      s.s = SlopesAt(run_.f, run_.slopes, s.x);
      continue;
    }
    const Sample& l = samples_[k - 1];
    const Sample& r = samples_[k + 1];
    const Extended left = (s.f.value - l.f.value) / (s.x - l.x);
    const Extended right = (r.f.value - s.f.value) / (r.x - s.x);
    s.s.d1 = (r.f.value - l.f.value) / (r.x - l.x);
    s.s.d2 = 2 * (right - left) / (r.x - l.x);
    s.s.known = std::isfinite(s.s.d1) && std::isfinite(s.s.d2);
  }
}

int CurveScan::signAt(Kind kind, Extended x) const {
  const TermValue y = run_.f(x);
  if (y.failed) return 0;
  if (kind == Kind::Zero) return SignOf(y.value);
  const TermSlopes s = SlopesAt(run_.f, run_.slopes, x);
  if (!s.known) return 0;
  const Extended value = kind == Kind::Turn ? s.d1 : s.d2;
  return std::fabs(value) <= noise(kind, y.value, s.d1) ? 0 : SignOf(value);
}

Extended CurveScan::noise(Kind kind, Extended y, Extended d1) {
  // What rounding may leave of a derivative that is 0 throughout (a
  // straight line written as a fraction, say).
  const Extended scale = 1 + std::fabs(y);
  switch (kind) {
    case Kind::Zero: return 0;
    case Kind::Turn: return kDerivativeNoise * scale;
    case Kind::Inflection: break;
  }
  return kDerivativeNoise * (scale + std::fabs(d1));
}

void CurveScan::watch(Kind kind, Watch& w, std::size_t k, Extended value) {
  const Sample& sample = samples_[k];
  const Extended x = sample.x;
  if (value == 0) {
    // Zero on the neighbouring scan points too: a flat piece, no single place.
    const auto zeroAt = [&](std::size_t j) {
      const Sample& other = samples_[j];
      if (other.f.failed) return false;
      if (kind == Kind::Zero) return other.f.value == 0;
      return other.s.known && (kind == Kind::Turn ? other.s.d1 : other.s.d2) == 0;
    };
    if ((k == 0 || zeroAt(k - 1)) && (k + 1 == samples_.size() || zeroAt(k + 1))) {
      w = {0, x};
      return;
    }
    // On the scan point itself: the sign just left and right of it decides.
    const Extended delta = probeDistance(x);
    const int leftSign = signAt(kind, x - delta);
    const int rightSign = signAt(kind, x + delta);
    if (leftSign * rightSign < 0) confirm(kind, x, leftSign);
    w = {rightSign, x + delta};
    return;
  }
  // A derivative lost in the rounding of the values tells no sign: the
  // change is looked for between the clear signs on both sides.
  if (std::fabs(value) <= noise(kind, sample.f.value, sample.s.d1)) return;
  const int sign = SignOf(value);
  if (w.sign * sign < 0) {
    const Quantity q = kind == Kind::Zero   ? ValueOf(run_)
                       : kind == Kind::Turn ? FirstDerivativeOf(run_)
                                            : SecondDerivativeOf(run_);
    if (const std::optional<Extended> place = SignChangeOf(q, w.x, x, w.sign)) confirm(kind, *place, w.sign);
  }
  w = {sign, x};
}

void CurveScan::confirm(Kind kind, Extended x, int leftSign) {
  switch (kind) {
    case Kind::Zero: confirmZero(x, leftSign); return;
    case Kind::Turn: confirmTurn(x, leftSign); return;
    case Kind::Inflection: confirmInflection(x); return;
  }
}

Extended CurveScan::SharpenedMultipleZero(Extended x, Extended fx) const {
  // At a triple root f is lost in the rounding over a band of about the
  // cube root of it, and halving f ends anywhere in the band. f'' changes
  // sign at the root itself, and its place is sharp.
  const Extended width = 1e-4L * std::max<Extended>(1, std::fabs(x));
  const int left = signAt(Kind::Inflection, x - width);
  const int right = signAt(Kind::Inflection, x + width);
  if (left * right >= 0) return x;
  const std::optional<Extended> place = SignChangeOf(SecondDerivativeOf(run_), x - width, x + width, left);
  if (!place) return x;
  const TermValue there = run_.f(*place);
  const TermSlopes slopes = SlopesAt(run_.f, run_.slopes, *place);
  const bool flat = slopes.known && std::fabs(slopes.d1) <= kDerivativeNoise * (1 + std::fabs(there.value));
  return !there.failed && flat && std::fabs(there.value) <= std::max(fx, kTiny) ? *place : x;
}

void CurveScan::confirmZero(Extended x, int leftSign) {
  const TermValue fx = run_.f(x);
  if (fx.failed || std::fabs(fx.value) > kLargestZeroValue) return;
  // Both sides keep their sign: a double root whose value at a scan point
  // is rounding of the wrong sign changes no sign.
  const Extended delta = probeDistance(x);
  const TermValue left = run_.f(x - delta);
  const TermValue right = run_.f(x + delta);
  if (left.failed || right.failed || SignOf(left.value) != leftSign || SignOf(right.value) != -leftSign) return;
  x = SharpenedMultipleZero(x, std::fabs(fx.value));
  ++run_.zeroCount;
  Finding zero;
  zero.text = "N" + std::to_string(run_.zeroCount) + "(" + DecimalsText(x, 14) + FractionSuffix(x) + "|0;" +
              SlopeText(SlopesAt(run_.f, run_.slopes, x), 14) + ")";
  zero.point = {PointKind::Zero, x, 0};
  AddEntry(run_, run_.zeroList, zero);
}

void CurveScan::confirmTurn(Extended x, int leftSign) {
  const TermValue y = run_.f(x);
  const Extended delta = probeDistance(x);
  // A turn of f where f jumps, has a gap or a pole, or where f' does (a
  // cusp), has no horizontal tangent.
  if (y.failed || !LooksContinuous(ValueOf(run_), x, delta) ||
      !LooksContinuous(FirstDerivativeOf(run_), x, delta)) {
    TestSymmetry(run_, 2, x);
    return;
  }
  if (std::fabs(y.value) < kTiny) {
    Finding touching;
    touching.text = "N(" + DecimalsText(x, 6) + "|0)";
    touching.point = {PointKind::TouchingZero, x, 0};
    AddEntryOnce(run_, run_.zeroList, touching);
  }
  TestSymmetry(run_, 2, x);
  const bool high = leftSign > 0;
  Finding turn;
  turn.text = std::string(high ? "H(" : "T(") + DecimalsText(x, 6) + "|" + DecimalsText(y.value, 5) + ")";
  turn.point = {high ? PointKind::High : PointKind::Low, x, y.value};
  AddEntryOnce(run_, run_.tangentList, turn);
}

void CurveScan::confirmInflection(Extended x) {
  const TermValue y = run_.f(x);
  const Extended delta = probeDistance(x);
  if (y.failed || !LooksContinuous(ValueOf(run_), x, delta) ||
      !LooksContinuous(FirstDerivativeOf(run_), x, delta))
    return;
  TestSymmetry(run_, 2, x);
  const TermSlopes slopes = SlopesAt(run_.f, run_.slopes, x);
  if (!slopes.known) return;
  Finding inflection;
  inflection.text = "W(" + DecimalsText(x, 4) + "|" + DecimalsText(y.value, 4) + ";" + SlopeText(slopes, 4) + ")";
  inflection.point = {PointKind::Inflection, x, y.value};
  AddEntryOnce(run_, run_.inflectionList, inflection);
  // A horizontal tangent at an inflection point: a saddle point.
  if (std::fabs(slopes.d1) < kTiny) AddEntryOnce(run_, run_.tangentList, inflection);
}

void CurveScan::checkFailedPoint(Extended x) {
  TestSymmetry(run_, 2, x);
  if (HasLimit(run_, x, probeDistance(x)))
    notes_.push_back(Cp1252(discusstexts::kGap) + DecimalsText(x, 6) + discusstexts::kGapReason);
}

void CurveScan::checkJump(const Sample& left, const Sample& right) {
  if (!left.s.known || !right.s.known) return;
  // What the slopes on both ends allow f to change across the step.
  const Extended width = right.x - left.x;
  const Extended allowed = width * (std::fabs(left.s.d1) + std::fabs(right.s.d1)) +
                           width * width * (std::fabs(left.s.d2) + std::fabs(right.s.d2));
  const Extended change = std::fabs(right.f.value - left.f.value);
  const Extended rounding = 1e-12L * (1 + std::fabs(left.f.value) + std::fabs(right.f.value));
  if (change <= 4 * allowed + rounding) return;
  if (const std::optional<Extended> place = JumpBetween(run_, left.x, right.x))
    notes_.push_back(discusstexts::kJump + DecimalsText(*place, 6));
}

DiscussionResult CurveScan::result() {
  fillMissingSlopes();
  Watch zeros;
  Watch turns;
  Watch curvature;
  for (std::size_t k = 0; k < samples_.size(); ++k) {
    const Sample& s = samples_[k];
    if (s.f.failed) {
      checkFailedPoint(s.x);
      zeros = turns = curvature = {};
      continue;
    }
    if (std::fabs(s.f.value) > kPoleThreshold) {
      TrackPoleSign(run_, kPoleTrackingDepth, s.x, d_);
      TrackPoleTurn(run_, kPoleTrackingDepth, s.x, d_);
    }
    if (k > 0 && !samples_[k - 1].f.failed) checkJump(samples_[k - 1], s);
    watch(Kind::Zero, zeros, k, s.f.value);
    if (s.s.known) {
      watch(Kind::Turn, turns, k, s.s.d1);
      watch(Kind::Inflection, curvature, k, s.s.d2);
    } else {
      turns = curvature = {};
    }
  }

  namespace t = discusstexts;
  DiscussionResult result;
  result.lines.push_back("f(x)=" + term_);
  std::string interval = "Intervall [" + GeneralFloatText(a_, 15) + ";" + GeneralFloatText(b_, 15) + "]";
  if (reversed_) interval += discusstexts::kReversed;
  result.lines.push_back(interval);
  const bool allFailed =
      std::all_of(samples_.begin(), samples_.end(), [](const Sample& s) { return s.f.failed; });
  if (allFailed && !firstMessage_.empty()) result.lines.push_back(Trim(firstMessage_));
  AddBlock(result.lines, run_.zeroList.empty() ? t::kNoZero : t::kZeroHeading + run_.zeroList);
  AddBlock(result.lines, run_.tangentList.empty() ? t::kNoTangent : t::kTangentHeading + run_.tangentList);
  if (run_.inflectionList.size() < kLongestInflectionList)
    AddBlock(result.lines,
             run_.inflectionList.empty() ? t::kNoInflection : t::kInflectionHeading + run_.inflectionList);
  result.lines.insert(result.lines.end(), notes_.begin(), notes_.end());
  if (!run_.symmetryText.empty()) AddBlock(result.lines, run_.symmetryText);
  // The points in the order of the text: zeros, turning points, inflections.
  result.points = run_.points;
  std::stable_sort(result.points.begin(), result.points.end(), [](const FoundPoint& a, const FoundPoint& b) {
    return TextGroup(a.kind) < TextGroup(b.kind);
  });
  return result;
}

std::optional<DiscussionResult> DiscussCurve(TermFunction f, const std::string& term, double a, double b,
                                             double d, const KeepGoing& keepGoing, SlopeFunction slopes) {
  CurveScan scan(std::move(f), std::move(slopes), term, a, b, d);
  while (!scan.finished()) {
    if (!keepGoing()) return std::nullopt;
    scan.step();
  }
  return scan.result();
}

}  // namespace lumatik
