// The platform lumatik starts on: XWayland on a Wayland session with an X
// display, unless the user chose one; Qt's own choice everywhere else.

#include <gtest/gtest.h>

#include "shell/session_platform.h"

namespace lumatik {
namespace {

struct SessionCase {
  DesktopSession session;
  bool wayland;
  const char* platform;
};

class SessionPlatform : public ::testing::TestWithParam<SessionCase> {};

TEST_P(SessionPlatform, XcbOnlyWhereWaylandHidesWindowPlaces) {
  EXPECT_EQ(IsWaylandSession(GetParam().session), GetParam().wayland);
  EXPECT_EQ(PlatformForSession(GetParam().session), GetParam().platform);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, SessionPlatform,
    ::testing::Values(
        // Wayland with XWayland, also without the session type (a nested compositor)
        SessionCase{{"wayland", "wayland-0", ":0", ""}, true, "xcb"},
        SessionCase{{"", "wayland-1", ":1", ""}, true, "xcb"},
        // the user asked for a platform himself; no XWayland
        SessionCase{{"wayland", "wayland-0", ":0", "offscreen"}, true, ""},
        SessionCase{{"wayland", "wayland-0", "", ""}, true, ""},
        // X11 sessions, a console, tests under Xvfb
        SessionCase{{"x11", "", ":0", ""}, false, ""}, SessionCase{{"tty", "", "", ""}, false, ""},
        SessionCase{{"", "", ":9", ""}, false, ""}));

}  // namespace
}  // namespace lumatik
