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

struct TickCase {
  const char* before;
  const char* after;
  bool hide;
  bool capture;
};

const TickCase kTickCases[] = {
    {"Timer", "10", false, false}, {"10", "9", false, false}, {"9", "8", false, false}, {"8", "7", true, false},
    {"1", "0", true, false},       {"0", "Timer", true, true}, {"25", "24", false, false},
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

// From "10" the third tick hides the windows and the eleventh captures.
TEST(TimerTick, FromTenTheEleventhTickCapturesAndTheThirdHides) {
  std::string caption = "10", ticks;
  for (int tick = 1; tick <= 100; ++tick) {
    const TimerTick step = TimerTickAfter(caption);
    caption = step.caption;
    ticks += caption + (step.hideWindows ? "h" : "") + (step.capture ? "c" : "") + " ";
    if (step.capture) break;
  }
  EXPECT_EQ(ticks, "9 8 7h 6h 5h 4h 3h 2h 1h 0h Timerhc ");
}

}  // namespace
}  // namespace lumatik
