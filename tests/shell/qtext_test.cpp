// Texts across the window boundary, and the program's twelve windows.

#include <QPlainTextEdit>

#include "app/forms.h"
#include "calc/windows/rechne.h"
#include "discuss/windows/unit4sb.h"
#include "plot/windows/unit1sb.h"
#include "plot/windows/unit2sb.h"
#include "plot/windows/unit3sb.h"
#include "screenshot/windows/unit_ba1.h"
#include "screenshot/windows/unit_ba2.h"
#include "screenshot/windows/unit_ba3.h"
#include "screenshot/windows/unit_ba4.h"
#include "shell/windows/luinput.h"
#include "shell/windows/qtext.h"
#include "shell/windows/unitstart.h"
#include "support/window_test_support.h"
#include "worksheet/windows/unitlsg.h"

namespace lumatik::testing {
namespace {

TEST(QtTextTest, Windows1252BytesBecomeTheirCharacters) {
  // 0x80 is the euro sign and 0x97 the long dash, not Latin-1 controls.
  EXPECT_EQ(QtText("\x80 \x97 \xB0 \xB7 \xE4"), QString::fromUtf8("€ — ° · ä"));
  EXPECT_EQ(CoreText(QString::fromUtf8("€ — ° · ä")), "\x80 \x97 \xB0 \xB7 \xE4");
  EXPECT_EQ(CoreText(QString::fromUtf8("ℵ")), "?");
}

TEST(QtTextTest, LineBreaksBecomeLineFeeds) {
  EXPECT_EQ(QtText("a\r\nb\rc\nd"), "a\nb\nc\nd");
  EXPECT_EQ(Ui("Zeile 1\r\nZeile 2\rZeile 3"), "Zeile 1\nZeile 2\nZeile 3");
}

TEST(MemoLinesTest, CountsLinesAsAListBoxWould) {
  QPlainTextEdit memo;
  EXPECT_TRUE(MemoLines(&memo).empty());
  memo.setPlainText("a\nb\n");
  EXPECT_EQ(MemoLines(&memo), (std::vector<std::string>{"a", "b"}));
  memo.setPlainText("a\n\nb");
  EXPECT_EQ(MemoLines(&memo), (std::vector<std::string>{"a", "", "b"}));
  AddMemoLine(&memo, "c");
  EXPECT_EQ(memo.toPlainText(), "a\n\nb\nc");
  memo.setPlainText("a\n");
  AddMemoLine(&memo, "\xE4");
  EXPECT_EQ(memo.toPlainText(), QString::fromUtf8("a\nä"));
  memo.clear();
  AddMemoLine(&memo, "erste");
  EXPECT_EQ(memo.toPlainText(), "erste");
  SetMemoLines(&memo, {"x=1", "x0=0"});
  EXPECT_EQ(memo.toPlainText(), "x=1\nx0=0");
}

TEST(MemoLinesTest, TheCaretLine) {
  QPlainTextEdit memo;
  EXPECT_EQ(MemoCaretText(&memo), "");
  memo.setPlainText("eins\nzwei\ndrei\n");
  memo.moveCursor(QTextCursor::Start);
  EXPECT_EQ(MemoCaretText(&memo), "eins");
  memo.moveCursor(QTextCursor::Down);
  EXPECT_EQ(MemoCaretText(&memo), "zwei");
  memo.moveCursor(QTextCursor::End);
  EXPECT_EQ(MemoCaretText(&memo), "");
}

class ProgramStartTest : public FormsTest {};

TEST_F(ProgramStartTest, CreatesAllTwelveWindowsHidden) {
  const QList<QWidget*> windows = {FormStart, Form3sb, Form4sb,  Form1sb,  FormLSG,  Formluinput,
                                   FRechne,   Form_ba1, Form_ba2, Form_ba3, Form_ba4, Form2sb};
  for (QWidget* window : windows) {
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    EXPECT_TRUE(window->isWindow());
  }
  EXPECT_EQ(FormStart->windowTitle(), "Start");
  EXPECT_EQ(FRechne->windowTitle(), "Rechnen");
  EXPECT_EQ(Formluinput->windowTitle(), "Eingabe");
  EXPECT_EQ(Formluinput->parentWidget(), FormStart);
  EXPECT_EQ(StartMode, 0);
}

TEST_F(ProgramStartTest, DestroyingLeavesNoWindowBehind) {
  DestroyForms();
  EXPECT_EQ(FormStart, nullptr);
  EXPECT_EQ(FRechne, nullptr);
  EXPECT_EQ(Formluinput, nullptr);
  EXPECT_EQ(Form2sb, nullptr);
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
  CreateForms();
}

}  // namespace
}  // namespace lumatik::testing
