#include "shell/session_platform.h"

#include <cstdlib>

namespace lumatik {

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

DesktopSession CurrentDesktopSession() {
  return DesktopSession{Variable("XDG_SESSION_TYPE"), Variable("WAYLAND_DISPLAY"), Variable("DISPLAY"),
                        Variable("QT_QPA_PLATFORM")};
}

bool IsWaylandSession(const DesktopSession& session) {
  return session.sessionType == "wayland" || !session.waylandDisplay.empty();
}

std::string PlatformForSession(const DesktopSession& session) {
  if (!session.chosenPlatform.empty() || !IsWaylandSession(session) || session.x11Display.empty()) return "";
  return "xcb";
}

}  // namespace lumatik
