#include "plot/paint/plot_picture.h"

#include "plot/paint/qpainter_canvas.h"

namespace lumatik {

namespace {

constexpr int kDotsPerMetreAt96Dpi = 3780;

}  // namespace

QImage NewPlotPicture(QSize size, QColor fill) {
  QImage picture(size, QImage::Format_RGB32);
  picture.setDotsPerMeterX(kDotsPerMetreAt96Dpi);
  picture.setDotsPerMeterY(kDotsPerMetreAt96Dpi);
  picture.fill(fill);
  return picture;
}

void PaintPlot(QPaintDevice& device, CanvasState& state, const std::function<void(Canvas&)>& drawing) {
  QPainterCanvas canvas(&device, state);
  drawing(canvas);
  state = canvas.state();
}

}  // namespace lumatik
