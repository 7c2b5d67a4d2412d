#pragma once

// The canvas on a Qt paint device: the graph window's picture, an exported
// image or a printer page. The painter lives as long as this object; the
// pen, brush, font and pen position live in the state, which the owner of a
// long-lived surface keeps between redraws.

#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>

#include <map>
#include <optional>
#include <tuple>
#include <vector>

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
  // Sets the painter's pen unless it is that pen already.
  void applyPen(const CanvasPen& pen);
  // A curve along a row of pixels comes as many short steps. On an RGB32
  // picture the steps of one straight solid run are joined and drawn as one
  // line, which sets the same pixels; the run is drawn before anything else.
  bool joinRun(CanvasPoint from, CanvasPoint to);
  void drawRun();
  // Writes a dotted line straight across or down an RGB32 picture into its
  // pixels; false where the toolkit must draw it.
  bool drawDotsDirectly(CanvasPoint from, CanvasPoint to);
  void applyBrush();
  // The box between two corners with its right and bottom edge excluded.
  static QRect BoxOf(CanvasPoint a, CanvasPoint b);

  QPainter painter_;
  // The font of the last text with its metrics: a redraw writes the same
  // labels in the same font for every function line, and making a font and
  // its metrics costs more than writing the text.
  std::optional<CanvasFont> textFont_;
  std::optional<QFontMetrics> textMetrics_;
  std::map<QString, QStaticText> laidOutTexts_;
  // Every function line draws the same dotted grid again, which costs the
  // toolkit most of a long redraw. The picture, where the canvas paints on
  // an RGB32 image without clipping; and for each dotted line drawn so far
  // (its ends and colour) the pixels the toolkit set along it and the value
  // it wrote, learnt by letting it draw that line once into a strip.
  QImage* image_ = nullptr;
  std::optional<CanvasPen> painterPen_;
  struct Run {
    CanvasPoint from;
    CanvasPoint to;
    CanvasPen pen;
  };
  std::optional<Run> run_;
  using DotKey = std::tuple<int, int, int, int, QRgb>;
  struct Dots {
    std::vector<int> offsets;  // along the line: x across, y down
    QRgb value = 0;
    bool direct = true;
  };
  std::map<DotKey, Dots> dots_;
};

QColor ToQColor(Colour colour);

}  // namespace lumatik
