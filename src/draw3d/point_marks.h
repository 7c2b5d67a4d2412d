#pragma once

// The small marks every object uses: the cross of a point, its name, and
// the short strokes that count whole units along a perpendicular.

#include <string>

#include "draw3d/scene_painter.h"

namespace lumatik {

// Names are about 18 pixels high on a screen of 96 dots per inch.
inline constexpr int kNameFontPoints = 13;

// Two short strokes crossing at the point, in the objects' colour.
void PointCross(ScenePainter& painter, const Vec3& p);

// The name of the n-th point of the line at the image of p; a name of two
// characters has its first one 0.2 cm further left.
void PointLabel(ScenePainter& painter, const std::string& line, int n, const Vec3& p);

// A stroke of 0.06 units along x2 (or x3) through the point, solid, in the
// perpendiculars' colour.
void MarkAlongX2(ScenePainter& painter, const Vec3& at);
void MarkAlongX3(ScenePainter& painter, const Vec3& at);

}  // namespace lumatik
