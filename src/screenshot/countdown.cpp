#include "screenshot/countdown.h"

#include <charconv>
#include <optional>

namespace lumatik {

namespace {

// The caption's count; any text that is not a plain number counts as
// "Timer", so a strange caption starts a fresh countdown instead of failing.
std::optional<long> CountOf(const std::string& caption) {
  long n = 0;
  const char* first = caption.data();
  const char* last = caption.data() + caption.size();
  const auto [end, error] = std::from_chars(first, last, n);
  if (error != std::errc() || end != last || caption.empty()) return std::nullopt;
  return n;
}

}  // namespace

std::string TimerCaptionAfterClick(const std::string& caption) {
  const std::optional<long> n = CountOf(caption);
  if (!n || *n < 0) return "10";
  // Whole tens stay as they are; anything between is raised to the next ten.
  const long tens = (*n + 9) / 10 * 10;
  return std::to_string(tens + 10);
}

TimerTick TimerTickAfter(const std::string& caption) {
  TimerTick tick;
  const std::optional<long> n = CountOf(caption);
  if (!n) {
    tick.caption = "10";
    return tick;
  }
  tick.caption = std::to_string(*n - 1);
  tick.hideWindows = *n < 9;
  // Below zero cannot happen, but must not count on for ever either.
  if (*n <= 0) {
    tick.capture = true;
    tick.caption = kTimerIdleCaption;
  }
  return tick;
}

}  // namespace lumatik
