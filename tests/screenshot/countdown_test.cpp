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
    {"Timer", "10"}, {"10", "20"}, {"14", "30"}, {"11", "30"}, {"9", "20"}, {"0", "10"}, {"35", "50"}, {"", "10"},
};

class TimerClickTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(TimerClickTest, Caption) {
  EXPECT_EQ(TimerCaptionAfterClick(GetParam().before), GetParam().after) << GetParam().before;
}

INSTANTIATE_TEST_SUITE_P(Cases, TimerClickTest, ::testing::ValuesIn(kClickCases));

// A caption that is no number restarts at "10"; from there the third tick
// hides the windows and the eleventh captures.
TEST(TimerTick, FromTenTheEleventhTickCapturesAndTheThirdHides) {
  std::string caption = "Timer", ticks;
  for (int tick = 1; tick <= 100; ++tick) {
    const TimerTick step = TimerTickAfter(caption);
    caption = step.caption;
    ticks += caption + (step.hideWindows ? "h" : "") + (step.capture ? "c" : "") + " ";
    if (step.capture) break;
  }
  EXPECT_EQ(ticks, "10 9 8 7h 6h 5h 4h 3h 2h 1h 0h Timerhc ");
}

}  // namespace
}  // namespace lumatik
