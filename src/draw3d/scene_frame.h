#pragma once

// What every scene shows before its objects: the header with the view, the
// grid on the floor and on the two back walls, and the three axes with a
// tick at every fifth unit and an arrow head.

#include "draw3d/scene_painter.h"
#include "draw3d/scene_view.h"

namespace lumatik {

// "al=135 k=0,707 LEy=1 LEz=1" and "Ändern: Rechte Maustaste" at the top left.
void DrawSceneHeader(Canvas& canvas, const View3DParams& view, Colour colour);

// Grid lines one unit apart up to the axis lengths: the floor (x1-x2
// plane), the back wall (x1-x3) and the side wall (x2-x3).
void DrawGridPlanes(ScenePainter& painter, const AxisLengths& axes);

void DrawAxes(ScenePainter& painter, const AxisLengths& axes);

}  // namespace lumatik
