#pragma once

// A circle in space around M with radius r in the plane with normal n,
// sampled in steps of about 0.05 units of arc. The half whose x1 is smaller
// than M's (the half behind M in the usual view) is drawn dashed.

#include <string>

#include "draw3d/scene_painter.h"

namespace lumatik {

struct CircleStyle {
  Colour colour = 0;
  bool withCross = false;      // the cross at M and the perpendicular from M
  bool withDiameters = false;  // two diameters, with perpendiculars from their ends
  bool withName = false;       // the name of the line's first point at M
};

// Nothing for r <= 0. A zero normal stands for (0, 0, 1).
void Circle3D(ScenePainter& painter, const std::string& line, const Vec3& m, Extended r, Vec3 n,
              const CircleStyle& style);

// No circle is cut into more pieces than this, however large.
inline constexpr long long kMostCircleSteps = 20000;

}  // namespace lumatik
