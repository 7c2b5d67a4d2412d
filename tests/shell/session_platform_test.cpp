// The platform lumatik starts on: XWayland on a Wayland session with an X
// display, unless the user chose one; Qt's own choice everywhere else.

#include <gtest/gtest.h>

#include "shell/session_platform.h"

namespace lumatik {
namespace {

TEST(SessionPlatform, XcbOnlyWhereWaylandHidesWindowPlaces) {
  const struct {
    DesktopSession session;
    bool wayland;
    const char* platform;
  } cases[] = {
      // Wayland with XWayland, also without the session type (a nested compositor)
      {{"wayland", "wayland-0", ":0", ""}, true, "xcb"}, {{"", "wayland-1", ":1", ""}, true, "xcb"},
      // the user asked for a platform himself; no XWayland
      {{"wayland", "wayland-0", ":0", "offscreen"}, true, ""}, {{"wayland", "wayland-0", "", ""}, true, ""},
      // X11 sessions, a console, tests under Xvfb
      {{"x11", "", ":0", ""}, false, ""}, {{"tty", "", "", ""}, false, ""}, {{"", "", ":9", ""}, false, ""}};
  for (const auto& [session, wayland, platform] : cases) {
    const std::string label = session.sessionType + " " + session.waylandDisplay + " " + session.x11Display;
    EXPECT_EQ(IsWaylandSession(session), wayland) << label;
    EXPECT_EQ(PlatformForSession(session), platform) << label << " " << session.chosenPlatform;
  }
}

}  // namespace
}  // namespace lumatik
