#include "plot/paint/qpainter_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <algorithm>

#include "shell/codepage.h"

namespace lumatik {

QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

QPainterCanvas::QPainterCanvas(QPaintDevice* device, const CanvasState& state, const QTransform& transform)
    : Canvas(state) {
  painter_.begin(device);
  if (!transform.isIdentity()) {
    painter_.setWorldTransform(transform);
    // A smaller picture keeps its lines one pixel wide.
    const qreal scale = std::min(transform.m11(), transform.m22());
    if (scale > 0 && scale < 1) thinnestPen_ = 1 / scale;
  }
  // Plain pixels as on the screen's own canvas: no smoothing of lines.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  const QPaintEngine* engine = painter_.paintEngine();
  joinsPolylines_ = engine && (engine->type() == QPaintEngine::Pdf || engine->type() == QPaintEngine::SVG);
  if (device->devType() == QInternal::Image) {
    auto* image = static_cast<QImage*>(device);
    if (image->format() == QImage::Format_RGB32) image_ = image;
  }
}

QPainterCanvas::~QPainterCanvas() {
  drawJoined();
  painter_.end();
}

void QPainterCanvas::applyPen(const CanvasPen& pen) {
  if (painterPen_ == pen) return;
  QPen qpen(ToQColor(pen.colour));
  qpen.setWidthF(std::max<qreal>(pen.width, thinnestPen_));
  qpen.setStyle(pen.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
  painter_.setPen(qpen);
  painterPen_ = pen;
}

bool QPainterCanvas::joinRun(CanvasPoint from, CanvasPoint to) {
  const CanvasPen& pen = state().pen;
  if (!image_ || pen.style != PenStyle::Solid || pen.width > 1 || from.y != to.y || from.x == to.x) return false;
  if (run_ && run_->pen == pen && run_->to == from && (run_->to.x > run_->from.x) == (to.x > from.x)) {
    run_->to = to;
    return true;
  }
  drawRun();
  run_ = Run{from, to, pen};
  return true;
}

void QPainterCanvas::drawRun() {
  if (!run_) return;
  if (!drawLineDirectly(run_->from, run_->to, run_->pen)) {
    applyPen(run_->pen);
    painter_.drawLine(run_->from.x, run_->from.y, run_->to.x, run_->to.y);
  }
  run_.reset();
}

bool QPainterCanvas::joinPolyline(CanvasPoint from, CanvasPoint to) {
  if (!joinsPolylines_) return false;
  const QPoint start(from.x, from.y);
  if (!polyline_.isEmpty() && polylinePen_ == state().pen && polyline_.last() == start) {
    polyline_.append(QPoint(to.x, to.y));
    return true;
  }
  drawJoined();
  polyline_ = QPolygon({start, QPoint(to.x, to.y)});
  polylinePen_ = state().pen;
  return true;
}

void QPainterCanvas::drawJoined() {
  drawRun();
  if (polyline_.isEmpty()) return;
  applyPen(polylinePen_);
  painter_.drawPolyline(polyline_);
  polyline_.clear();
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

bool QPainterCanvas::drawLineDirectly(CanvasPoint from, CanvasPoint to, const CanvasPen& pen) {
  const bool across = from.y == to.y;
  if (!image_ || pen.width > 1 || (!across && from.x != to.x) || painter_.hasClipping() ||
      !painter_.deviceTransform().isIdentity())
    return false;
  const QRgb colour = ToQColor(pen.colour).rgb();
  const bool dotted = pen.style == PenStyle::Dot;
  // A solid line is learnt when it comes the second time, as the axes do
  // with every grid; most pieces of a curve come once, and short pieces
  // cost the toolkit little.
  constexpr int kShortestLearnt = 64;
  if (!dotted && std::abs(to.x - from.x) + std::abs(to.y - from.y) < kShortestLearnt) return false;
  const LineKey key{from.x, from.y, to.x, to.y, colour, dotted};
  auto found = lines_.find(key);
  if (!dotted && found == lines_.end()) {
    lines_.emplace(key, LinePixels{{}, 0, false, true});
    return false;
  }
  if (found == lines_.end() || found->second.seenOnce) {
    // The same line drawn by the toolkit into a strip one pixel thick that
    // spans the picture along the line: the same ends, the same clipping at
    // the picture's edges.
    const int length = across ? image_->width() : image_->height();
    QImage strip(across ? length : 1, across ? 1 : length, QImage::Format_RGB32);
    const QRgb background = colour == qRgb(0, 0, 0) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    strip.fill(background);
    {
      QPainter painter(&strip);
      painter.setRenderHint(QPainter::Antialiasing, false);
      QPen qpen(ToQColor(pen.colour));
      qpen.setWidth(1);
      qpen.setStyle(dotted ? Qt::DotLine : Qt::SolidLine);
      painter.setPen(qpen);
      if (across)
        painter.drawLine(from.x, 0, to.x, 0);
      else
        painter.drawLine(0, from.y, 0, to.y);
    }
    LinePixels learnt;
    learnt.value = background;
    const auto* pixels = reinterpret_cast<const QRgb*>(strip.constBits());
    for (int i = 0; i < length && learnt.direct; ++i) {
      if (pixels[i] == background) continue;
      // A line of one colour sets one value; anything else is left to the
      // toolkit.
      learnt.direct = learnt.offsets.empty() || pixels[i] == learnt.value;
      learnt.value = pixels[i];
      learnt.offsets.push_back(i);
    }
    found = lines_.insert_or_assign(key, std::move(learnt)).first;
  }
  const LinePixels& line = found->second;
  if (!line.direct) return false;
  const int fixed = across ? from.y : from.x;
  if (fixed < 0 || fixed >= (across ? image_->height() : image_->width())) return true;
  uchar* bits = image_->bits();
  const qsizetype stride = image_->bytesPerLine();
  if (across) {
    auto* row = reinterpret_cast<QRgb*>(bits + fixed * stride);
    for (int x : line.offsets) row[x] = line.value;
  } else {
    for (int y : line.offsets) reinterpret_cast<QRgb*>(bits + y * stride)[fixed] = line.value;
  }
  return true;
}

void QPainterCanvas::drawLine(CanvasPoint from, CanvasPoint to) {
  if (joinPolyline(from, to) || joinRun(from, to)) return;
  drawRun();
  if (drawLineDirectly(from, to, state().pen)) return;
  applyPen(state().pen);
  painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QPainterCanvas::drawRectangle(CanvasPoint a, CanvasPoint b) {
  drawJoined();
  applyPen(state().pen);
  applyBrush();
  painter_.drawRect(BoxOf(a, b));
}

void QPainterCanvas::drawEllipse(CanvasPoint a, CanvasPoint b) {
  drawJoined();
  applyPen(state().pen);
  applyBrush();
  painter_.drawEllipse(BoxOf(a, b));
}

void QPainterCanvas::drawText(CanvasPoint topLeft, const std::string& text) {
  drawJoined();
  const CanvasFont& font = state().font;
  if (!textFont_ || textFont_->name != font.name || textFont_->size != font.size) {
    QFont qfont = font.name.empty() ? QFont() : QFont(QString::fromUtf8(Cp1252ToUtf8(font.name)));
    if (font.name.empty()) qfont.setStyleHint(QFont::SansSerif);
    qfont.setPointSize(std::max(font.size, 1));
    painter_.setFont(qfont);
    textFont_ = font;
    textMetrics_.emplace(qfont, painter_.device());
    laidOutTexts_.clear();
  }
  const QString qtext = QString::fromUtf8(Cp1252ToUtf8(text));
  const QFontMetrics& metrics = *textMetrics_;
  if (state().brush.style == BrushStyle::Solid) {
    painter_.fillRect(QRect(topLeft.x, topLeft.y, metrics.horizontalAdvance(qtext), metrics.height()),
                      ToQColor(state().brush.colour));
  }
  painter_.setPen(ToQColor(font.colour));
  painterPen_.reset();
  if (!image_) {
    painter_.drawText(topLeft.x, topLeft.y + metrics.ascent(), qtext);
    return;
  }
  auto found = laidOutTexts_.find(qtext);
  if (found == laidOutTexts_.end()) {
    QStaticText laidOut(qtext);
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.prepare(QTransform(), painter_.font());
    found = laidOutTexts_.emplace(qtext, std::move(laidOut)).first;
  }
  painter_.drawStaticText(topLeft.x, topLeft.y, found->second);
}

}  // namespace lumatik
