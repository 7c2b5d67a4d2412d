// Segments: "Strecke A(2|3|6) B(0|6|5,5)" joins two named points; "STRECKE"
// (and "GERADE") add perpendiculars to the floor.

#include "draw3d/corners.h"
#include "draw3d/floor_lines.h"
#include "draw3d/point_marks.h"
#include "draw3d/scene_objects.h"

namespace lumatik {

void DrawSegment(ScenePainter& painter, SceneLine& line) {
  const Corners ends = ReadCorners(line, 2);
  if (!CornersDrawable(painter, line, ends, {{0, 1}}, true)) return;
  DrawEdges(painter, ends, {{0, 1}});
  PointLabel(painter, line.text(), 1, *ends[0]);
  PointLabel(painter, line.text(), 2, *ends[1]);
}

void DrawFirstTwoFloor(ScenePainter& painter, SceneLine& line) {
  const auto first = line.point(1);
  const auto second = line.point(4);
  if (first) FloorLines(painter, *first);
  if (!second) return;
  // A line's second triple is its direction; the point it leads to, where
  // the white stroke of the direction ends, is the one above the floor.
  if (BeginsWithWord(line.text(), "GERADE")) {
    if (first) FloorLines(painter, *first + *second);
  } else {
    FloorLines(painter, *second);
  }
}

}  // namespace lumatik
