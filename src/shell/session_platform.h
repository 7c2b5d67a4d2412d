#pragma once

#include <string>

namespace lumatik {

// What the program learns about the desktop session from its environment.
struct DesktopSession {
  std::string sessionType;     // XDG_SESSION_TYPE
  std::string waylandDisplay;  // WAYLAND_DISPLAY
  std::string x11Display;      // DISPLAY
  std::string chosenPlatform;  // QT_QPA_PLATFORM, the user's own choice
};

DesktopSession CurrentDesktopSession();

bool IsWaylandSession(const DesktopSession& session);

// The Qt platform to start on, or "" for Qt's own choice. On Wayland a
// program may neither place its windows nor learn where they are; the
// plotter and the screenshot tool need both, so lumatik runs on XWayland
// (xcb) where one is there, unless the user chose a platform.
std::string PlatformForSession(const DesktopSession& session);

}  // namespace lumatik
