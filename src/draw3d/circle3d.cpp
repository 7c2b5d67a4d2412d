#include "draw3d/circle3d.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "draw3d/floor_lines.h"
#include "draw3d/point_marks.h"
#include "draw3d/segment_clip.h"

namespace lumatik {

namespace {

Extended LargestComponent(const Vec3& v) {
  return std::max({std::fabs(v.x1), std::fabs(v.x2), std::fabs(v.x3)});
}

// v in its own direction with the given length; huge and tiny components
// are brought near 1 first so that the squares cannot overflow.
Vec3 WithLength(const Vec3& v, Extended length) {
  const Extended largest = LargestComponent(v);
  if (largest == 0) return v;
  const Vec3 unit = (1 / largest) * v;
  return (length / std::sqrt(Dot(unit, unit))) * unit;
}

// The first direction in the plane with normal n.
Vec3 FirstDirection(const Vec3& n) {
  if (n.x3 != 0) return {0, 1, -n.x2 / n.x3};
  if (n.x2 != 0) return {0, -n.x3 / n.x2, 1};
  return {-n.x2 / n.x1, 1, 0};
}

// The turn cut into equal blocks, each marked when its arc may show in the
// picture. A radius of a thousand units runs mostly far outside the
// picture; its steps there are counted but neither computed nor clipped.
class ArcBlocks {
 public:
  static constexpr int kCount = 256;

  // A circle of few steps is drawn as it is: marking the blocks would cost
  // more than its steps.
  ArcBlocks(const ScenePainter& painter, const Vec3& m, const Vec3& u, const Vec3& w, Extended r, Extended steps) {
    if (!(steps > 8 * kCount)) return;
    const Projection& projection = painter.projection();
    const PixelPosition origin = projection.toPixel(Vec3{});
    // The longest image of a vector of length 1 is at most this many pixels.
    Extended stretch = 0;
    for (const Vec3& e : {Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}}) {
      const PixelPosition p = projection.toPixel(e);
      stretch += (p.x - origin.x) * (p.x - origin.x) + (p.y - origin.y) * (p.y - origin.y);
    }
    // Every point of a block's arc lies within r * angle / 2 of its middle
    // (u and w are perpendicular, both of length r); two pixels more cover
    // the rounding to whole pixels.
    const Extended reach = std::sqrt(stretch) * r * (kAngle / 2) * 1.001L + 2;
    for (int b = 0; b < kCount; ++b) {
      const Extended middle = (b + 0.5L) * kAngle;
      const PixelPosition p = projection.toPixel(m + std::cos(middle) * u + std::sin(middle) * w);
      outside_[b] = std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(reach) &&
                    std::max(std::fabs(p.x), std::fabs(p.y)) + reach < kNearPixels &&
                    (p.x + reach < 0 || p.x - reach > projection.maxX() || p.y + reach < 0 ||
                     p.y - reach > projection.maxY());
    }
  }

  // True when the arc from angle a to angle b lies in one block that cannot
  // show: its segment would be cut away entirely.
  bool outside(Extended a, Extended b) const {
    const Extended block = std::floor(a / kAngle);
    if (!(block >= 0 && block < kCount) || std::floor(b / kAngle) != block) return false;
    return outside_[static_cast<int>(block)];
  }

 private:
  static constexpr Extended kAngle = 2 * std::numbers::pi_v<Extended> / kCount;
  std::array<bool, kCount> outside_{};
};

}  // namespace

void Circle3D(ScenePainter& painter, const std::string& line, const Vec3& m, Extended r, Vec3 n,
              const CircleStyle& style) {
  if (!(r > 0)) return;
  if (style.withCross) PointCross(painter, m);
  const Extended largest = LargestComponent(n);
  n = largest == 0 ? Vec3{0, 0, 1} : (1 / largest) * n;
  const Vec3 u = WithLength(FirstDirection(n), r);
  const Vec3 w = WithLength(Cross(u, n), r);
  const Extended fullTurn = 2 * std::numbers::pi_v<Extended>;
  const Extended step = std::max(0.05L / r, fullTurn / kMostCircleSteps);
  const ArcBlocks blocks(painter, m, u, w, r, fullTurn / step);
  const auto pointAt = [&](Extended t) { return m + std::cos(t) * u + std::sin(t) * w; };
  Vec3 previous = m + u;
  bool previousKnown = true;
  Extended t = 0;
  long long count = 0;
  do {
    const Extended last = t;
    t += step;
    ++count;
    if (blocks.outside(last, t)) {
      painter.countUnseenSegment();
      previousKnown = false;
      continue;
    }
    if (!previousKnown) previous = pointAt(last);
    previousKnown = true;
    const Vec3 next = pointAt(t);
    // The far half only on every other step: dashed.
    if (previous.x1 >= m.x1 || count % 2 == 0) painter.segment(style.colour, PenStyle::Solid, previous, next);
    previous = next;
  } while (t < fullTurn);

  if (style.withName) PointLabel(painter, line, 1, m);
  if (style.withCross) FloorLines(painter, m);
  if (style.withDiameters) {
    painter.segment(style.colour, PenStyle::Solid, m + u, m - u);
    painter.segment(style.colour, PenStyle::Solid, m + w, m - w);
    for (const Vec3& end : {m + u, m - u, m + w, m - w}) FloorLines(painter, end);
  }
}

}  // namespace lumatik
