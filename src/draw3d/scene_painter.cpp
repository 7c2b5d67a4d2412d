#include "draw3d/scene_painter.h"

#include <algorithm>
#include <cmath>

#include "draw3d/segment_clip.h"

namespace lumatik {

void ScenePainter::segment(Colour colour, PenStyle style, const Vec3& from, const Vec3& to) {
  ++tally_.requested;
  const ClippedSegment clipped =
      ClipToPicture(projection_.toPixel(from), projection_.toPixel(to), projection_.maxX(), projection_.maxY());
  if (clipped.outcome == ClipOutcome::TooLarge) ++tally_.tooLarge;
  if (clipped.outcome != ClipOutcome::Visible) return;
  ++tally_.visible;
  canvas_.setPenColour(colour);
  canvas_.setPenStyle(style);
  canvas_.setBrushStyle(BrushStyle::Clear);
  const PixelSegment& s = clipped.segment;
  canvas_.moveTo(static_cast<int>(s.x1), static_cast<int>(s.y1));
  canvas_.lineTo(static_cast<int>(s.x2), static_cast<int>(s.y2));
}

void ScenePainter::text(const Vec3& at, const std::string& text, Colour colour, int fontPoints) {
  const PixelPosition p = projection_.toPixel(at);
  const Extended reachX = projection_.maxX() + 1000.0L;
  const Extended reachY = projection_.maxY() + 1000.0L;
  if (!(std::fabs(p.x) <= reachX && std::fabs(p.y) <= reachY)) return;
  canvas_.setFontColour(colour);
  canvas_.setFontSize(fontPoints);
  canvas_.setBrushStyle(BrushStyle::Clear);
  canvas_.textOut(static_cast<int>(std::nearbyint(p.x)), static_cast<int>(std::nearbyint(p.y)), text);
}

namespace {

// Narrows lo..hi to the i with low <= start + i*delta <= high.
void Narrow(Extended start, Extended delta, Extended low, Extended high, Extended& lo, Extended& hi) {
  if (delta == 0) {
    if (start < low || start > high) hi = lo - 1;
    return;
  }
  Extended a = (low - start) / delta;
  Extended b = (high - start) / delta;
  if (a > b) std::swap(a, b);
  lo = std::max(lo, std::ceil(a));
  hi = std::min(hi, std::floor(b));
}

}  // namespace

StepRange ScenePainter::visibleSteps(const Vec3& base, const Vec3& step, Extended first, Extended last) const {
  const PixelPosition start = projection_.toPixel(base);
  const PixelPosition origin = projection_.toPixel(Vec3{});
  const PixelPosition stepEnd = projection_.toPixel(step);
  const Extended dx = stepEnd.x - origin.x;
  const Extended dy = stepEnd.y - origin.y;
  if (!std::isfinite(start.x) || !std::isfinite(start.y) || !std::isfinite(dx) || !std::isfinite(dy)) return {};
  const Extended marginX = projection_.maxX() + 1;
  const Extended marginY = projection_.maxY() + 1;
  Extended lo = first;
  Extended hi = last;
  Narrow(start.x, dx, -marginX, projection_.maxX() + marginX, lo, hi);
  Narrow(start.y, dy, -marginY, projection_.maxY() + marginY, lo, hi);
  if (!(lo <= hi)) return {};
  return {lo, static_cast<long long>(std::min<Extended>(hi - lo + 1, kMostSteps))};
}

}  // namespace lumatik
