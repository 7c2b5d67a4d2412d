#include "draw3d/scene.h"

#include "draw3d/projection.h"
#include "draw3d/scene_frame.h"
#include "draw3d/scene_line.h"
#include "draw3d/scene_objects.h"
#include "draw3d/scene_painter.h"
#include "draw3d/scene_view.h"
#include "plot/plotredraw.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

void DrawRow(SceneRow row, ScenePainter& painter, SceneLine& line) {
  switch (row) {
    case SceneRow::Point: DrawPoint(painter, line); break;
    case SceneRow::PointFloor: DrawPointFloor(painter, line); break;
    case SceneRow::Segment: DrawSegment(painter, line); break;
    case SceneRow::StraightLine: DrawStraightLine(painter, line); break;
    case SceneRow::FirstTwoFloor: DrawFirstTwoFloor(painter, line); break;
    case SceneRow::Triangle: DrawTriangle(painter, line); break;
    case SceneRow::TriangleFloor: DrawTriangleFloor(painter, line); break;
    case SceneRow::Tetrahedron: DrawTetrahedron(painter, line); break;
    case SceneRow::TetrahedronFloor: DrawTetrahedronFloor(painter, line); break;
    case SceneRow::ParallelogramCapitals: DrawParallelogram(painter, line, true); break;
    case SceneRow::Parallelogram: DrawParallelogram(painter, line, false); break;
    case SceneRow::ParallelepipedCapitals: DrawParallelepiped(painter, line, true); break;
    case SceneRow::Parallelepiped: DrawParallelepiped(painter, line, false); break;
    case SceneRow::Vector: DrawVector(painter, line); break;
    case SceneRow::Circle: DrawCircle(painter, line); break;
    case SceneRow::Sphere: DrawSphere(painter, line); break;
  }
}

// "Zeile 3 (Kreis M(1|2|3) r=0): ..." with a long line cut short.
std::string HintLine(const SceneLine& line, const std::vector<std::string>& problems) {
  constexpr std::size_t kShown = 40;
  std::string shown = line.text().substr(0, kShown);
  if (line.text().size() > kShown) shown += "...";
  std::string text = "Zeile " + FloatText18(line.number()) + " (" + Trim(shown) + "): ";
  for (std::size_t i = 0; i < problems.size(); ++i) text += (i > 0 ? "; " : "") + problems[i];
  return text;
}

// The problems of one line, with what the painter saw of it.
std::vector<std::string> LineProblems(const SceneLine& line, const ScenePainter::Tally& tally) {
  std::vector<std::string> problems = line.problems();
  if (tally.tooLarge > 0) {
    problems.push_back(Cp1252("Zahlen zu groß: nicht alles gezeichnet"));
  } else if (tally.requested > 0 && tally.visible == 0) {
    problems.push_back(Cp1252("liegt außerhalb des Bildes"));
  }
  return problems;
}

}  // namespace

SceneDrawing Draw3DScene(const std::vector<std::string>& lines, const View3DParams& requested, Canvas& canvas,
                         const SceneTarget& target, const SceneColours& colours) {
  const View3DParams view = UsableView(requested);
  SceneDrawing drawing;
  drawing.view = StoredView(view);

  canvas.setPenWidth(1);
  canvas.setPenStyle(PenStyle::Solid);
  // The fill's outline in the background too, whatever the last drawing left.
  canvas.setPenColour(colours.background);
  ClearCanvas(canvas, colours.background, target.width, target.height);
  DrawSceneHeader(canvas, view, colours.object);

  const Projection projection(view, target.width, target.height);
  ScenePainter painter(canvas, projection, colours);
  const AxisLengths axes = AxisLengthsOf(view);
  DrawGridPlanes(painter, axes);
  DrawAxes(painter, axes);

  std::vector<std::string> hints;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<SceneRow> rows = SceneRowsOf(lines[i]);
    if (rows.empty()) {
      drawing.lines.push_back(lines[i]);
      continue;
    }
    SceneLine line(lines[i], static_cast<int>(i) + 1);
    if (!line.holdsNumbers()) {
      drawing.lines.push_back(lines[i]);
      continue;
    }
    painter.resetTally();
    for (const SceneRow row : rows) DrawRow(row, painter, line);
    drawing.lines.push_back(line.rewritten);
    const std::vector<std::string> problems = LineProblems(line, painter.tally());
    if (!problems.empty()) hints.push_back(HintLine(line, problems));
  }
  if (!hints.empty()) {
    drawing.hint = Cp1252("Nicht alles ließ sich zeichnen:");
    for (const std::string& hint : hints) drawing.hint += "\r" + hint;
  }
  return drawing;
}

}  // namespace lumatik
