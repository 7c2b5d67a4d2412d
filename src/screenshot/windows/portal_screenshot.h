#pragma once

#include <QImage>

namespace lumatik {

// The whole desktop through the screenshot interface of the desktop portal
// (xdg-desktop-portal on the session bus), the one way a Wayland session
// lets a program read the screen. A null image when there is no portal, it
// refuses, or it has not answered within the time (the desktop may first ask
// the user).
QImage PortalScreenshot(int timeoutMilliseconds = 30000);

}  // namespace lumatik
