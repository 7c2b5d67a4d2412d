#include "plot/plotrender.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "expr/compiled_term.h"
#include "expr/evaluate.h"
#include "plot/plot_items.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

// 1.5 * 2^(digits - 1): a sum this large keeps no binary fraction.
constexpr Extended kRoundingShift = [] {
  Extended shift = 1.5L;
  for (int i = 1; i < std::numeric_limits<Extended>::digits; ++i) shift *= 2;
  return shift;
}();

int ClampedPixel(Extended v) {
  if (std::isnan(v)) return kPixelLimit;
  // Clamped first, which changes nothing since the limit is whole; then
  // rounded as nearbyint rounds (ties to even), by adding and taking away a
  // number too large to keep a fraction: a curve converts every sample, and
  // the library call costs more than the rest of the conversion.
  v = std::clamp<Extended>(v, -kPixelLimit, kPixelLimit);
  return static_cast<int>((v + kRoundingShift) - kRoundingShift);
}

}  // namespace

PlotScale ComputePlotScale(const PlotFieldTexts& fields) {
  Extended lex = 1;
  Extended ley = 1;
  PlotScale scale;
  try {
    lex = EvalTerm(fields.lex);
    ley = EvalTerm(fields.ley);
    scale.dx = -EvalTerm(fields.x0) * lex;
    scale.dy = -EvalTerm(fields.y0) * ley;
  } catch (const std::runtime_error&) {
    // An unreadable parameter x: the readings made so far stay; the others
    // keep their defaults.
  }
  scale.sx = lex == 0 ? 1 : 1 / lex;
  scale.sy = ley == 0 ? 1 : 1 / ley;
  return scale;
}

Extended PixelsPerCm(const PlotFrame& frame) {
  // Compared in integers, so that a 4:3 target gets exactly width/16.
  const long long across = static_cast<long long>(frame.width) * 12;
  const long long down = static_cast<long long>(frame.height) * 16;
  const Extended ppc = across <= down ? static_cast<Extended>(frame.width) / 16
                                      : static_cast<Extended>(frame.height) / 12;
  return ppc > 0 ? ppc : 0;
}

Extended HalfWidthCm(const PlotFrame& frame) {
  const Extended ppc = PixelsPerCm(frame);
  return ppc > 0 ? static_cast<Extended>(frame.width) / 2 / ppc : 8;
}

Extended HalfHeightCm(const PlotFrame& frame) {
  const Extended ppc = PixelsPerCm(frame);
  return ppc > 0 ? static_cast<Extended>(frame.height) / 2 / ppc : 6;
}

int CmToPixelX(Extended xcm, const PlotFrame& frame) {
  return ClampedPixel(xcm * PixelsPerCm(frame) + static_cast<Extended>(frame.width) / 2 + frame.offX);
}

int CmToPixelY(Extended ycm, const PlotFrame& frame) {
  return ClampedPixel(static_cast<Extended>(frame.height) / 2 - ycm * PixelsPerCm(frame));
}

int AxisLabelDecimals(Extended scale) {
  // Two decimals while a centimetre spans a tenth of a unit or more; one
  // more for every tenfold below, so that the rounding stays below a
  // twentieth of the distance between two grid lines.
  const Extended step = std::fabs(scale);
  if (!std::isfinite(step) || step >= 0.1L) return 2;
  if (step == 0) return kMaxLabelDecimals;
  const Extended decimals = std::ceil(-std::log10(step)) + 1;
  return static_cast<int>(std::min<Extended>(decimals, kMaxLabelDecimals));
}

Extended AxisLabelValue(Extended cm, Extended shift, Extended scale) {
  const Extended power = std::pow(static_cast<Extended>(10), AxisLabelDecimals(scale));
  return std::nearbyint((cm - shift) * scale * power) / power;
}

UserPoint PixelToUser(int px, int py, int width, int height, const PlotScale& s) {
  const PlotFrame frame{0, width, height};
  const Extended ppc = PixelsPerCm(frame);
  if (!(ppc > 0)) return {-s.dx * s.sx, -s.dy * s.sy};
  const Extended xcm = (px - static_cast<Extended>(width) / 2) / ppc;
  const Extended ycm = (static_cast<Extended>(height) / 2 - py) / ppc;
  return {xcm * s.sx - s.dx * s.sx, ycm * s.sy - s.dy * s.sy};
}

std::optional<Extended> ComputedValue(const std::string& term, Extended x, bool derivative) {
  const std::shared_ptr<const CompiledTerm> compiled = CompiledTermFor(term);
  return ComputedValue(*compiled, x, derivative);
}

std::optional<Extended> ComputedValue(const CompiledTerm& term, Extended x, bool derivative) {
  std::string earlier = std::move(MathErrorText());
  MathErrorText().clear();
  Extended y = 0;
  try {
    y = derivative ? NumDerivative(term, x) : term(x);
  } catch (...) {
    // Nothing is caught here: the earlier message is put back on the way out.
    if (MathErrorText().empty()) MathErrorText() = std::move(earlier);
    throw;
  }
  if (!MathErrorText().empty()) return std::nullopt;
  MathErrorText() = std::move(earlier);
  if (!std::isfinite(y)) return std::nullopt;
  return y;
}

int EffectiveSteps(int valuesPerCm) { return std::clamp(valuesPerCm, 1, kMaxValuesPerCm); }

void DrawPlotLine(bool derivative, const std::string& line, Canvas& canvas, const PlotPen& pen,
                  const PlotFrame& frame, int steps, bool label, const PlotFieldTexts& fields) {
  // A bad line never stops the drawing: what the engine cannot compute is
  // left out, and whatever still escapes ends this line only.
  try {
    DrawPlotItem(derivative, ReadPlotItem(line, fields), canvas, pen, frame, steps, label, fields.function);
  } catch (const std::runtime_error&) {
    // A line whose parameter x cannot be read draws nothing more.
  }
}

}  // namespace lumatik
