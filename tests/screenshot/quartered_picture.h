#pragma once

// A picture whose four quarters differ (red, green; yellow, blue), so that
// cutting, scaling and saving can be checked on its colours.

#include <QImage>

namespace lumatik::testing {

inline QImage QuarteredPicture(QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      picture.setPixel(x, y, x >= size.width() / 2 ? (y >= size.height() / 2 ? 0x0000ff : 0x00ff00)
                                                     : (y >= size.height() / 2 ? 0xffff00 : 0xff0000));
  return picture;
}

}  // namespace lumatik::testing
