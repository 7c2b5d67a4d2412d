#include "discuss/plotter_link.h"

#include <algorithm>
#include <cmath>

#include "discuss/number_patterns.h"
#include "expr/evaluate.h"
#include "shell/floatformat.h"

namespace lumatik {

namespace {

// Extended values as the plotter's edits show them.
std::string EditText(Extended x) { return GeneralFloatText(x, 15); }

void MoveInterval(MovedView& view, Extended lex, Extended x000) {
  if (!std::isfinite(lex) || lex == 0 || !std::isfinite(x000)) return;
  view.from = EditText(-8 / lex + x000);
  view.to = EditText(8 / lex + x000);
}

const char* CircleColour(PointKind kind) {
  switch (kind) {
    case PointKind::Zero:
    case PointKind::TouchingZero:
      return " rot";
    case PointKind::High:
    case PointKind::Low:
      return " schwarz";
    case PointKind::Inflection:
      break;
  }
  return "";
}

// The graph writes its texts last, over a solid background in the colour
// of the circle drawn last: white circles come first and black ones last,
// so that a caption keeps the black of the screen wherever a high or low
// point was found, and a zero shows in red over an inflection point.
int DrawingRank(PointKind kind) {
  switch (kind) {
    case PointKind::Inflection:
      return 0;
    case PointKind::Zero:
    case PointKind::TouchingZero:
      return 1;
    case PointKind::High:
    case PointKind::Low:
      break;
  }
  return 2;
}

}  // namespace

MovedView ZoomedView(const std::string& lexText, const std::string& x000Text, bool zoomIn) {
  const Extended lex = EvalTermGuarded(lexText) * (zoomIn ? 2.0L : 0.5L);
  const Extended x000 = EvalTermGuarded(x000Text);
  MovedView view;
  view.lex = EditText(lex);
  view.x000 = x000Text;
  MoveInterval(view, lex, x000);
  if (view.from) view.step = EditText(1 / (10 * lex));
  return view;
}

MovedView ShiftedView(const std::string& lexText, const std::string& x000Text, bool toTheRight) {
  const Extended lex = EvalTermGuarded(lexText);
  Extended x000 = EvalTermGuarded(x000Text);
  MovedView view;
  view.lex = lexText;
  if (!std::isfinite(lex) || lex == 0) {
    view.x000 = x000Text;
    return view;
  }
  x000 += (toTheRight ? -4 : 4) / lex;
  view.x000 = EditText(x000);
  MoveInterval(view, lex, x000);
  return view;
}

std::vector<std::string> PointCircleLines(const std::vector<FoundPoint>& points) {
  std::vector<FoundPoint> ordered = points;
  std::stable_sort(ordered.begin(), ordered.end(), [](const FoundPoint& p, const FoundPoint& q) {
    return DrawingRank(p.kind) < DrawingRank(q.kind);
  });
  std::vector<std::string> lines;
  for (const FoundPoint& point : ordered) {
    const std::string x = DecimalsText(point.x, 12);
    const std::string y = DecimalsText(point.y, 12);
    // A number in exponent notation would not read back as a term.
    if (x.find('E') != std::string::npos || y.find('E') != std::string::npos) continue;
    const std::string line = "Kreis " + x + " " + y + " 1/20" + CircleColour(point.kind);
    if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
  }
  return lines;
}

void TakePointsIntoPlotList(const std::vector<FoundPoint>& points, std::vector<std::string>& list) {
  for (const std::string& line : PointCircleLines(points))
    if (std::find(list.begin(), list.end(), line) == list.end()) list.push_back(line);
}

}  // namespace lumatik
