#pragma once

#include <QImage>
#include <QRect>

namespace lumatik {

// What "Vorschau" got from the screen: the rectangle's pixels, or a null
// picture; `impossibleHere` when the session lets no program read the
// screen, so that the user learns why instead of getting a black picture.
struct ScreenCapture {
  QImage picture;
  bool impossibleHere = false;
};

// The screen rectangle as the screen shows it; on a Wayland session through
// the desktop portal.
ScreenCapture CaptureScreen(int x, int y, int width, int height);

// The rectangle `wanted` (desktop coordinates) out of a picture of the whole
// desktop `desktop` that shows `desktopGeometry`, at the desktop's scale.
QImage CutDesktopRectangle(const QImage& desktop, const QRect& desktopGeometry, const QRect& wanted);

}  // namespace lumatik
