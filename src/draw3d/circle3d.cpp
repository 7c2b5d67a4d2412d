#include "draw3d/circle3d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "draw3d/floor_lines.h"
#include "draw3d/point_marks.h"

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
  Vec3 previous = m + u;
  Extended t = 0;
  long long count = 0;
  do {
    t += step;
    ++count;
    const Vec3 next = m + std::cos(t) * u + std::sin(t) * w;
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
