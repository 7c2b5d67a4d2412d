#include "draw3d/corners.h"

#include <algorithm>

#include "draw3d/floor_lines.h"
#include "draw3d/point_marks.h"
#include "shell/codepage.h"

namespace lumatik {

namespace {

bool Same(const Vec3& a, const Vec3& b) { return a.x1 == b.x1 && a.x2 == b.x2 && a.x3 == b.x3; }

}  // namespace

Corners ReadCorners(SceneLine& line, int count) {
  Corners corners;
  for (int i = 0; i < count; ++i) corners.push_back(line.point(3 * i + 1));
  return corners;
}

Edges PolygonEdges(int n) {
  Edges edges;
  for (int i = 0; i < n; ++i) edges.emplace_back(i, (i + 1) % n);
  return edges;
}

void DrawEdges(ScenePainter& painter, const Corners& corners, const Edges& edges) {
  for (const auto& [a, b] : edges) painter.segment(painter.colours().object, PenStyle::Solid, *corners[a], *corners[b]);
}

void CornerFloorLines(ScenePainter& painter, SceneLine& line, int count) {
  for (int i = 0; i < count; ++i) {
    if (const auto p = line.point(3 * i + 1)) FloorLines(painter, *p);
  }
}

bool CornersDrawable(ScenePainter& painter, SceneLine& line, const Corners& corners, const Edges& edges,
                     bool withNames) {
  const bool complete = std::all_of(corners.begin(), corners.end(), [](const auto& c) { return c.has_value(); });
  if (complete) {
    const bool onePoint =
        std::all_of(corners.begin(), corners.end(), [&](const auto& c) { return Same(*c, *corners.front()); });
    if (!onePoint) return true;
    line.problem(Cp1252("alle Punkte fallen zusammen: als Punkt gezeichnet"));
    PointCross(painter, *corners.front());
    if (withNames) PointLabel(painter, line.text(), 1, *corners.front());
    return false;
  }
  std::vector<bool> onEdge(corners.size(), false);
  for (const auto& [a, b] : edges) {
    if (!corners[a] || !corners[b]) continue;
    painter.segment(painter.colours().object, PenStyle::Solid, *corners[a], *corners[b]);
    onEdge[a] = onEdge[b] = true;
  }
  for (std::size_t i = 0; i < corners.size(); ++i) {
    if (!corners[i]) continue;
    if (!onEdge[i]) PointCross(painter, *corners[i]);
    if (withNames) PointLabel(painter, line.text(), static_cast<int>(i) + 1, *corners[i]);
  }
  return false;
}

}  // namespace lumatik
