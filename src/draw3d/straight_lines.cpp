// Straight lines: "Gerade A(2|3|6) u(-2|3|-1,5)" draws the line through A
// with direction u in olive, 60 directions either way. In capitals the
// trace points S1, S2, S3 (where the line meets the planes x1 = 0, x2 = 0,
// x3 = 0) are drawn with their perpendiculars and written into the line,
// replacing those of an earlier drawing, and A with A + u is drawn white.

#include <cmath>

#include "draw3d/floor_lines.h"
#include "draw3d/point_marks.h"
#include "draw3d/scene_objects.h"
#include "geometry/geometry_text.h"
#include "shell/codepage.h"

namespace lumatik {

namespace {

bool IsFinite(const Vec3& v) { return std::isfinite(v.x1) && std::isfinite(v.x2) && std::isfinite(v.x3); }

// Trace points of an earlier drawing are dropped with the blank that
// separated them, which the new ones bring again.
void DropTracePoints(std::string& rewritten) {
  const auto traces = rewritten.find("S1(");
  if (traces == std::string::npos) return;
  rewritten.erase(traces);
  if (!rewritten.empty() && rewritten.back() == ' ') rewritten.pop_back();
}

}  // namespace

void DrawStraightLine(ScenePainter& painter, SceneLine& line) {
  const bool capitals = BeginsWithWord(line.text(), "GERADE");
  DropTracePoints(line.rewritten);
  const auto a = line.point(1);
  if (!a) return;
  const auto u = line.point(4);
  if (!u || (u->x1 == 0 && u->x2 == 0 && u->x3 == 0)) {
    PointCross(painter, *a);
    if (u) line.problem(Cp1252("Richtungsvektor (0 0 0): nur der Punkt gezeichnet"));
    return;
  }
  painter.segment(painter.colours().auxiliary, PenStyle::Solid, *a + 60 * *u, *a - 60 * *u);
  if (!capitals) return;

  const Extended start[3] = {a->x1, a->x2, a->x3};
  const Extended direction[3] = {u->x1, u->x2, u->x3};
  std::string traceText;
  std::vector<Vec3> tracePoints;
  for (int k = 0; k < 3; ++k) {
    if (direction[k] == 0) continue;
    const Vec3 s = *a + (-start[k] / direction[k]) * *u;
    if (!IsFinite(s)) {
      line.problem(Cp1252("Spurpunkt S") + static_cast<char>('1' + k) + Cp1252(" zu weit entfernt"));
      continue;
    }
    PointCross(painter, s);
    FloorLines(painter, s);
    traceText += std::string(" S") + static_cast<char>('1' + k) + PointText("|", s);
    tracePoints.push_back(s);
  }
  painter.segment(painter.colours().object, PenStyle::Solid, *a + *u, *a);
  line.rewritten += traceText;
  for (std::size_t i = 0; i < tracePoints.size(); ++i) {
    PointLabel(painter, line.rewritten, 3 + static_cast<int>(i), tracePoints[i]);
  }
}

}  // namespace lumatik
