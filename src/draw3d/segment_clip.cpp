#include "draw3d/segment_clip.h"

#include <algorithm>
#include <cmath>

namespace lumatik {

namespace {

// How far a position lies from the origin along either axis.
Extended Reach(PixelPosition p) { return std::max(std::fabs(p.x), std::fabs(p.y)); }

struct Box {
  Extended left;
  Extended top;
  Extended right;
  Extended bottom;
};

// The part of from + t*(to - from), 0 <= t <= 1, inside the box as the
// range t0..t1; false when the segment misses the box.
bool ParameterRange(PixelPosition from, PixelPosition to, const Box& box, Extended& t0, Extended& t1) {
  t0 = 0;
  t1 = 1;
  const Extended dx = to.x - from.x;
  const Extended dy = to.y - from.y;
  // One border: the points with p*t <= q are on its inner side.
  const auto border = [&](Extended p, Extended q) {
    if (p == 0) return q >= 0;
    const Extended r = q / p;
    if (p < 0) {
      if (r > t1) return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return false;
      t1 = std::min(t1, r);
    }
    return true;
  };
  return border(-dx, from.x - box.left) && border(dx, box.right - from.x) && border(-dy, from.y - box.top) &&
         border(dy, box.bottom - from.y);
}

PixelPosition PointAt(PixelPosition from, PixelPosition to, Extended t) {
  return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
}

// Ends far outside the picture are brought to a box a million pixels around
// it, measured from the nearer end, whose position is the precise one.
ClipOutcome BringNear(PixelPosition& from, PixelPosition& to, int maxX, int maxY) {
  if (Reach(from) <= kNearPixels && Reach(to) <= kNearPixels) return ClipOutcome::Visible;
  if (Reach(from) > kReliablePixels && Reach(to) > kReliablePixels) return ClipOutcome::TooLarge;
  constexpr Extended kMargin = 1e6L;
  const Box around{-kMargin, -kMargin, maxX + kMargin, maxY + kMargin};
  const bool fromIsNear = Reach(from) <= Reach(to);
  const PixelPosition near = fromIsNear ? from : to;
  const PixelPosition far = fromIsNear ? to : from;
  Extended t0 = 0;
  Extended t1 = 1;
  if (!ParameterRange(near, far, around, t0, t1)) return ClipOutcome::Outside;
  const PixelPosition nearEnd = PointAt(near, far, t0);
  const PixelPosition farEnd = PointAt(near, far, t1);
  from = fromIsNear ? nearEnd : farEnd;
  to = fromIsNear ? farEnd : nearEnd;
  return ClipOutcome::Visible;
}

// Moves end a along the segment onto the vertical border x = border.
bool OntoColumn(std::int64_t& ax, std::int64_t& ay, std::int64_t bx, std::int64_t by, std::int64_t border) {
  if (bx == ax) return false;
  ay += (border - ax) * (by - ay) / (bx - ax);
  ax = border;
  return true;
}

// Moves end a along the segment onto the horizontal border y = border.
bool OntoRow(std::int64_t& ax, std::int64_t& ay, std::int64_t bx, std::int64_t by, std::int64_t border) {
  if (by == ay) return false;
  ax += (border - ay) * (bx - ax) / (by - ay);
  ay = border;
  return true;
}

bool ClipWholePixels(PixelSegment& s, std::int64_t maxX, std::int64_t maxY) {
  if (s.x1 < 0 && !OntoColumn(s.x1, s.y1, s.x2, s.y2, 0)) return false;
  if (s.x2 < 0 && !OntoColumn(s.x2, s.y2, s.x1, s.y1, 0)) return false;
  if (s.x1 > maxX && !OntoColumn(s.x1, s.y1, s.x2, s.y2, maxX)) return false;
  if (s.x2 > maxX && !OntoColumn(s.x2, s.y2, s.x1, s.y1, maxX)) return false;
  if (s.y1 < 0 && !OntoRow(s.x1, s.y1, s.x2, s.y2, 0)) return false;
  if (s.y2 < 0 && !OntoRow(s.x2, s.y2, s.x1, s.y1, 0)) return false;
  if (s.y1 > maxY && !OntoRow(s.x1, s.y1, s.x2, s.y2, maxY)) return false;
  if (s.y2 > maxY && !OntoRow(s.x2, s.y2, s.x1, s.y1, maxY)) return false;
  return true;
}

}  // namespace

ClippedSegment ClipToPicture(PixelPosition from, PixelPosition to, int maxX, int maxY) {
  ClippedSegment result;
  if (!std::isfinite(from.x) || !std::isfinite(from.y) || !std::isfinite(to.x) || !std::isfinite(to.y)) {
    result.outcome = ClipOutcome::TooLarge;
    return result;
  }
  result.outcome = BringNear(from, to, maxX, maxY);
  if (result.outcome != ClipOutcome::Visible) return result;

  PixelSegment s{static_cast<std::int64_t>(std::nearbyint(from.x)), static_cast<std::int64_t>(std::nearbyint(from.y)),
                 static_cast<std::int64_t>(std::nearbyint(to.x)), static_cast<std::int64_t>(std::nearbyint(to.y))};
  Extended t0 = 0;
  Extended t1 = 1;
  const PixelPosition a{static_cast<Extended>(s.x1), static_cast<Extended>(s.y1)};
  const PixelPosition b{static_cast<Extended>(s.x2), static_cast<Extended>(s.y2)};
  if (!ParameterRange(a, b, Box{0, 0, static_cast<Extended>(maxX), static_cast<Extended>(maxY)}, t0, t1) ||
      !ClipWholePixels(s, maxX, maxY)) {
    result.outcome = ClipOutcome::Outside;
    return result;
  }
  result.segment = s;
  return result;
}

}  // namespace lumatik
