#pragma once

// The canvas on a Qt paint device: the graph window's picture, an exported
// image or a printer page. The painter lives as long as this object; the
// pen, brush, font and pen position live in the state, which the owner of a
// long-lived surface keeps between redraws.

#include <QPainter>

#include "plot/canvas.h"

class QPaintDevice;

namespace lumatik {

class QPainterCanvas : public Canvas {
 public:
  QPainterCanvas(QPaintDevice* device, const CanvasState& state);
  ~QPainterCanvas() override;

 protected:
  void drawLine(CanvasPoint from, CanvasPoint to) override;
  void drawRectangle(CanvasPoint a, CanvasPoint b) override;
  void drawEllipse(CanvasPoint a, CanvasPoint b) override;
  void drawText(CanvasPoint topLeft, const std::string& text) override;

 private:
  void applyPen();
  void applyBrush();
  // The box between two corners with its right and bottom edge excluded.
  static QRect BoxOf(CanvasPoint a, CanvasPoint b);

  QPainter painter_;
};

QColor ToQColor(Colour colour);

}  // namespace lumatik
