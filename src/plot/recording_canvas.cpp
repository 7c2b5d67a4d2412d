#include "plot/recording_canvas.h"

namespace lumatik {

void OperationCanvas::make(CanvasOp op, CanvasPoint a, CanvasPoint b, const std::string& text) {
  take({op, a, b, text, state().pen, state().brush, state().font});
}

void OperationCanvas::onMoveTo(CanvasPoint p) { make(CanvasOp::MoveTo, p, p); }

void OperationCanvas::drawLine(CanvasPoint from, CanvasPoint to) { make(CanvasOp::LineTo, from, to); }

void OperationCanvas::drawRectangle(CanvasPoint a, CanvasPoint b) { make(CanvasOp::Rectangle, a, b); }

void OperationCanvas::drawEllipse(CanvasPoint a, CanvasPoint b) { make(CanvasOp::Ellipse, a, b); }

void OperationCanvas::drawText(CanvasPoint topLeft, const std::string& text) {
  make(CanvasOp::Text, topLeft, topLeft, text);
}

}  // namespace lumatik
