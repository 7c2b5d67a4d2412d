// The hint and input dialog: its heights, keys and the values it hands back;
// the prime table's cancel dialog: up while the table grows, only a confirmed cancel stops.

#include <QLabel>
#include <QScreen>
#include <QTextBlock>

#include "calc/windows/calculator_window.h"
#include "exact/primes.h"
#include "shell/windows/cancel_dialog.h"
#include "shell/windows/hint_input_dialog.h"
#include "support/window_test_support.h"

namespace lumatik::testing {
namespace {

class DialogTest : public FormsTest {};

// The hint window is 167 pixels high for one line, 20 more for each line break,
// the screen for over 720 characters, its button row for none; it is centred.
TEST_F(DialogTest, HintHeightFollowsTheLines) {
  const int screen = QApplication::primaryScreen()->geometry().height();
  const struct {
    std::string text;
    int height;
  } cases[] = {{"eine Zeile", 167}, {"", 93}, {"1\r2\r3\r4\r5\r6\r7\r8\r9\r10\r11", 367}, {"1\r\n2\r\n3", 207},
               {std::string(720, 'a'), 167}, {std::string(721, 'a'), screen}};
  for (const auto& c : cases) {
    int height = 0, top = 0;
    AnswerNextDialog([&](QWidget* dialog) {
      height = dialog->height();
      top = dialog->frameGeometry().top();
      QTest::mouseClick(static_cast<HintInputDialog*>(dialog)->BOk, Qt::LeftButton);
    });
    EXPECT_TRUE(ShowHint(c.text));
    EXPECT_EQ(height, c.height) << c.text.size();
    EXPECT_EQ(top, (screen - height) / 2) << c.text.size();
  }
}

TEST_F(DialogTest, EnterOnAHintIsItsOkAndCancelSaysNo) {
  AnswerNextDialog([](QWidget* dialog) {
    QWidget* focus = dialog->focusWidget();
    QTest::keyClick(focus ? focus : dialog, Qt::Key_Return);
  });
  EXPECT_TRUE(ShowHintAsk("Weitermachen?"));
  QString text;
  AnswerNextHint(text, false);
  EXPECT_FALSE(ShowHintAsk("Weitermachen?"));
  EXPECT_EQ(text, "Weitermachen?");
}

TEST_F(DialogTest, EnterMovesOnThenConfirmsAndEscapeKeepsTheValues) {
  QString caption;
  AnswerNextInput({"5", "50"}, &caption);
  std::string from = "1", to = "2";
  EXPECT_TRUE(InputPair("", "ab", "bis", "", from, to));
  EXPECT_EQ(caption, "Eingabe");  // an empty caption
  EXPECT_EQ(from + " " + to, "5 50");
  AnswerNextInput({});
  EXPECT_FALSE(InputOne("Titel", "Wert", "", from));
  EXPECT_EQ(from, "5");
}

TEST_F(DialogTest, AClickOnAMemoLinePicksIt) {
  AnswerNextDialog([](QWidget* modal) {
    auto* dialog = qobject_cast<HintInputDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    const QTextCursor third(dialog->Memo1->document()->findBlockByNumber(2));
    QTest::mouseClick(dialog->Memo1->viewport(), Qt::LeftButton, {}, dialog->Memo1->cursorRect(third).center());
    EXPECT_EQ(dialog->Edit1->text(), QString::fromUtf8("x^2-5x+6 Gleichung"));
    QTest::mouseClick(dialog->BOk, Qt::LeftButton);
  });
  std::string value;
  EXPECT_TRUE(InputOne("", "Vorschlag", "Eins\r\nZwei\r\nx^2-5x+6 Gleichung\r\nVier", value));
  EXPECT_EQ(value, "x^2-5x+6 Gleichung");
}

class CancelDialogTest : public FormsTest {};

// While the table grows, pending events run now and then: the timer below
// fires inside the computation, looks at the windows and cancels.
TEST_F(CancelDialogTest, GrowingTheTableShowsTheDialogAndCanBeCancelled) {
  calculatorWindow->show();
  bool calculatorDisabled = false;
  bool cancelledOnNo = true;
  QString caption, progress, question;
  QTimer::singleShot(0, [&] {
    CancelDialog* dialog = PrimeProgress().AbortForm();
    ASSERT_NE(dialog, nullptr);
    calculatorDisabled = !calculatorWindow->isEnabled();
    caption = dialog->windowTitle();
    progress = dialog->labbrechen->text();
    AnswerNextMessageBox(QMessageBox::No, &question);
    QTest::mouseClick(dialog->babbrechen, Qt::LeftButton);
    cancelledOnNo = dialog->Abgebrochen;
    AnswerNextMessageBox(QMessageBox::Yes);
    QTest::mouseClick(dialog->babbrechen, Qt::LeftButton);
  });
  const std::int64_t wanted = PrimeCount() + 20000;
  EXPECT_EQ(NthPrime(static_cast<Extended>(wanted)), 0);
  EXPECT_LT(PrimeCount() + 1, wanted);
  EXPECT_TRUE(calculatorDisabled);
  EXPECT_EQ(question, "Wollen Sie wirklich abbrechen?");
  EXPECT_FALSE(cancelledOnNo);  // only a confirmed cancel stops
  EXPECT_EQ(caption, "Primzahlahlen werden berechnet");
  bool isCount = false;
  EXPECT_EQ(progress.toInt(&isCount) % 1000, 0);
  EXPECT_TRUE(isCount);
  EXPECT_EQ(PrimeProgress().AbortForm(), nullptr);
  EXPECT_TRUE(calculatorWindow->isEnabled() && calculatorWindow->isVisible());
  // A later request goes on from where the table stopped.
  EXPECT_GT(NthPrime(static_cast<Extended>(wanted)), 0);
}

}  // namespace
}  // namespace lumatik::testing
