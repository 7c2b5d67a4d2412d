#include "draw3d/scene_frame.h"

#include <algorithm>
#include <cmath>

#include "draw3d/circle3d.h"
#include "shell/codepage.h"

namespace lumatik {

void DrawSceneHeader(Canvas& canvas, const View3DParams& view, Colour colour) {
  canvas.setFontColour(colour);
  canvas.setFontSize(10);
  canvas.setBrushStyle(BrushStyle::Clear);
  canvas.textOut(30, 30, ViewHeaderText(view));
  canvas.textOut(30, 50, Cp1252("Ändern: Rechte Maustaste"));
}

void DrawGridPlanes(ScenePainter& painter, const AxisLengths& axes) {
  const SceneColours& c = painter.colours();
  const Extended l1 = static_cast<Extended>(axes.x1);
  const Extended l2 = static_cast<Extended>(axes.x2);
  const Extended l3 = static_cast<Extended>(axes.x3);
  // Lines across x1 reach as far as the shift to the right adds room.
  const Extended shift = std::trunc(painter.projection().view().shiftHorizontal);
  const long long acrossX1 = static_cast<long long>(std::clamp<Extended>(shift + l1, -1, 2 * kLongestAxis));
  for (long long i = 1; i <= acrossX1; ++i) {
    const Extended x = static_cast<Extended>(i);
    painter.segment(GridLineColour(c.floorGrid, c.floorGridOffset, i), PenStyle::Solid, {x, 0, 0}, {x, l2, 0});
    painter.segment(GridLineColour(c.backWallGrid, c.backWallGridOffset, i), PenStyle::Solid, {x, 0, 0}, {x, 0, l3});
  }
  for (long long i = 1; i <= axes.x2; ++i) {
    const Extended y = static_cast<Extended>(i);
    painter.segment(GridLineColour(c.floorGrid, c.floorGridOffset, i), PenStyle::Solid, {0, y, 0}, {l1, y, 0});
    painter.segment(GridLineColour(c.sideWallGrid, c.sideWallGridOffset, i), PenStyle::Solid, {0, y, 0}, {0, y, l3});
  }
  for (long long i = 1; i <= axes.x3; ++i) {
    const Extended z = static_cast<Extended>(i);
    painter.segment(GridLineColour(c.backWallGrid, c.backWallGridOffset, i), PenStyle::Solid, {0, 0, z}, {l1, 0, z});
    painter.segment(GridLineColour(c.sideWallGrid, c.sideWallGridOffset, i), PenStyle::Solid, {0, 0, z}, {0, l2, z});
  }
}

void DrawAxes(ScenePainter& painter, const AxisLengths& axes) {
  const Colour white = painter.colours().object;
  const Extended l1 = static_cast<Extended>(axes.x1);
  const Extended l2 = static_cast<Extended>(axes.x2);
  const Extended l3 = static_cast<Extended>(axes.x3);
  const Vec3 origin{};
  painter.segment(white, PenStyle::Solid, origin, {l1, 0, 0});
  painter.segment(white, PenStyle::Solid, origin, {0, l2, 0});
  painter.segment(white, PenStyle::Solid, origin, {0, 0, l3});

  CircleStyle tick;
  tick.colour = white;
  for (long long m = 5; m < axes.x1; m += 5) Circle3D(painter, {}, {static_cast<Extended>(m), 0, 0}, 0.04L, {1, 0, 0}, tick);
  for (long long m = 5; m < axes.x2; m += 5) Circle3D(painter, {}, {0, static_cast<Extended>(m), 0}, 0.04L, {1, 0, 0}, tick);
  for (long long m = 5; m < axes.x3; m += 5) Circle3D(painter, {}, {0, 0, static_cast<Extended>(m)}, 0.04L, {1, 0, 0}, tick);

  painter.segment(white, PenStyle::Solid, {0.95L * l1, 0, 0.1L}, {l1, 0, 0});
  painter.segment(white, PenStyle::Solid, {0.95L * l1, 0.1L, 0}, {l1, 0, 0});
  painter.segment(white, PenStyle::Solid, {0, 0.95L * l2, 0.1L}, {0, l2, 0});
  painter.segment(white, PenStyle::Solid, {0, 0.95L * l2, -0.1L}, {0, l2, 0});
  painter.segment(white, PenStyle::Solid, {0, -0.1L, 0.95L * l3}, {0, 0, l3});
  painter.segment(white, PenStyle::Solid, {0, 0.1L, 0.95L * l3}, {0, 0, l3});
}

}  // namespace lumatik
