// The picture the command line and the export write: a circle drawn as two
// half-circle functions is measured in the image's pixels.

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <string>
#include <vector>

#include "expr/lumath.h"
#include "plot/paint/qpainter_canvas.h"
#include "plot/plotredraw.h"

namespace lumatik {
namespace {

struct Box {
  int left = 1 << 30;
  int right = -1;
  int top = 1 << 30;
  int bottom = -1;
};

// The black pixels inside a rectangle of the picture.
Box BlackPixels(const QImage& image, int x1, int y1, int x2, int y2) {
  Box box;
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) {
      if (image.pixel(x, y) != 0xFF000000) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

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
    // The circle about (3|3) with radius 2, clear of the axes and their labels.
    const double ppc = std::min(width / 16.0, height / 12.0);
    const int x1 = static_cast<int>(width / 2.0 + 0.5 * ppc);
    const int x2 = static_cast<int>(width / 2.0 + 5.5 * ppc);
    const int y1 = static_cast<int>(height / 2.0 - 5.5 * ppc);
    const int y2 = static_cast<int>(height / 2.0 - 0.5 * ppc);
    const Box box = BlackPixels(image, x1, y1, x2, y2);
    const int across = box.right - box.left;
    const int down = box.bottom - box.top;
    EXPECT_LE(std::abs(across - down), 2) << width << "x" << height;
    EXPECT_NEAR(across, 4 * ppc, 3) << width << "x" << height;
  }
}

}  // namespace
}  // namespace lumatik
