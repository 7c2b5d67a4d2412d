#include "plot/paint/picture_writer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>

#include "plot/paint/plot_picture.h"
#include "plot/paint/qpainter_canvas.h"

namespace lumatik {

namespace {

constexpr int kScreenDpi = 96;

// The drawing made for `drawn` scaled to fit into `size` whole, centred.
QTransform FitInto(QSize drawn, QSize size) {
  if (drawn == size || drawn.isEmpty()) return QTransform();
  const qreal scale = std::min(qreal(size.width()) / drawn.width(), qreal(size.height()) / drawn.height());
  return QTransform()
      .translate((size.width() - drawn.width() * scale) / 2, (size.height() - drawn.height() * scale) / 2)
      .scale(scale, scale);
}

QByteArray PngBytes(QSize drawn, QSize size, Colour background, const std::function<void(Canvas&)>& drawing) {
  QImage picture = NewPlotPicture(size, ToQColor(background));
  {
    QPainterCanvas canvas(&picture, CanvasState{}, FitInto(drawn, size));
    drawing(canvas);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG")) return QByteArray();
  return bytes;
}

QByteArray SvgBytes(QSize drawn, const std::function<void(Canvas&)>& drawing) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(drawn);
  svg.setViewBox(QRect(QPoint(0, 0), drawn));
  svg.setResolution(kScreenDpi);
  svg.setTitle(QStringLiteral("lumatik"));
  {
    QPainterCanvas canvas(&svg, CanvasState{});
    drawing(canvas);
  }
  return bytes;
}

QByteArray PdfBytes(QSize drawn, const std::function<void(Canvas&)>& drawing) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("lumatik"));
    pdf.setTitle(QStringLiteral("lumatik"));
    pdf.setResolution(kScreenDpi);
    // One page exactly as large as the drawing, without margins.
    const QSizeF points(drawn.width() * 72.0 / kScreenDpi, drawn.height() * 72.0 / kScreenDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainterCanvas canvas(&pdf, CanvasState{});
    drawing(canvas);
  }
  return bytes;
}

}  // namespace

bool WritePicture(const QString& path, PictureFormat format, QSize drawn, QSize size, Colour background,
                  const std::function<void(Canvas&)>& drawing) {
  QByteArray bytes;
  switch (format) {
    case PictureFormat::Png:
      bytes = PngBytes(drawn, size, background, drawing);
      break;
    case PictureFormat::Svg:
      bytes = SvgBytes(drawn, drawing);
      break;
    case PictureFormat::Pdf:
      bytes = PdfBytes(drawn, drawing);
      break;
  }
  if (bytes.isEmpty()) return false;
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace lumatik
