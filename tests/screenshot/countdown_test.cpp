#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screenshot/countdown.h"

namespace lumatik {
namespace {

struct ClickCase {
  const char* before;
  const char* after;
};

const ClickCase kClickCases[] = {
    {"Timer", "10"}, {"10", "20"}, {"20", "30"}, {"14", "30"}, {"19", "30"}, {"11", "30"},
    {"9", "20"},     {"1", "20"},  {"0", "10"},  {"7", "20"},  {"35", "50"}, {"", "10"},
};

class TimerClickTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(TimerClickTest, Caption) {
  EXPECT_EQ(TimerCaptionAfterClick(GetParam().before), GetParam().after) << GetParam().before;
}

INSTANTIATE_TEST_SUITE_P(Cases, TimerClickTest, ::testing::ValuesIn(kClickCases));

TEST(TimerClick, TwiceQuicklyShowsTwenty) {
  EXPECT_EQ(TimerCaptionAfterClick(TimerCaptionAfterClick("Timer")), "20");
}

struct TickCase {
  const char* before;
  const char* after;
  bool hide;
  bool capture;
};

const TickCase kTickCases[] = {
    {"Timer", "10", false, false}, {"10", "9", false, false}, {"9", "8", false, false},
    {"8", "7", true, false},       {"1", "0", true, false},   {"0", "Timer", true, true},
    {"25", "24", false, false},
};

class TimerTickTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(TimerTickTest, Step) {
  const TickCase& c = GetParam();
  const TimerTick tick = TimerTickAfter(c.before);
  EXPECT_EQ(tick.caption, c.after) << c.before;
  EXPECT_EQ(tick.hideWindows, c.hide) << c.before;
  EXPECT_EQ(tick.capture, c.capture) << c.before;
}

INSTANTIATE_TEST_SUITE_P(Cases, TimerTickTest, ::testing::ValuesIn(kTickCases));

// Runs the ticks from a caption until the capture, recording what each did.
struct Countdown {
  std::vector<std::string> captions;
  int firstHidingTick = 0;
  int captureTick = 0;
};

Countdown RunCountdown(std::string caption) {
  Countdown run;
  for (int tick = 1; tick <= 100; ++tick) {
    const TimerTick step = TimerTickAfter(caption);
    caption = step.caption;
    run.captions.push_back(caption);
    if (step.hideWindows && run.firstHidingTick == 0) run.firstHidingTick = tick;
    if (step.capture) {
      run.captureTick = tick;
      break;
    }
  }
  return run;
}

TEST(TimerTick, FromTenTheEleventhTickCapturesAndTheThirdHides) {
  const Countdown run = RunCountdown("10");
  EXPECT_EQ(run.captureTick, 11);
  EXPECT_EQ(run.firstHidingTick, 3);
  const std::vector<std::string> expected = {"9", "8", "7", "6", "5", "4", "3", "2", "1", "0", "Timer"};
  EXPECT_EQ(run.captions, expected);
}

}  // namespace
}  // namespace lumatik
