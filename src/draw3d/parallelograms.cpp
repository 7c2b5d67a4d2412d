// Parallelograms: "Parallelogramm A(5|7|7) B(5|10|7) C(4|8|5)" draws the
// parallelogram ABCD and writes D into the line after the first drawing.

#include "draw3d/parallelograms.h"

#include "draw3d/corners.h"
#include "draw3d/floor_lines.h"
#include "draw3d/point_marks.h"
#include "draw3d/scene_objects.h"
#include "geometry/geometry_text.h"

namespace lumatik {

Vec3 ParallelogramFace(ScenePainter& painter, const Vec3& a, const Vec3& b, const Vec3& c, bool floorLines) {
  const Vec3 d = a + c - b;
  const Colour white = painter.colours().object;
  painter.segment(white, PenStyle::Solid, a, b);
  painter.segment(white, PenStyle::Solid, b, c);
  painter.segment(white, PenStyle::Solid, c, d);
  painter.segment(white, PenStyle::Solid, d, a);
  if (floorLines) {
    for (const Vec3& corner : {b, c, a, d}) FloorLines(painter, corner);
  }
  return d;
}

void DrawParallelogram(ScenePainter& painter, SceneLine& line, bool withFloorLines) {
  const Corners c = ReadCorners(line, 3);
  if (!CornersDrawable(painter, line, c, {{0, 1}, {1, 2}}, true)) return;
  const Vec3 d = ParallelogramFace(painter, *c[0], *c[1], *c[2], withFloorLines);
  const std::string dText = PointText("|", d);
  if (line.rewritten.find(dText) == std::string::npos) line.rewritten += " D" + dText;
  for (int i = 0; i < 3; ++i) PointLabel(painter, line.text(), i + 1, *c[i]);
  PointLabel(painter, line.rewritten, 4, d);
}

}  // namespace lumatik
