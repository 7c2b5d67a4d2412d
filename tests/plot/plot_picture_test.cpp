// Painted pictures: a circle of two half-circle functions measured in pixels, and the
// canvas's own RGB32 drawing not a pixel off what the toolkit paints on another format.

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <string>
#include <vector>

#include "expr/evaluate.h"
#include "plot/paint/plot_picture.h"
#include "plot/paint/qpainter_canvas.h"
#include "plot/plotredraw.h"

namespace lumatik {
namespace {

TEST(PlotPicture, ACircleIsAsWideAsItIsHighOnAnyPictureSize) {
  ParamLine() = " ";
  for (const auto& [width, height] : {std::pair{1920, 1080}, {1600, 1200}, {1280, 1024}, {800, 1000}}) {
    QImage image(width, height, QImage::Format_RGB32);
    const std::vector<std::string> list = {"3+sqrt(4-(x-3)^2)", "3-sqrt(4-(x-3)^2)"};
    PlotFieldTexts fields;
    fields.function = list.front();
    {
      QPainterCanvas canvas(&image, CanvasState{});
      ClearCanvas(canvas, kWhite, width, height);
      RedrawPlotList(list, fields, RedrawOptions{true, false, true, 100}, canvas, PlotFrame{0, width, height});
    }
    // The black pixels of the circle about (3|3) with radius 2, clear of the axes and their labels.
    const double ppc = std::min(width / 16.0, height / 12.0);
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = static_cast<int>(height / 2.0 - 5.5 * ppc); y <= static_cast<int>(height / 2.0 - 0.5 * ppc); ++y) {
      for (int x = static_cast<int>(width / 2.0 + 0.5 * ppc); x <= static_cast<int>(width / 2.0 + 5.5 * ppc); ++x) {
        if (image.pixel(x, y) != 0xFF000000) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    EXPECT_LE(std::abs((right - left) - (bottom - top)), 2) << width << "x" << height;
    EXPECT_NEAR(right - left, 4 * ppc, 3) << width << "x" << height;
  }
}

struct PaintCase {
  int width;
  int height;
  PlotFrame frame;
  bool blackCurves;
  PlotFieldTexts fields;
};

QImage Paint(QImage::Format format, const PaintCase& c, const std::vector<std::string>& list) {
  QImage image(c.width, c.height, format);
  image.fill(Qt::gray);
  CanvasState state;
  ParamLine() = " ";
  PaintPlot(image, state, [&](Canvas& canvas) {
    ClearCanvas(canvas, c.blackCurves ? kWhite : kBlack, c.frame.width, c.frame.height);
    RedrawPlotList(list, c.fields, RedrawOptions{true, true, c.blackCurves, 40}, canvas, c.frame);
  });
  return image.convertToFormat(QImage::Format_RGB32);
}

TEST(PaintPixels, TheCanvasDrawsWhatTheToolkitDraws) {
  PlotFieldTexts shifted;
  shifted.lex = "1/2";
  shifted.ley = "3";
  shifted.x0 = "-2,5";
  shifted.y0 = "7";
  const std::vector<PaintCase> cases = {
      {1920, 1080, {0, 1920, 1080}, false, {}}, {1600, 1200, {0, 1600, 1200}, true, {}},
      {800, 1000, {0, 800, 1000}, false, shifted}, {333, 251, {0, 333, 251}, true, shifted},
      // A frame shifted right on a wider picture, and one reaching past it.
      {900, 500, {120, 640, 480}, false, {}}, {500, 400, {150, 640, 480}, true, shifted}};
  const std::vector<std::string> list = {"x^2/4", "1/x", "\x91\xFF'3/x(", "Kreis 1 1 2", "sin(x)", "Strecke 0 0 3 4",
                                         "Text -3 2 12 |Hallo", "1'1/2", "Text 1 -2 14 |Gr\xFC\xDF""e \x83\x80 \xBD",
                                         "Text -6 -3 9 | a\tb\x01c\x7F\x81  d ", "-3"};
  for (const PaintCase& c : cases) {
    const QImage direct = Paint(QImage::Format_RGB32, c, list);
    const QImage toolkit = Paint(QImage::Format_ARGB32_Premultiplied, c, list);
    long different = 0;
    for (int y = 0; y < direct.height(); ++y)
      for (int x = 0; x < direct.width(); ++x) different += direct.pixel(x, y) != toolkit.pixel(x, y);
    EXPECT_EQ(different, 0) << c.width << "x" << c.height;
  }
}

}  // namespace
}  // namespace lumatik
