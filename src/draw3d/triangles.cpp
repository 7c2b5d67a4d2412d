// Triangles: "DREIECK A(1|0|1) B(11|7|5) C(2|3|2)" draws the three sides
// with the names; in capitals with the perpendiculars of the corners.

#include "draw3d/corners.h"
#include "draw3d/point_marks.h"
#include "draw3d/scene_objects.h"

namespace lumatik {

void DrawTriangle(ScenePainter& painter, SceneLine& line) {
  const Corners c = ReadCorners(line, 3);
  if (!CornersDrawable(painter, line, c, PolygonEdges(3), true)) return;
  DrawEdges(painter, c, PolygonEdges(3));
  for (int i = 0; i < 3; ++i) PointLabel(painter, line.text(), i + 1, *c[i]);
}

void DrawTriangleFloor(ScenePainter& painter, SceneLine& line) { CornerFloorLines(painter, line, 3); }

}  // namespace lumatik
