// Vectors: "Vektor u=(1/2 1 -1)" draws the position vector in red inside
// the box of its coordinates, with the perpendiculars of the box's corners.

#include "draw3d/parallelograms.h"
#include "draw3d/scene_objects.h"
#include "shell/codepage.h"

namespace lumatik {

void DrawVector(ScenePainter& painter, SceneLine& line) {
  const auto v = line.point(1);
  if (!v) return;
  if (v->x1 == 0 && v->x2 == 0 && v->x3 == 0) {
    line.problem(Cp1252("Nullvektor: nichts zu zeichnen"));
    return;
  }
  const Vec3 origin{};
  painter.segment(painter.colours().vector, PenStyle::Solid, origin, *v);
  const Parallelepiped box = ParallelepipedOf(origin, {v->x1, 0, 0}, {0, v->x2, 0}, {0, 0, v->x3});
  DrawParallelepipedEdges(painter, box, true);
}

}  // namespace lumatik
