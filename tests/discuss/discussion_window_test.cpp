// The curve discussion window driven as a user drives it: opened from the
// plotter's menu "Diskussion", the interval typed into its edits, its
// buttons clicked, "Stop" clicked while a run goes on.

#include <QScrollBar>
#include <QScreen>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "discuss/discuss_texts.h"
#include "discuss/windows/discussion_window.h"
#include "plot/plotter_window_fixture.h"
#include "plot/windows/function_input_window.h"
#include "shell/codepage.h"
#include "shell/windows/qtext.h"
#include "support/window_test_support.h"

namespace lumatik {
namespace {

using namespace testing;

class DiscussionStory : public testing::PlotterOpened {
 protected:
  static void OpenDiscussion() {
    functionInputWindow->RechneNullstellenaus1->trigger();
    ASSERT_TRUE(BecomesActive(discussionWindow));
    Settle();
  }
  static void Click(QPushButton* button) {
    testing::ActivateOnClick(button->window());
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
  }
  // The interval typed into the three edits, each confirmed with Enter,
  // which brings the next edit with its text selected; the Enter of the
  // step starts the run.
  static void TypeInterval(const char* from, const char* to, const char* step) {
    TypeInto(discussionWindow->Evon, from);
    PressEnter();
    ASSERT_EQ(Focused(), discussionWindow->Ebis);
    testing::TypeText(Focused(), QString::fromLatin1(to));
    PressEnter();
    ASSERT_EQ(Focused(), discussionWindow->Estep);
    testing::TypeText(Focused(), QString::fromLatin1(step));
    Settle();
  }
  // Clicks the button and, while the work it starts goes on, runs the
  // actions one after the other from the window's event loop.
  static void ClickAndMeanwhile(QPushButton* button, std::vector<std::function<void()>> actions) {
    auto next = std::make_shared<std::function<void(std::size_t)>>();
    *next = [actions, next](std::size_t i) {
      if (i == actions.size()) {
        *next = nullptr;
        return;
      }
      QTimer::singleShot(20, [actions, next, i] {
        actions[i]();
        if (*next) (*next)(i + 1);
      });
    };
    (*next)(0);
    Click(button);
  }
  std::vector<std::string> MemoText() const { return MemoLines(discussionWindow->Memo1); }
};

// Enter on the step discusses the plotter's term without the interval behind it.
TEST_F(DiscussionStory, EnterWalksThroughTheEditsAndTheLastOneStartsTheRun) {
  DrawTyped("x^2-2 [0;5]");
  OpenDiscussion();
  TypeInterval("-10", "10", "1/10");
  PressEnter();
  const std::vector<std::string> memo = MemoText();
  ASSERT_EQ(memo.size(), 9u);
  EXPECT_EQ(memo[0], "f(x)=x^2-2");
  EXPECT_EQ(memo[1], "Intervall [-10;10]");
  EXPECT_EQ(memo[6], "T(0|-2)");
  EXPECT_EQ(discussionWindow->BRechne->text(), QStringLiteral("Rechne"));
  EXPECT_TRUE(discussionWindow->BPunkte->isEnabled());
}

// The memo follows to the lines "Wertetafel" and "Integral" add, from the first on.
TEST_F(DiscussionStory, TheMemoFollowsToTheNewLines) {
  OpenDiscussion();
  TypeInterval("-10", "10", "1/10");
  Click(discussionWindow->Button2);
  const int table = static_cast<int>(MemoText().size());
  Click(discussionWindow->Button2);
  EXPECT_EQ(discussionWindow->Memo1->verticalScrollBar()->value(), table);  // the second table at the top
  Click(discussionWindow->Bintegral);  // three lines of bounds at the end
  EXPECT_EQ(discussionWindow->Memo1->textCursor().blockNumber(), static_cast<int>(MemoText().size()) - 3);
  EXPECT_GT(discussionWindow->Memo1->verticalScrollBar()->value(), table);
}

// A term the engine cannot read is named with the engine's message, and the
// window lies wholly on the screen.
TEST_F(DiscussionStory, AnUnreadableTermIsNamedWithTheEnginesMessage) {
  DrawTyped("sin(x");
  OpenDiscussion();
  TypeInterval("-1", "1", "1/2");
  PressEnter();
  const std::vector<std::string> memo = MemoText();
  ASSERT_GE(memo.size(), 3u);
  EXPECT_EQ(memo[0], "f(x)=sin(x");
  EXPECT_EQ(memo[2], "(x|-1 Klammern zu viel!");
  EXPECT_TRUE(discussionWindow->screen()->availableGeometry().contains(discussionWindow->frameGeometry()));
}

// "?" shows the help; "Stop" ends a long scan, and the help stays.
TEST_F(DiscussionStory, StopEndsALongRunAtOnceAndKeepsTheOldText) {
  OpenDiscussion();
  Click(discussionWindow->Button1);
  std::vector<std::string> help;
  for (const char* line : discusstexts::kHelpLines) help.push_back(Cp1252(line));
  EXPECT_EQ(MemoText(), help);
  TypeInterval("-10", "10", "1/1000000");
  QString captionDuringRun, typedDuringRun;
  ClickAndMeanwhile(discussionWindow->BRechne,
                    {[&] {
                       captionDuringRun = discussionWindow->BRechne->text();
                       // The window goes on taking keys while the scan runs.
                       TypeInto(discussionWindow->Ebis, "7");
                     },
                     [&] {
                       typedDuringRun = discussionWindow->Ebis->text();
                       Click(discussionWindow->BRechne);
                     }});
  EXPECT_EQ(captionDuringRun, QStringLiteral("Stop"));
  EXPECT_EQ(typedDuringRun, QStringLiteral("7"));
  EXPECT_EQ(messages, std::vector<std::string>{"Abbruch"});
  EXPECT_EQ(MemoText(), help);
  EXPECT_EQ(discussionWindow->BRechne->text(), QStringLiteral("Rechne"));
}

}  // namespace
}  // namespace lumatik
