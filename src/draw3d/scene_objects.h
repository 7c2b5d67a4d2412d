#pragma once

// The objects of a scene, one function per keyword row. Each reads its
// values from the line, draws with the painter, may append computed points
// to the line's rewritten form, and records what it could not draw.

#include "draw3d/scene_line.h"
#include "draw3d/scene_painter.h"

namespace lumatik {

// points.cpp
void DrawPoint(ScenePainter& painter, SceneLine& line);
void DrawPointFloor(ScenePainter& painter, SceneLine& line);
// segments.cpp
void DrawSegment(ScenePainter& painter, SceneLine& line);
void DrawFirstTwoFloor(ScenePainter& painter, SceneLine& line);
// straight_lines.cpp
void DrawStraightLine(ScenePainter& painter, SceneLine& line);
// triangles.cpp
void DrawTriangle(ScenePainter& painter, SceneLine& line);
void DrawTriangleFloor(ScenePainter& painter, SceneLine& line);
// tetrahedra.cpp
void DrawTetrahedron(ScenePainter& painter, SceneLine& line);
void DrawTetrahedronFloor(ScenePainter& painter, SceneLine& line);
// parallelograms.cpp
void DrawParallelogram(ScenePainter& painter, SceneLine& line, bool withFloorLines);
// parallelepipeds.cpp
void DrawParallelepiped(ScenePainter& painter, SceneLine& line, bool withFloorLines);
// vectors.cpp
void DrawVector(ScenePainter& painter, SceneLine& line);
// circles.cpp
void DrawCircle(ScenePainter& painter, SceneLine& line);
void DrawSphere(ScenePainter& painter, SceneLine& line);

}  // namespace lumatik
