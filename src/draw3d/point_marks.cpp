#include "draw3d/point_marks.h"

#include "draw3d/scene_line.h"

namespace lumatik {

void PointCross(ScenePainter& painter, const Vec3& p) {
  constexpr Extended d = 0.05L;
  const Colour white = painter.colours().object;
  painter.segment(white, PenStyle::Solid, {p.x1 + d, p.x2 + d, p.x3}, {p.x1 - d, p.x2 - d, p.x3});
  painter.segment(white, PenStyle::Solid, {p.x1 - d, p.x2 + d, p.x3}, {p.x1 + d, p.x2 - d, p.x3});
}

void PointLabel(ScenePainter& painter, const std::string& line, int n, const Vec3& p) {
  const PointName name = PointNameOf(line, n);
  if (name.name == 0) return;
  const Colour white = painter.colours().object;
  painter.text(p, std::string(1, name.name), white, kNameFontPoints);
  if (name.prefix == 0) return;
  const Extended ley = painter.projection().view().ley;
  const Extended shift = ley != 0 ? 0.2L / ley : 0;
  painter.text({p.x1, p.x2 - shift, p.x3}, std::string(1, name.prefix), white, kNameFontPoints);
}

void MarkAlongX2(ScenePainter& painter, const Vec3& at) {
  painter.segment(painter.colours().perpendicular, PenStyle::Solid, {at.x1, at.x2 + 0.03L, at.x3},
                  {at.x1, at.x2 - 0.03L, at.x3});
}

void MarkAlongX3(ScenePainter& painter, const Vec3& at) {
  painter.segment(painter.colours().perpendicular, PenStyle::Solid, {at.x1, at.x2, at.x3 + 0.03L},
                  {at.x1, at.x2, at.x3 - 0.03L});
}

}  // namespace lumatik
