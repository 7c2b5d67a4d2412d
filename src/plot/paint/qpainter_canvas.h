#pragma once

// The canvas on a Qt paint device: the graph window's picture, an exported
// image or a printer page. The painter lives as long as this object; the
// pen, brush, font and pen position live in the state, which the owner of a
// long-lived surface keeps between redraws.

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QStaticText>
#include <QTransform>

#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "plot/canvas.h"

class QPaintDevice;

namespace lumatik {

class QPainterCanvas : public Canvas {
 public:
  // The transform scales a drawing made for one size onto a device of another.
  QPainterCanvas(QPaintDevice* device, const CanvasState& state, const QTransform& transform = QTransform());
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
  // On a vector device (an SVG or PDF file, a printed page) the steps of a curve are
  // joined into one polyline with one pen: a file then holds one path per
  // curve, and a dotted pen's pattern runs on along the curve.
  bool joinPolyline(CanvasPoint from, CanvasPoint to);
  // Draws the joined run or polyline not drawn yet.
  void drawJoined();
  // Writes a line straight across or down an RGB32 picture into its pixels;
  // false where the toolkit must draw it.
  bool drawLineDirectly(CanvasPoint from, CanvasPoint to, const CanvasPen& pen);
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
  // Every function line draws the same grid and axes again, which costs the
  // toolkit most of a long redraw. The picture, where the canvas paints on
  // an RGB32 image; and for each line straight across or down drawn so far
  // (its ends, colour and style) the pixels the toolkit set along it and the
  // value it wrote, learnt by letting it draw that line once into a strip.
  QImage* image_ = nullptr;
  using LineKey = std::tuple<int, int, int, int, QRgb, bool>;
  struct LinePixels {
    std::vector<int> offsets;  // along the line: x across, y down
    QRgb value = 0;
    bool direct = true;
    bool seenOnce = false;  // a solid line drawn once, not learnt yet
  };
  std::map<LineKey, LinePixels> lines_;
  // The pen the painter holds, set by applyPen; unknown after a text.
  std::optional<CanvasPen> painterPen_;
  // The joined run not drawn yet.
  struct Run {
    CanvasPoint from;
    CanvasPoint to;
    CanvasPen pen;
  };
  std::optional<Run> run_;
  bool joinsPolylines_ = false;
  QPolygon polyline_;
  CanvasPen polylinePen_;
  // The thinnest pen in the painter's units.
  qreal thinnestPen_ = 1;
};

QColor ToQColor(Colour colour);

}  // namespace lumatik
