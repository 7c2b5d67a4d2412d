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
#include "discuss/windows/unit4sb.h"
#include "plot/plotter_window_fixture.h"
#include "plot/windows/function_input_window.h"
#include "shell/codepage.h"
#include "shell/windows/qtext.h"
#include "support/window_test_support.h"

namespace lumatik {
namespace {

using namespace testing;

class DiscussionWindow : public testing::PlotterOpened {
 protected:
  static void OpenDiscussion() {
    functionInputWindow->RechneNullstellenaus1->trigger();
    ASSERT_TRUE(BecomesActive(Form4sb));
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
    TypeInto(Form4sb->Evon, from);
    PressEnter();
    ASSERT_EQ(Focused(), Form4sb->Ebis);
    testing::TypeText(Focused(), QString::fromLatin1(to));
    PressEnter();
    ASSERT_EQ(Focused(), Form4sb->Estep);
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
  std::vector<std::string> MemoText() const { return MemoLines(Form4sb->Memo1); }
};

// Enter on the step discusses the plotter's term without the interval behind it.
TEST_F(DiscussionWindow, EnterWalksThroughTheEditsAndTheLastOneStartsTheRun) {
  DrawTyped("x^2-2 [0;5]");
  OpenDiscussion();
  TypeInterval("-10", "10", "1/10");
  PressEnter();
  const std::vector<std::string> memo = MemoText();
  ASSERT_EQ(memo.size(), 9u);
  EXPECT_EQ(memo[0], "f(x)=x^2-2");
  EXPECT_EQ(memo[1], "Intervall [-10;10]");
  EXPECT_EQ(memo[6], "T(0|-2)");
  EXPECT_EQ(Form4sb->BRechne->text(), QStringLiteral("Rechne"));
  EXPECT_TRUE(Form4sb->BPunkte->isEnabled());
}

// The memo follows to the lines "Wertetafel" and "Integral" add, from the first on.
TEST_F(DiscussionWindow, TheMemoFollowsToTheNewLines) {
  OpenDiscussion();
  TypeInterval("-10", "10", "1/10");
  Click(Form4sb->Button2);
  const int table = static_cast<int>(MemoText().size());
  Click(Form4sb->Button2);
  EXPECT_EQ(Form4sb->Memo1->verticalScrollBar()->value(), table);  // the second table at the top
  Click(Form4sb->Bintegral);  // three lines of bounds at the end
  EXPECT_EQ(Form4sb->Memo1->textCursor().blockNumber(), static_cast<int>(MemoText().size()) - 3);
  EXPECT_GT(Form4sb->Memo1->verticalScrollBar()->value(), table);
}

// A term the engine cannot read is named with the engine's message, and the
// window lies wholly on the screen.
TEST_F(DiscussionWindow, AnUnreadableTermIsNamedWithTheEnginesMessage) {
  DrawTyped("sin(x");
  OpenDiscussion();
  TypeInterval("-1", "1", "1/2");
  PressEnter();
  const std::vector<std::string> memo = MemoText();
  ASSERT_GE(memo.size(), 3u);
  EXPECT_EQ(memo[0], "f(x)=sin(x");
  EXPECT_EQ(memo[2], "(x|-1 Klammern zu viel!");
  EXPECT_TRUE(Form4sb->screen()->availableGeometry().contains(Form4sb->frameGeometry()));
}

// "?" shows the help; "Stop" ends a long scan, and the help stays.
TEST_F(DiscussionWindow, StopEndsALongRunAtOnceAndKeepsTheOldText) {
  OpenDiscussion();
  Click(Form4sb->Button1);
  std::vector<std::string> help;
  for (const char* line : discusstexts::kHelpLines) help.push_back(Cp1252(line));
  EXPECT_EQ(MemoText(), help);
  TypeInterval("-10", "10", "1/1000000");
  QString captionDuringRun, typedDuringRun;
  ClickAndMeanwhile(Form4sb->BRechne,
                    {[&] {
                       captionDuringRun = Form4sb->BRechne->text();
                       // The window goes on taking keys while the scan runs.
                       TypeInto(Form4sb->Ebis, "7");
                     },
                     [&] {
                       typedDuringRun = Form4sb->Ebis->text();
                       Click(Form4sb->BRechne);
                     }});
  EXPECT_EQ(captionDuringRun, QStringLiteral("Stop"));
  EXPECT_EQ(typedDuringRun, QStringLiteral("7"));
  EXPECT_EQ(messages, std::vector<std::string>{"Abbruch"});
  EXPECT_EQ(MemoText(), help);
  EXPECT_EQ(Form4sb->BRechne->text(), QStringLiteral("Rechne"));
}

}  // namespace
}  // namespace lumatik
