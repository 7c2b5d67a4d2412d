#pragma once

// Objects given by their corners (segments, triangles, tetrahedra,
// parallelograms, parallelepipeds) when the line does not give them all,
// or gives one point several times over.

#include <optional>
#include <utility>
#include <vector>

#include "draw3d/scene_line.h"
#include "draw3d/scene_painter.h"

namespace lumatik {

using Corners = std::vector<std::optional<Vec3>>;
using Edges = std::vector<std::pair<int, int>>;

// The corners at values 1-3, 4-6, ... of the line.
Corners ReadCorners(SceneLine& line, int count);

// True when every corner is there and they are not all one point: the
// object can be drawn. Otherwise draws what the corners that are there
// still show - the edges between them, a cross on each one without an
// edge, their names when the object names its points - and returns false.
bool CornersDrawable(ScenePainter& painter, SceneLine& line, const Corners& corners, const Edges& edges,
                     bool withNames);

// The edges of a closed polygon through the first n corners.
Edges PolygonEdges(int n);

// The white edges between corners that are all there.
void DrawEdges(ScenePainter& painter, const Corners& corners, const Edges& edges);

// The perpendiculars to the floor of each corner that is there ("DREIECK ",
// "TETRAEDER ").
void CornerFloorLines(ScenePainter& painter, SceneLine& line, int count);

}  // namespace lumatik
