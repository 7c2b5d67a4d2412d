#pragma once

// A canvas that draws nothing and remembers every call with the pen, brush
// and font in force, so tests can check a drawing by its operations.

#include <string>
#include <vector>

#include "plot/canvas.h"

namespace lumatik {

enum class CanvasOp { MoveTo, LineTo, Rectangle, Ellipse, Text };

struct RecordedOp {
  CanvasOp op = CanvasOp::MoveTo;
  CanvasPoint a;  // start of a line, first corner, text position
  CanvasPoint b;  // end of a line, second corner
  std::string text;
  CanvasPen pen;
  CanvasBrush brush;
  CanvasFont font;
};

// A canvas that turns every drawing call into one operation with the pen,
// brush and font in force, for canvases that keep or pass on operations.
class OperationCanvas : public Canvas {
 public:
  using Canvas::Canvas;

 protected:
  virtual void take(const RecordedOp& op) = 0;

  void onMoveTo(CanvasPoint p) final;
  void drawLine(CanvasPoint from, CanvasPoint to) final;
  void drawRectangle(CanvasPoint a, CanvasPoint b) final;
  void drawEllipse(CanvasPoint a, CanvasPoint b) final;
  void drawText(CanvasPoint topLeft, const std::string& text) final;

 private:
  void make(CanvasOp op, CanvasPoint a, CanvasPoint b, const std::string& text = {});
};

class RecordingCanvas : public OperationCanvas {
 public:
  using OperationCanvas::OperationCanvas;

  const std::vector<RecordedOp>& ops() const { return ops_; }
  void clear() { ops_.clear(); }

 protected:
  void take(const RecordedOp& op) override { ops_.push_back(op); }

 private:
  std::vector<RecordedOp> ops_;
};

}  // namespace lumatik
