// The canvas writes the grid's dotted lines into an RGB32 picture itself.
// The pictures it paints must not differ by a single pixel from what the
// toolkit paints, which draws everything on an image of another format.

#include <gtest/gtest.h>

#include <QImage>

#include <string>
#include <vector>

#include "expr/lumath.h"
#include "plot/paint/plot_picture.h"
#include "plot/plotredraw.h"

namespace lumatik {
namespace {

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

long DifferentPixels(const QImage& a, const QImage& b) {
  long n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

TEST(PaintPixels, TheCanvasDrawsWhatTheToolkitDraws) {
  PlotFieldTexts shifted;
  shifted.lex = "1/2";
  shifted.ley = "3";
  shifted.x0 = "-2,5";
  shifted.y0 = "7";
  const std::vector<PaintCase> cases = {
      {1920, 1080, {0, 1920, 1080}, false, {}},
      {1600, 1200, {0, 1600, 1200}, true, {}},
      {800, 1000, {0, 800, 1000}, false, shifted},
      {333, 251, {0, 333, 251}, true, shifted},
      // A frame shifted right on a wider picture, and one reaching past it.
      {900, 500, {120, 640, 480}, false, {}},
      {500, 400, {150, 640, 480}, true, shifted},
  };
  const std::vector<std::string> list = {"x^2/4",
                                         "1/x",
                                         "\x91\xFF'3/x(",
                                         "Kreis 1 1 2",
                                         "sin(x)",
                                         "Strecke 0 0 3 4",
                                         "Text -3 2 12 |Hallo",
                                         "1'1/2",
                                         "Text 1 -2 14 |Gr\xFC\xDF""e \x83\x80 \xBD",
                                         "Text -6 -3 9 | a\tb\x01c\x7F\x81  d ",
                                         "-3"};
  for (const PaintCase& c : cases) {
    const QImage direct = Paint(QImage::Format_RGB32, c, list);
    const QImage toolkit = Paint(QImage::Format_ARGB32_Premultiplied, c, list);
    EXPECT_EQ(DifferentPixels(direct, toolkit), 0) << c.width << "x" << c.height;
  }
}

}  // namespace
}  // namespace lumatik
