// Circles in space ("Kreis") and spheres ("Kugel").

#include <cmath>

#include "draw3d/circle3d.h"
#include "draw3d/floor_lines.h"
#include "draw3d/point_marks.h"
#include "draw3d/scene_objects.h"
#include "shell/codepage.h"

namespace lumatik {

namespace {

const char* const kOnlyCentre = "Radius nicht positiv: nur der Mittelpunkt gezeichnet";

}  // namespace

void DrawCircle(ScenePainter& painter, SceneLine& line) {
  const auto m = line.point(1);
  if (!m) return;
  const auto r = line.value(4);
  const Vec3 n{line.valueOr0(5), line.valueOr0(6), line.valueOr0(7)};
  if (!r || !(*r > 0)) {
    // Without a radius the centre is all there is to see.
    PointCross(painter, *m);
    PointLabel(painter, line.text(), 1, *m);
    if (r) line.problem(Cp1252(kOnlyCentre));
    return;
  }
  if (n.x1 == 0 && n.x2 == 0 && n.x3 == 0) line.problem(Cp1252("ohne Normalenvektor: Kreis waagrecht gezeichnet"));
  CircleStyle style;
  style.colour = painter.colours().circle;
  style.withCross = true;
  style.withDiameters = BeginsWithWord(line.text(), "KREIS");
  style.withName = true;
  Circle3D(painter, line.text(), *m, *r, n, style);
}

void DrawSphere(ScenePainter& painter, SceneLine& line) {
  const auto m = line.point(1);
  if (!m) return;
  const auto r = line.value(4);
  const bool floorLines = BeginsWithWord(line.text(), "KUGEL");
  if (!r || !(*r > 0)) {
    PointCross(painter, *m);
    if (floorLines) FloorLines(painter, *m);
    if (r) line.problem(Cp1252(kOnlyCentre));
    return;
  }
  PointCross(painter, *m);
  PointCross(painter, *m + Vec3{0, 0, *r});
  PointCross(painter, *m - Vec3{0, 0, *r});
  CircleStyle style;
  style.colour = painter.colours().sphere;
  // Heights as parts of r, so that a huge radius cannot overflow its square.
  for (const Extended part : {0.0L, 0.5L, -0.5L, 0.75L, -0.75L}) {
    Circle3D(painter, line.text(), *m + Vec3{0, 0, part * *r}, *r * std::sqrt(1 - part * part), {0, 0, 1}, style);
  }
  Circle3D(painter, line.text(), *m, *r, {1, 0, 0}, style);
  Circle3D(painter, line.text(), *m, *r, {0, 1, 0}, style);
  if (floorLines) FloorLines(painter, *m);
}

}  // namespace lumatik
