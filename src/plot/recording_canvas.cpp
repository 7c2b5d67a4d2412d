#include "plot/recording_canvas.h"

namespace lumatik {

void RecordingCanvas::record(CanvasOp op, CanvasPoint a, CanvasPoint b, const std::string& text) {
  ops_.push_back({op, a, b, text, state().pen, state().brush, state().font});
}

void RecordingCanvas::onMoveTo(CanvasPoint p) { record(CanvasOp::MoveTo, p, p); }

void RecordingCanvas::drawLine(CanvasPoint from, CanvasPoint to) { record(CanvasOp::LineTo, from, to); }

void RecordingCanvas::drawRectangle(CanvasPoint a, CanvasPoint b) { record(CanvasOp::Rectangle, a, b); }

void RecordingCanvas::drawEllipse(CanvasPoint a, CanvasPoint b) { record(CanvasOp::Ellipse, a, b); }

void RecordingCanvas::drawText(CanvasPoint topLeft, const std::string& text) {
  record(CanvasOp::Text, topLeft, topLeft, text);
}

}  // namespace lumatik
