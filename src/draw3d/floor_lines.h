#pragma once

// The relation of a point to the x1-x2 plane, which a keyword in capitals
// asks for: a dotted perpendicular down to the floor with a mark at every
// whole unit of height, and, for a point with a negative x1 or x2, the axes
// continued in olive towards its foot (the axes themselves are drawn only
// in the positive direction).

#include "draw3d/scene_painter.h"

namespace lumatik {

void FloorLines(ScenePainter& painter, const Vec3& p);

}  // namespace lumatik
