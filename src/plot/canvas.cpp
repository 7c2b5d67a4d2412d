#include "plot/canvas.h"

namespace lumatik {

void Canvas::moveTo(int x, int y) {
  state_.penPosition = {x, y};
  onMoveTo(state_.penPosition);
}

void Canvas::lineTo(int x, int y) {
  const CanvasPoint from = state_.penPosition;
  state_.penPosition = {x, y};
  drawLine(from, state_.penPosition);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) { drawRectangle({x1, y1}, {x2, y2}); }

void Canvas::ellipse(int x1, int y1, int x2, int y2) { drawEllipse({x1, y1}, {x2, y2}); }

void Canvas::textOut(int x, int y, const std::string& text) { drawText({x, y}, text); }

}  // namespace lumatik
