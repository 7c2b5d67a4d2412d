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

class RecordingCanvas : public Canvas {
 public:
  using Canvas::Canvas;

  const std::vector<RecordedOp>& ops() const { return ops_; }
  void clear() { ops_.clear(); }

 protected:
  void onMoveTo(CanvasPoint p) override;
  void drawLine(CanvasPoint from, CanvasPoint to) override;
  void drawRectangle(CanvasPoint a, CanvasPoint b) override;
  void drawEllipse(CanvasPoint a, CanvasPoint b) override;
  void drawText(CanvasPoint topLeft, const std::string& text) override;

 private:
  void record(CanvasOp op, CanvasPoint a, CanvasPoint b, const std::string& text = {});

  std::vector<RecordedOp> ops_;
};

}  // namespace lumatik
