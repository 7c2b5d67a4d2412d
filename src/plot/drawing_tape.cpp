#include "plot/drawing_tape.h"

#include <algorithm>

#include "plot/picture_files.h"

namespace lumatik {

namespace {

void ReplayOne(const RecordedOp& op, Canvas& canvas, bool onPaper) {
  CanvasState state{op.pen, op.brush, op.font, op.a};
  if (onPaper) {
    state.pen.colour = OnPaper(state.pen.colour);
    state.brush.colour = FillOnPaper(state.brush.colour);
    state.font.colour = OnPaper(state.font.colour);
  }
  canvas.setState(state);
  switch (op.op) {
    case CanvasOp::MoveTo:
      canvas.moveTo(op.a.x, op.a.y);
      break;
    case CanvasOp::LineTo:
      canvas.lineTo(op.b.x, op.b.y);
      break;
    case CanvasOp::Rectangle:
      canvas.rectangle(op.a.x, op.a.y, op.b.x, op.b.y);
      break;
    case CanvasOp::Ellipse:
      canvas.ellipse(op.a.x, op.a.y, op.b.x, op.b.y);
      break;
    case CanvasOp::Text:
      canvas.textOut(op.a.x, op.a.y, op.text);
      break;
  }
}

}  // namespace

void DrawingTape::setArea(int width, int height) {
  width_ = width;
  height_ = height;
}

void DrawingTape::add(const RecordedOp& op) {
  if (op.op == CanvasOp::Rectangle && op.brush.style == BrushStyle::Solid && std::min(op.a.x, op.b.x) <= 0 &&
      std::min(op.a.y, op.b.y) <= 0 && std::max(op.a.x, op.b.x) >= width_ && std::max(op.a.y, op.b.y) >= height_) {
    ops_.clear();
    background_ = op.brush.colour;
  }
  ops_.push_back(op);
}

TapingCanvas::TapingCanvas(Canvas& target, DrawingTape& tape) : OperationCanvas(target.state()), target_(target), tape_(tape) {}

TapingCanvas::~TapingCanvas() { target_.setState(state()); }

void TapingCanvas::take(const RecordedOp& op) {
  ReplayOne(op, target_, false);
  tape_.add(op);
}

void Replay(const std::vector<RecordedOp>& ops, Canvas& canvas, bool onPaper) {
  for (const RecordedOp& op : ops) ReplayOne(op, canvas, onPaper);
}

}  // namespace lumatik
