#include "draw3d/floor_lines.h"

#include <cmath>

#include "draw3d/point_marks.h"

namespace lumatik {

namespace {

// Walks the whole numbers of two ranges in ascending order, telling for
// each whether it belongs to the first, the second or both.
template <typename Visit>
void WalkUnion(const StepRange& a, const StepRange& b, Visit visit) {
  long long ia = 0;
  long long ib = 0;
  while (ia < a.count || ib < b.count) {
    const Extended ja = a.first + static_cast<Extended>(ia);
    const Extended jb = b.first + static_cast<Extended>(ib);
    const Extended j = ia >= a.count ? jb : ib >= b.count ? ja : std::min(ja, jb);
    const bool inA = ia < a.count && ja == j;
    const bool inB = ib < b.count && jb == j;
    visit(j, inA, inB);
    if (inA) ++ia;
    if (inB) ++ib;
  }
}

template <typename Visit>
void WalkSteps(const StepRange& range, Visit visit) {
  for (long long n = 0; n < range.count; ++n) visit(range.first + static_cast<Extended>(n));
}

// The olive lines towards a foot with x1 < 0, and their unit marks.
void ContinueX1Axis(ScenePainter& painter, const Vec3& p) {
  const Colour olive = painter.colours().auxiliary;
  painter.segment(olive, PenStyle::Dot, {0, 0, 0}, {p.x1, 0, 0});
  painter.segment(olive, PenStyle::Dot, {0, p.x2, 0}, {p.x1, p.x2, 0});
  painter.segment(olive, PenStyle::Dot, {p.x1, 0, 0}, {p.x1, p.x2, 0});
  const Extended from = std::trunc(p.x1);
  const StepRange onAxis = painter.visibleSteps({0, 0, 0}, {1, 0, 0}, from, -1);
  const StepRange atFoot = painter.visibleSteps({0, p.x2, 0}, {1, 0, 0}, from, -1);
  WalkUnion(onAxis, atFoot, [&](Extended j, bool axis, bool foot) {
    if (axis) MarkAlongX3(painter, {j, 0, 0});
    if (foot) MarkAlongX3(painter, {j, p.x2, 0});
  });
  WalkSteps(painter.visibleSteps({p.x1, 0, 0}, {0, 1, 0}, 1, std::trunc(p.x2)),
            [&](Extended i) { MarkAlongX3(painter, {p.x1, i, 0}); });
}

// The olive lines towards a foot with x2 < 0, and their unit marks.
void ContinueX2Axis(ScenePainter& painter, const Vec3& p) {
  const Colour olive = painter.colours().auxiliary;
  painter.segment(olive, PenStyle::Dot, {0, 0, 0}, {0, p.x2, 0});
  painter.segment(olive, PenStyle::Dot, {p.x1, 0, 0}, {p.x1, p.x2, 0});
  painter.segment(olive, PenStyle::Dot, {0, p.x2, 0}, {p.x1, p.x2, 0});
  const Extended from = std::trunc(p.x2);
  const StepRange onAxis = painter.visibleSteps({0, 0, 0}, {0, 1, 0}, from, -1);
  const StepRange atFoot = painter.visibleSteps({p.x1, 0, 0}, {0, 1, 0}, from, -1);
  WalkUnion(onAxis, atFoot, [&](Extended j, bool axis, bool foot) {
    if (axis) MarkAlongX3(painter, {0, j, 0});
    if (foot) MarkAlongX3(painter, {p.x1, j, 0});
  });
  WalkSteps(painter.visibleSteps({0, p.x2, 0}, {1, 0, 0}, 1, std::trunc(p.x1)),
            [&](Extended i) { MarkAlongX2(painter, {i, p.x2, 0}); });
}

}  // namespace

void FloorLines(ScenePainter& painter, const Vec3& p) {
  painter.segment(painter.colours().perpendicular, PenStyle::Dot, p, {p.x1, p.x2, 0});
  const Extended sign = p.x3 >= 0 ? 1 : -1;
  WalkSteps(painter.visibleSteps({p.x1, p.x2, 0}, {0, 0, sign}, 1, std::fabs(std::trunc(p.x3))),
            [&](Extended i) { MarkAlongX2(painter, {p.x1, p.x2, sign * i}); });
  if (p.x1 < 0) ContinueX1Axis(painter, p);
  if (p.x2 < 0) ContinueX2Axis(painter, p);
}

}  // namespace lumatik
