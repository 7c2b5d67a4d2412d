// Parallelepipeds: "SPAT A(2|-1|1) B(4|-1|1) D(2|-3|1) E(3|-1|4)" draws the
// box ABCD-EFGH with the edges AB, AD and AE and writes C, H, F and G into
// the line after the first drawing.

#include "draw3d/corners.h"
#include "draw3d/parallelograms.h"
#include "draw3d/point_marks.h"
#include "draw3d/scene_objects.h"
#include "geometry/geometry_text.h"

namespace lumatik {

Parallelepiped ParallelepipedOf(const Vec3& a, const Vec3& b, const Vec3& d, const Vec3& e) {
  Parallelepiped box{a, b, {}, d, e, {}, {}, {}};
  box.c = b + d - a;
  box.h = d + e - a;
  box.f = b + e - a;
  box.g = box.c + e - a;
  return box;
}

void DrawParallelepipedEdges(ScenePainter& painter, const Parallelepiped& box, bool floorLines) {
  ParallelogramFace(painter, box.e, box.a, box.b, floorLines);
  ParallelogramFace(painter, box.a, box.b, box.c, floorLines);
  ParallelogramFace(painter, box.h, box.e, box.f, floorLines);
  ParallelogramFace(painter, box.h, box.d, box.c, floorLines);
}

std::string ComputedCornersText(const Parallelepiped& box) {
  return " C" + PointText("|", box.c) + " H" + PointText("|", box.h) + " F" + PointText("|", box.f) + " G" +
         PointText("|", box.g);
}

void DrawParallelepiped(ScenePainter& painter, SceneLine& line, bool withFloorLines) {
  const Corners c = ReadCorners(line, 4);
  if (!CornersDrawable(painter, line, c, {{0, 1}, {0, 2}, {0, 3}}, true)) return;
  const Parallelepiped box = ParallelepipedOf(*c[0], *c[1], *c[2], *c[3]);
  DrawParallelepipedEdges(painter, box, withFloorLines);
  if (line.rewritten.find(PointText("|", box.c)) == std::string::npos) line.rewritten += ComputedCornersText(box);
  // The corners in the order the rewritten line names them.
  const Vec3 named[8] = {box.a, box.b, box.d, box.e, box.c, box.h, box.f, box.g};
  for (int i = 0; i < 8; ++i) PointLabel(painter, line.rewritten, i + 1, named[i]);
}

}  // namespace lumatik
