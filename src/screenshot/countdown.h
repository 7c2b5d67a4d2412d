#pragma once

// The countdown of the capture window's "Timer" button. Its caption is the
// state: "Timer" means no countdown, a number is the seconds left.

#include <string>

namespace lumatik {

inline constexpr const char* kTimerIdleCaption = "Timer";

// A click on "Timer": "Timer" becomes "10"; a running count is rounded up to
// the next multiple of 10 and gets 10 more seconds ("14" -> "30", "10" -> "20").
std::string TimerCaptionAfterClick(const std::string& caption);

// One tick of the running timer (once a second).
struct TimerTick {
  std::string caption;        // the button's next caption
  bool hideWindows = false;   // the tool's own windows leave the screen
  bool capture = false;       // the timer stops and the picture is taken
};

// From "10" the eleventh tick captures; from the third tick on the tool's
// windows are hidden, so that menus the user opens meanwhile are on the picture.
TimerTick TimerTickAfter(const std::string& caption);

}  // namespace lumatik
