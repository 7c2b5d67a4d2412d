#include "screenshot/windows/screen_capture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "screenshot/windows/portal_screenshot.h"
#include "shell/session_platform.h"

namespace lumatik {

QImage CutDesktopRectangle(const QImage& desktop, const QRect& desktopGeometry, const QRect& wanted) {
  if (desktop.isNull() || desktopGeometry.width() < 1 || desktopGeometry.height() < 1) return QImage();
  // A scaled desktop (200 %) gives the portal's picture more pixels than
  // the desktop has coordinates.
  const qreal scaleX = static_cast<qreal>(desktop.width()) / desktopGeometry.width();
  const qreal scaleY = static_cast<qreal>(desktop.height()) / desktopGeometry.height();
  const QRect inPicture(qRound((wanted.x() - desktopGeometry.x()) * scaleX),
                        qRound((wanted.y() - desktopGeometry.y()) * scaleY), qRound(wanted.width() * scaleX),
                        qRound(wanted.height() * scaleY));
  QImage cut = desktop.copy(inPicture);
  if (cut.size() != wanted.size()) cut = cut.scaled(wanted.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return cut;
}

ScreenCapture CaptureScreen(int x, int y, int width, int height) {
  if (width < 1 || height < 1) return {};
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  // Under Wayland Qt's copy of the screen (through XWayland) shows only
  // black where other programs' windows are: the portal or nothing.
  if (IsWaylandSession(CurrentDesktopSession())) {
    const QImage desktop = PortalScreenshot();
    if (desktop.isNull()) return {QImage(), true};
    return {CutDesktopRectangle(desktop, screen->virtualGeometry(), QRect(x, y, width, height)), false};
  }
  return {screen->grabWindow(0, x, y, width, height).toImage(), false};
}

}  // namespace lumatik
