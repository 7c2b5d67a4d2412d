// Tetrahedra: "TETRAEDER A(-1 1 0) B(8 0 0) C(0 6 0) D(0 0 6)" draws the
// four faces as triangles, which gives all six edges, and names the corners.

#include "draw3d/corners.h"
#include "draw3d/point_marks.h"
#include "draw3d/scene_objects.h"

namespace lumatik {

void DrawTetrahedron(ScenePainter& painter, SceneLine& line) {
  const Corners c = ReadCorners(line, 4);
  const Edges allEdges{{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
  if (!CornersDrawable(painter, line, c, allEdges, true)) return;
  const Edges faces{{0, 1}, {1, 2}, {2, 0}, {0, 1}, {1, 3}, {3, 0}, {0, 2}, {2, 3}, {3, 0}, {1, 2}, {2, 3}, {3, 1}};
  DrawEdges(painter, c, faces);
  for (int i = 0; i < 4; ++i) PointLabel(painter, line.text(), i + 1, *c[i]);
}

void DrawTetrahedronFloor(ScenePainter& painter, SceneLine& line) { CornerFloorLines(painter, line, 4); }

}  // namespace lumatik
