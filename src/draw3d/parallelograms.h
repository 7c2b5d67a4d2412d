#pragma once

// Faces of parallelograms and the parallelepiped they make up.

#include <string>

#include "draw3d/scene_painter.h"

namespace lumatik {

// The parallelogram A, B, C, D with D = A + C - B: its four sides, and with
// floorLines the perpendiculars of B, C, A and D. Returns D.
Vec3 ParallelogramFace(ScenePainter& painter, const Vec3& a, const Vec3& b, const Vec3& c, bool floorLines);

// The parallelepiped ABCD-EFGH with edges AB, AD and AE.
struct Parallelepiped {
  Vec3 a, b, c, d, e, f, g, h;
};
Parallelepiped ParallelepipedOf(const Vec3& a, const Vec3& b, const Vec3& d, const Vec3& e);

// Its twelve edges, drawn as the four faces EAB(F), ABC(D), HEF(G) and HDC(G).
void DrawParallelepipedEdges(ScenePainter& painter, const Parallelepiped& box, bool floorLines);

// " C(..) H(..) F(..) G(..)": the corners the line does not give.
std::string ComputedCornersText(const Parallelepiped& box);

}  // namespace lumatik
