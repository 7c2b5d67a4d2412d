// The curve discussion window driven as a user drives it: opened from the
// plotter's menu "Diskussion", the interval typed into its edits, its
// buttons clicked, "Stop" clicked while a run goes on.

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QScreen>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "discuss/discuss_texts.h"
#include "discuss/discussion_examples.h"
#include "discuss/windows/unit4sb.h"
#include "plot/plotter_window_fixture.h"
#include "plot/windows/unit1sb.h"
#include "plot/windows/unit2sb.h"
#include "shell/codepage.h"
#include "shell/windows/qtext.h"
#include "support/window_test_support.h"

namespace lumatik {
namespace {

using namespace testing;

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

std::vector<std::string> DocsLines(const char* name) {
  QFile file(QStringLiteral(LUMATIK_DISCUSSION_DOCS "/") + QLatin1String(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  std::vector<std::string> lines;
  for (const QByteArray& line : file.readAll().split('\n'))
    if (!line.isEmpty()) lines.push_back(line.toStdString());
  return lines;
}

class DiscussionWindow : public testing::PlotterOpened {
 protected:
  static void OpenDiscussion() {
    Form1sb->RechneNullstellenaus1->trigger();
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

TEST_F(DiscussionWindow, OpeningFromTheMenuShowsTheWindowInFrontOfTheGraph) {
  OpenDiscussion();
  EXPECT_TRUE(Plotter().DiscussionActive);
  EXPECT_FALSE(Form1sb->isVisible());
  EXPECT_TRUE(Form2sb->isVisible());
  EXPECT_EQ(Form4sb->windowTitle(), QStringLiteral("Berechnung von Nullstellen"));
  const std::pair<QWidget*, const char*> texts[] = {
      {Form4sb->Label2, "Intervall für die Nullstellen "}, {Form4sb->Label1, "Abstand der Nullstellen"},
      {Form4sb->Label3, "größer"}, {Form4sb->Evon, "-10"}, {Form4sb->Ebis, "10"}, {Form4sb->Estep, "1/10"},
      {Form4sb->BRechne, "Diskussion"}};
  for (const auto& [widget, text] : texts) EXPECT_EQ(widget->property("text").toString(), Ui(text));
  EXPECT_TRUE(Form4sb->Memo1->toPlainText().isEmpty());
  EXPECT_FALSE(Form4sb->BPunkte->isEnabled());
  // Every caption can be read whole.
  for (QLabel* label : {Form4sb->Label1, Form4sb->Label2, Form4sb->Label3})
    EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
  for (QPushButton* button : Form4sb->findChildren<QPushButton*>())
    EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text())) << button->text().toStdString();
}

// A step of 0 is refused; Enter on a good one discusses the plotter's term
// without the interval behind it.
TEST_F(DiscussionWindow, EnterWalksThroughTheEditsAndTheLastOneStartsTheRun) {
  DrawTyped("x^2-2 [0;5]");
  OpenDiscussion();
  TypeInterval("-10", "10", "0");
  PressEnter();
  EXPECT_EQ(messages, std::vector<std::string>{Cp1252(discusstexts::kStepNotPositive)});
  EXPECT_EQ(Form4sb->BRechne->text(), QStringLiteral("Diskussion"));
  EXPECT_TRUE(Form4sb->Memo1->toPlainText().isEmpty());
  TypeInto(Form4sb->Estep, "1/10");
  PressEnter();
  const std::vector<std::string> memo = MemoText();
  ASSERT_EQ(memo.size(), 9u);
  EXPECT_EQ(memo[0], "f(x)=x^2-2");
  EXPECT_EQ(memo[1], "Intervall [-10;10]");
  EXPECT_TRUE(StartsWith(memo[3], "N1(-1,414213562373")) << memo[3];
  EXPECT_TRUE(StartsWith(memo[4], "N2(1,414213562373")) << memo[4];
  EXPECT_EQ(memo[6], "T(0|-2)");
  EXPECT_EQ(Form4sb->BRechne->text(), QStringLiteral("Rechne"));
  EXPECT_TRUE(Form4sb->BPunkte->isEnabled());
}

// "?" shows the help; "Stop" ends a long scan and a long value table, and
// the help stays.
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

  TypeInterval("0", "10^9", "1");
  ClickAndMeanwhile(Form4sb->Button2, {[] { Click(Form4sb->BRechne); }});
  EXPECT_EQ(messages, (std::vector<std::string>{"Abbruch", "Abbruch"}));
  EXPECT_EQ(MemoText(), help);
  EXPECT_EQ(Form4sb->BRechne->text(), QStringLiteral("Rechne"));
}

TEST_F(DiscussionWindow, ClosingTheWindowOrTheProgramOrChoosingAnExampleEndsARunWithoutAWord) {
  OpenDiscussion();
  TypeInterval("-10", "10", "1/1000000");
  // Closing the start window ends the program, and the run with it.
  const std::function<void()> ends[] = {[] { Form4sb->close(); }, [] { FormStart->close(); }};
  for (const std::function<void()>& end : ends) {
    ClickAndMeanwhile(Form4sb->BRechne, {end});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Form4sb->BRechne->text(), QStringLiteral("Rechne"));
    EXPECT_TRUE(Form4sb->Memo1->toPlainText().isEmpty());
    OpenDiscussion();
  }
  ClickAndMeanwhile(Form4sb->BRechne, {[] { Form1sb->Beispielx221->trigger(); }});
  EXPECT_EQ(messages, std::vector<std::string>{ExampleMessage(*FindDiscussionExample("Beispiel y=(x-2)^2"))});
  EXPECT_EQ(MemoText(), DocsLines("8-quadrat-ohne-vorzeichenwechsel.txt"));
  EXPECT_EQ(Form4sb->BRechne->text(), QStringLiteral("Rechne"));
}

TEST_F(DiscussionWindow, PlusAndShiftMoveThePlotterAndTheInterval) {
  OpenDiscussion();
  Click(Form4sb->Bplus);
  EXPECT_EQ(Form1sb->ELEx->text(), QStringLiteral("2"));
  EXPECT_EQ(Form4sb->Estep->text(), QStringLiteral("0,05"));
  Click(Form4sb->Brechts);
  EXPECT_EQ(Form1sb->Ex000->text(), QStringLiteral("-2"));
  EXPECT_EQ(Form4sb->Evon->text(), QStringLiteral("-6"));
  // The graph shows the new picture: 1/3*x^3-3*x at x = -1 lies 2 cm right
  // of the middle now.
  EXPECT_TRUE(PictureShows(kScreenWhite, -1, 8.0L / 3));
  EXPECT_FALSE(Form1sb->isVisible());
  EXPECT_TRUE(BecomesActive(Form4sb));
  Click(Form4sb->Bminus);
  Click(Form4sb->Blinks);
  EXPECT_EQ(Form1sb->ELEx->text(), QStringLiteral("1"));
  EXPECT_EQ(Form1sb->Ex000->text(), QStringLiteral("2"));
  EXPECT_EQ(Form4sb->Ebis->text(), QStringLiteral("10"));
}

TEST_F(DiscussionWindow, ValueTableIsAppendedBelowTheDiscussion) {
  DrawTyped("x^2");
  OpenDiscussion();
  TypeInterval("0", "1", "1/2");
  PressEnter();
  const std::size_t discussionLines = MemoText().size();
  Click(Form4sb->Button2);
  const std::vector<std::string> memo = MemoText();
  ASSERT_EQ(memo.size(), discussionLines + 4);
  EXPECT_EQ(memo[discussionLines], " x       f(x)           f'(x)");
  EXPECT_EQ(memo.back(), "1       1                2");
}

TEST_F(DiscussionWindow, IntegralAsksForItsBoundsInTheMemoThenComputes) {
  DrawTyped("x^2");
  OpenDiscussion();
  Click(Form4sb->Bintegral);
  EXPECT_EQ(MemoText(), (std::vector<std::string>{"Integralgrenze x1 = -5", "Integralgrenze x2 =  5",
                                                  "Simpsonschritte pro Einheit n = 100"}));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(Form4sb->y(), Form4sb->screen()->availableGeometry().top());
  // The user writes 0 for x1 in the memo and clicks "Integral" again.
  ClickInto(Form4sb->Memo1);
  QTest::keyClick(Focused(), Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClick(Focused(), Qt::Key_End);
  QTest::keyClick(Focused(), Qt::Key_Backspace);
  QTest::keyClick(Focused(), Qt::Key_Backspace);
  testing::TypeText(Focused(), QStringLiteral("0"));
  Click(Form4sb->Bintegral);
  const std::vector<std::string> memo = MemoText();
  ASSERT_EQ(memo.size(), 5u);
  EXPECT_EQ(memo[3], Cp1252("Integral(0;5)x^2 = 41,666 666 666 666 666 661=125/3"));
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(DiscussionWindow, FoundPointsAreDrawnAsCirclesOnTheGraph) {
  Form1sb->Beispiel1->trigger();
  Settle();
  Click(Form4sb->BPunkte);
  const std::vector<std::string> list = Form1sb->PlotList();
  EXPECT_NE(std::find(list.begin(), list.end(), "Kreis 0,926867815029 0 1/20 rot"), list.end());
  EXPECT_TRUE(Form1sb->CBAlle->isChecked());
  EXPECT_TRUE(PictureShows(kScreenRed, 0.926867815029L, 0));
  // The caption "f(x)=..." at (-2|5) keeps the screen's black behind it.
  EXPECT_TRUE(PictureShows(0xFF000000, -2, 5));
  EXPECT_TRUE(BecomesActive(Form4sb));
  // Taken twice, the points are in the list once.
  Click(Form4sb->BPunkte);
  EXPECT_EQ(Form1sb->PlotList(), list);
  // A new function in the plotter empties the memo: its points are gone.
  QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  ASSERT_TRUE(BecomesActive(Form1sb));
  DrawTyped("x^2");
  EXPECT_TRUE(Form4sb->Memo1->toPlainText().isEmpty());
  EXPECT_FALSE(Form4sb->BPunkte->isEnabled());
}

// The nine examples of the menu "Diskussion" show the texts written to the
// docs by the command line.
struct ExampleCase {
  const char* item;
  const char* docsFile;
};

class DiscussionExamples : public DiscussionWindow, public ::testing::WithParamInterface<ExampleCase> {};

TEST_P(DiscussionExamples, TheMenuItemShowsTheDocumentedText) {
  QAction* item = Form1sb->Nullstellenbestimmung1->findChild<QAction*>(QLatin1String(GetParam().item));
  ASSERT_NE(item, nullptr);
  const DiscussionExample* example = FindDiscussionExample(item->text().toStdString());
  ASSERT_NE(example, nullptr);
  item->trigger();
  Settle();
  const std::vector<std::string> expected = DocsLines(GetParam().docsFile);
  ASSERT_FALSE(expected.empty()) << GetParam().docsFile;
  EXPECT_EQ(MemoText(), expected);
  EXPECT_EQ(Form1sb->FunctionText(), example->function);
  EXPECT_EQ(Form1sb->PlotList(), std::vector<std::string>({example->function, ExampleListLine(*example)}));
  EXPECT_EQ(Form4sb->Estep->text(), QLatin1String(example->step));
  std::vector<std::string> expectedMessages;
  if (example->integral)
    expectedMessages.push_back(IntegralExampleMessage());
  else if (!ExampleMessage(*example).empty())
    expectedMessages.push_back(ExampleMessage(*example));
  EXPECT_EQ(messages, expectedMessages);
  EXPECT_TRUE(BecomesActive(Form4sb));
}

INSTANTIATE_TEST_SUITE_P(
    Menu, DiscussionExamples,
    ::testing::Values(ExampleCase{"Beispiel1", "1-ganzrationale-funktion.txt"},
                      ExampleCase{"Gegenbeispiel1", "2-gebrochen-rational-polstellen.txt"},
                      ExampleCase{"BeispieltrogonometrischeFunktion1", "3-trigonometrische-funktion.txt"},
                      ExampleCase{"BeispieleFunktion1", "4-e-funktion.txt"},
                      ExampleCase{"BeispielLog1", "5-ln-funktion.txt"},
                      ExampleCase{"BeispielfalscheEingabe1", "6-falsche-eingabe.txt"},
                      ExampleCase{"BeispielunstetigeFunktion1", "7-unstetige-funktion.txt"},
                      ExampleCase{"Beispielx221", "8-quadrat-ohne-vorzeichenwechsel.txt"},
                      ExampleCase{"BeispielIntegral1", "9-integral.txt"}));

}  // namespace
}  // namespace lumatik
