// Points: "Punkt S(7|2|3)" draws a cross with the name, "PUNKT" adds the
// perpendicular to the floor.

#include "draw3d/floor_lines.h"
#include "draw3d/point_marks.h"
#include "draw3d/scene_objects.h"

namespace lumatik {

void DrawPoint(ScenePainter& painter, SceneLine& line) {
  const auto p = line.point(1);
  if (!p) return;
  PointCross(painter, *p);
  PointLabel(painter, line.text(), 1, *p);
}

void DrawPointFloor(ScenePainter& painter, SceneLine& line) {
  if (const auto p = line.point(1)) FloorLines(painter, *p);
}

}  // namespace lumatik
