#include "plot/paint/qpainter_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <algorithm>

#include "shell/codepage.h"

namespace lumatik {

QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

QPainterCanvas::QPainterCanvas(QPaintDevice* device, const CanvasState& state) : Canvas(state) {
  painter_.begin(device);
  // Plain pixels as on the screen's own canvas: no smoothing of lines.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

QPainterCanvas::~QPainterCanvas() { painter_.end(); }

void QPainterCanvas::applyPen() {
  const CanvasPen& pen = state().pen;
  QPen qpen(ToQColor(pen.colour));
  qpen.setWidth(std::max(pen.width, 1));
  qpen.setStyle(pen.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
  painter_.setPen(qpen);
}

void QPainterCanvas::applyBrush() {
  const CanvasBrush& brush = state().brush;
  if (brush.style == BrushStyle::Clear) {
    painter_.setBrush(Qt::NoBrush);
  } else {
    painter_.setBrush(ToQColor(brush.colour));
  }
}

QRect QPainterCanvas::BoxOf(CanvasPoint a, CanvasPoint b) {
  const int left = std::min(a.x, b.x);
  const int top = std::min(a.y, b.y);
  const int width = std::abs(b.x - a.x);
  const int height = std::abs(b.y - a.y);
  // A stroked QRect covers one pixel more than its size; leave it out.
  return QRect(left, top, std::max(width - 1, 0), std::max(height - 1, 0));
}

void QPainterCanvas::drawLine(CanvasPoint from, CanvasPoint to) {
  applyPen();
  painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QPainterCanvas::drawRectangle(CanvasPoint a, CanvasPoint b) {
  applyPen();
  applyBrush();
  painter_.drawRect(BoxOf(a, b));
}

void QPainterCanvas::drawEllipse(CanvasPoint a, CanvasPoint b) {
  applyPen();
  applyBrush();
  painter_.drawEllipse(BoxOf(a, b));
}

void QPainterCanvas::drawText(CanvasPoint topLeft, const std::string& text) {
  const CanvasFont& font = state().font;
  QFont qfont = font.name.empty() ? QFont() : QFont(QString::fromUtf8(Cp1252ToUtf8(font.name)));
  if (font.name.empty()) qfont.setStyleHint(QFont::SansSerif);
  qfont.setPointSize(std::max(font.size, 1));
  painter_.setFont(qfont);
  const QString qtext = QString::fromUtf8(Cp1252ToUtf8(text));
  const QFontMetrics metrics(qfont, painter_.device());
  if (state().brush.style == BrushStyle::Solid) {
    painter_.fillRect(QRect(topLeft.x, topLeft.y, metrics.horizontalAdvance(qtext), metrics.height()),
                      ToQColor(state().brush.colour));
  }
  painter_.setPen(ToQColor(font.colour));
  painter_.drawText(topLeft.x, topLeft.y + metrics.ascent(), qtext);
}

}  // namespace lumatik
