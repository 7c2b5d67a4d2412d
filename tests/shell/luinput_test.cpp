// The hint and input dialog: its layout rules, its keys, and the values it
// hands back.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "shell/windows/luinput.h"
#include "support/window_test_support.h"

namespace lumatik::testing {
namespace {

struct Seen {
  QString caption;
  int height = 0;
  bool memoVisible = false;
  bool cancelVisible = false;
  bool edit1Visible = false;
  bool edit2Visible = false;
  QString memo;
  QRect frame;
};

// Looks at the dialog that the next call puts up, then answers it.
void SeeAndAnswer(Seen& seen, std::function<void(TFormluinput*)> answer) {
  AnswerNextDialog([&seen, answer](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    seen.caption = dialog->windowTitle();
    seen.height = dialog->height();
    seen.memoVisible = dialog->Memo1->isVisible();
    seen.cancelVisible = dialog->BAbbrechen->isVisible();
    seen.edit1Visible = dialog->Edit1->isVisible();
    seen.edit2Visible = dialog->Edit2->isVisible();
    seen.memo = dialog->Memo1->toPlainText();
    seen.frame = dialog->frameGeometry();
    answer(dialog);
  });
}

void PressOk(TFormluinput* dialog) { dialog->BOk->click(); }

int ScreenHeight() { return QApplication::primaryScreen()->geometry().height(); }

class DialogTest : public FormsTest {};

TEST_F(DialogTest, ShowHintShowsTheTextWithOnlyOk) {
  Seen seen;
  SeeAndAnswer(seen, PressOk);
  EXPECT_TRUE(ShowHint("Erste Zeile\rZweite Zeile"));
  EXPECT_EQ(seen.caption, "Hinweis");
  EXPECT_TRUE(seen.memoVisible);
  EXPECT_FALSE(seen.cancelVisible);
  EXPECT_FALSE(seen.edit1Visible);
  EXPECT_FALSE(seen.edit2Visible);
  EXPECT_EQ(seen.memo, "Erste Zeile\nZweite Zeile");
}

TEST_F(DialogTest, ShowHintIsCentredOnTheScreen) {
  Seen seen;
  SeeAndAnswer(seen, PressOk);
  ShowHint("Mitte");
  const QRect screen = QApplication::primaryScreen()->geometry();
  EXPECT_EQ(seen.frame.top(), (screen.height() - seen.height) / 2);
  EXPECT_EQ(seen.frame.left(), (screen.width() - 795) / 2);
}

// The hint window: memo 20 below the buttons (top 53), window 50 below the
// memo's 64 pixels (167), memo 40 above the window's bottom (74 high).
TEST_F(DialogTest, EmptyHintShrinksToTheButtonRow) {
  Seen seen;
  SeeAndAnswer(seen, PressOk);
  ShowHint("");
  EXPECT_FALSE(seen.memoVisible);
  EXPECT_EQ(seen.height, 167 - 74);
}

TEST_F(DialogTest, EachLineBreakMakesTheHintTwentyPixelsTaller) {
  Seen none;
  SeeAndAnswer(none, PressOk);
  ShowHint("eine Zeile");
  Seen ten;
  SeeAndAnswer(ten, PressOk);
  ShowHint("1\r2\r3\r4\r5\r6\r7\r8\r9\r10\r11");
  EXPECT_EQ(none.height, 167);
  EXPECT_EQ(ten.height - none.height, 200);
  Seen crlf;
  SeeAndAnswer(crlf, PressOk);
  ShowHint("1\r\n2\r\n3");
  EXPECT_EQ(crlf.height - none.height, 40);
}

TEST_F(DialogTest, ALongHintFillsTheScreenHeight) {
  Seen seen;
  SeeAndAnswer(seen, PressOk);
  ShowHint(std::string(721, 'a'));
  EXPECT_EQ(seen.height, ScreenHeight());
  Seen exactly;
  SeeAndAnswer(exactly, PressOk);
  ShowHint(std::string(720, 'a'));
  EXPECT_EQ(exactly.height, 167);
}

TEST_F(DialogTest, ShowHintAskOffersCancel) {
  Seen seen;
  SeeAndAnswer(seen, [](TFormluinput* dialog) { dialog->BAbbrechen->click(); });
  EXPECT_FALSE(ShowHintAsk("Weitermachen?"));
  EXPECT_TRUE(seen.cancelVisible);
  Seen ok;
  SeeAndAnswer(ok, PressOk);
  EXPECT_TRUE(ShowHintAsk("Weitermachen?"));
}

TEST_F(DialogTest, InputOneWithoutCaptionSaysEingabe) {
  Seen seen;
  SeeAndAnswer(seen, [](TFormluinput* dialog) {
    EXPECT_EQ(dialog->Label1->text(), "Wert");
    EXPECT_EQ(dialog->Edit1->text(), "7");
    dialog->Edit1->setText("8");
    dialog->BOk->click();
  });
  std::string value = "7";
  EXPECT_TRUE(InputOne("", "Wert", "", value));
  EXPECT_EQ(seen.caption, "Eingabe");
  EXPECT_EQ(value, "8");
  EXPECT_TRUE(seen.edit1Visible);
  EXPECT_FALSE(seen.edit2Visible);
  EXPECT_FALSE(seen.memoVisible);
}

TEST_F(DialogTest, InputIsThreeQuartersOfTheScreenHigh) {
  Seen seen;
  SeeAndAnswer(seen, PressOk);
  std::string value = "1";
  InputOne("Titel", "Wert", "Vorschlag", value);
  EXPECT_EQ(seen.caption, "Titel");
  EXPECT_EQ(seen.height, ScreenHeight() * 3 / 4);
  EXPECT_TRUE(seen.memoVisible);
}

TEST_F(DialogTest, EscapeCancelsAndKeepsTheValue) {
  AnswerNextDialog([](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->Edit1->setText("anders");
    QTest::keyClick(dialog->Edit1, Qt::Key_Escape);
  });
  std::string value = "alt";
  EXPECT_FALSE(InputOne("", "Wert", "", value));
  EXPECT_EQ(value, "alt");
}

TEST_F(DialogTest, EnterInTheOnlyEditConfirms) {
  AnswerNextDialog([](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->Edit1->setText("3,5");
    QTest::keyClick(dialog->Edit1, Qt::Key_Return);
  });
  std::string value;
  EXPECT_TRUE(InputOne("", "Wert", "", value));
  EXPECT_EQ(value, "3,5");
}

TEST_F(DialogTest, InputPairEnterMovesOnThenConfirms) {
  bool movedToSecond = false;
  AnswerNextDialog([&movedToSecond](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->Edit2->isVisible());
    EXPECT_EQ(dialog->Label2->text(), "bis");
    dialog->activateWindow();
    dialog->Edit1->setFocus();
    dialog->Edit1->setText("5");
    QTest::keyClick(dialog->Edit1, Qt::Key_Return);
    movedToSecond = dialog->focusWidget() == dialog->Edit2;
    dialog->Edit2->setText("50");
    QTest::keyClick(dialog->Edit2, Qt::Key_Enter);
  });
  std::string from = "1";
  std::string to = "2";
  EXPECT_TRUE(InputPair("Bereich", "ab", "bis", "", from, to));
  EXPECT_TRUE(movedToSecond);
  EXPECT_EQ(from, "5");
  EXPECT_EQ(to, "50");
}

TEST_F(DialogTest, AClickOnAMemoLinePicksIt) {
  AnswerNextDialog([](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    QTextCursor third(dialog->Memo1->document()->findBlockByNumber(2));
    const QPoint inThirdLine = dialog->Memo1->cursorRect(third).center();
    QTest::mouseClick(dialog->Memo1->viewport(), Qt::LeftButton, {}, inThirdLine);
    EXPECT_EQ(dialog->Edit1->text(), QString::fromUtf8("x^2-5x+6 Gleichung"));
    dialog->BOk->click();
  });
  std::string value;
  EXPECT_TRUE(InputOne("", "Vorschlag", "Eins\r\nZwei\r\nx^2-5x+6 Gleichung\r\nVier", value));
  EXPECT_EQ(value, "x^2-5x+6 Gleichung");
}

}  // namespace
}  // namespace lumatik::testing
