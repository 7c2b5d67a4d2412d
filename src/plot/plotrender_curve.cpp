#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "expr/evaluate.h"
#include "plot/plotrender_parts.h"

namespace lumatik {

namespace {

// How deep the search for a break between two samples may halve, and how
// often the ends of a cut curve are halved towards the break: 2^-40 of a
// sample step is far below a pixel.
constexpr int kBreakSearchDepth = 40;
constexpr int kCutEndHalvings = 40;

struct CurvePoint {
  Extended c;  // frame abscissa
  Extended y;  // frame ordinate
};

// Evaluates the curve at frame abscissae. A value the engine reports a
// message for is no value: the curve has a gap there, not a point at the
// engine's substitute 0, and "Lezter Fehler" names the message.
class CurveSampler {
 public:
  CurveSampler(bool derivative, const CompiledTerm& term, const PlotScale& scale, Extended band,
               long searchBudget)
      : derivative_(derivative), term_(term), scale_(scale), band_(band), searchBudget_(searchBudget) {}

  std::optional<Extended> ordinate(Extended c) {
    const std::optional<Extended> y = value((c - scale_.dx) * scale_.sx);
    if (!y) return std::nullopt;
    const Extended ycm = *y / scale_.sy + scale_.dy;
    if (!std::isfinite(ycm)) return std::nullopt;
    return ycm;
  }

  // A point the pen may go to: computed, and inside the band.
  std::optional<Extended> drawable(Extended c) {
    const std::optional<Extended> y = ordinate(c);
    if (y && std::fabs(*y) <= band_) return y;
    return std::nullopt;
  }

  bool inBand(const std::optional<Extended>& y) const { return y && std::fabs(*y) <= band_; }

  // True once every further value is known to fail with the same message.
  bool failsEverywhere() const { return same_ && same_->message; }

  // The searches between samples share one budget per curve, so that a
  // curve that wiggles everywhere costs a few times its samples, no more.
  bool spendSearch() {
    if (searchBudget_ <= 0) return false;
    --searchBudget_;
    return true;
  }

 private:
  // ComputedValue at x. A term that does not read x gives the same at every
  // x: once two evaluations in a row read no x, leave the parameter line as
  // they found it and end alike, the rest are answered from the last one
  // (an unreadable term fails at every point with the same message, decided
  // once per line).
  std::optional<Extended> value(Extended x) {
    if (same_) {
      if (same_->message) MathErrorText() = *same_->message;
      return same_->value;
    }
    if (readsX_) return ComputedValue(term_, x, derivative_);
    const std::uint64_t reads = XReadCount();
    const std::string line = ParamLine();
    const std::optional<Extended> y = ComputedValue(term_, x, derivative_);
    if (XReadCount() != reads) {
      readsX_ = true;
      return y;
    }
    Outcome outcome{y, y ? std::nullopt : std::optional<std::string>(MathErrorText())};
    if (line != ParamLine()) {
      previous_.reset();
    } else if (previous_ && previous_->sameAs(outcome)) {
      same_ = std::move(outcome);
    } else {
      previous_ = std::move(outcome);
    }
    return y;
  }

  // What an evaluation gave: its value, or the message it left.
  struct Outcome {
    std::optional<Extended> value;
    std::optional<std::string> message;
    bool sameAs(const Outcome& o) const {
      if (value.has_value() != o.value.has_value() || message != o.message) return false;
      // Values are finite here; 0 and -0 are told apart.
      return !value || (*value == *o.value && std::signbit(*value) == std::signbit(*o.value));
    }
  };

  bool derivative_;
  const CompiledTerm& term_;
  PlotScale scale_;
  Extended band_;
  long searchBudget_;
  bool readsX_ = false;
  std::optional<Outcome> previous_;
  std::optional<Outcome> same_;
};

// A point between two drawable samples where the curve cannot be drawn: a
// pole, a hole in the domain, or an excursion beyond the band. The interval
// is halved wherever its midpoint leaves the chord by more than `tolerance`
// (in cm); a curve that is smooth there meets the chord at once. A jump
// that stays inside the band is no break: it is joined as always.
std::optional<Extended> FindBreak(CurveSampler& f, CurvePoint a, CurvePoint b, Extended tolerance, int depth) {
  const Extended m = a.c + (b.c - a.c) / 2;
  if (!(m > a.c && m < b.c) || !f.spendSearch()) return std::nullopt;
  const std::optional<Extended> y = f.drawable(m);
  if (!y) return m;
  if (depth == 0 || std::fabs(*y - (a.y + b.y) / 2) <= tolerance) return std::nullopt;
  const CurvePoint mid{m, *y};
  if (const std::optional<Extended> left = FindBreak(f, a, mid, tolerance, depth - 1)) return left;
  return FindBreak(f, mid, b, tolerance, depth - 1);
}

// The drawable point nearest to the break, found by halving from a drawable
// sample towards it: there the cut piece of the curve ends.
CurvePoint LastDrawableTowards(CurveSampler& f, CurvePoint good, Extended bad) {
  for (int i = 0; i < kCutEndHalvings; ++i) {
    const Extended m = good.c + (bad - good.c) / 2;
    if (m == good.c || m == bad) break;
    if (const std::optional<Extended> y = f.drawable(m)) {
      good = {m, *y};
    } else {
      bad = m;
    }
  }
  return good;
}

}  // namespace

void DrawCurve(bool derivative, const CompiledTerm& term, Extended lower, Extended upper, Canvas& canvas,
               const PlotScale& s, const PlotFrame& frame, int steps) {
  // The band is the frame's height, at least 6 cm either way.
  const Extended band = std::max<Extended>(6, HalfHeightCm(frame));
  const Extended halfWidth = HalfWidthCm(frame);
  // A very wide frame samples more thinly, so that a line never costs more
  // values than 16 cm at the highest density.
  const Extended widest = 8.0L * kMaxValuesPerCm / halfWidth;
  if (steps > widest) steps = std::max(1, static_cast<int>(widest));
  const long last = static_cast<long>(std::ceil(halfWidth * steps - 1e-6L));
  const Extended tolerance = PixelsPerCm(frame) > 0 ? 0.5L / PixelsPerCm(frame) : 0.01L;
  CurveSampler f(derivative, term, s, band, 4 * (2 * last + 1) + 64);

  auto moveTo = [&](CurvePoint p) { canvas.moveTo(CmToPixelX(p.c, frame), CmToPixelY(p.y, frame)); };
  auto lineTo = [&](CurvePoint p) { canvas.lineTo(CmToPixelX(p.c, frame), CmToPixelY(p.y, frame)); };
  const Extended left = lower / s.sx + s.dx;
  const Extended right = upper / s.sx + s.dx;

  // The previous sample inside the interval, drawable or not; the pen is
  // down while the previous sample was drawable.
  std::optional<CurvePoint> previous;
  bool drawing = false;
  for (long k = -last; k <= last; ++k) {
    const Extended c = static_cast<Extended>(k) / steps;
    if (c < left || c > right) {
      // The interval ends at its last sample: nothing joins across its ends.
      previous.reset();
      drawing = false;
      continue;
    }
    const std::optional<Extended> y = f.drawable(c);
    // Past here every sample would fail alike, leave the engine's message as
    // it is now and draw nothing.
    if (!y && !drawing && f.failsEverywhere()) break;
    if (!y) {
      // The curve leaves the band or its domain: it runs on up to there.
      if (drawing) {
        const CurvePoint end = LastDrawableTowards(f, *previous, c);
        if (end.c != previous->c) lineTo(end);
      }
      previous = CurvePoint{c, 0};
      drawing = false;
      continue;
    }
    const CurvePoint here{c, *y};
    if (drawing) {
      if (const std::optional<Extended> cut = FindBreak(f, *previous, here, tolerance, kBreakSearchDepth)) {
        // A pole between two samples: each branch runs up to it, and no
        // line joins them.
        const CurvePoint end = LastDrawableTowards(f, *previous, *cut);
        const CurvePoint resume = LastDrawableTowards(f, here, *cut);
        if (end.c != previous->c) lineTo(end);
        moveTo(resume);
        if (resume.c != here.c) lineTo(here);
      } else {
        lineTo(here);
      }
    } else if (previous) {
      // The curve comes back into the band or its domain between the two
      // samples: it starts where it does.
      const CurvePoint start = LastDrawableTowards(f, here, previous->c);
      moveTo(start);
      if (start.c != here.c) lineTo(here);
    } else {
      moveTo(here);
    }
    previous = here;
    drawing = true;
  }
}

}  // namespace lumatik
