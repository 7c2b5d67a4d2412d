// The cancel dialog of the prime table: it is up while the table grows, the
// calculator is disabled meanwhile, and only a confirmed cancel stops.

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "calc/windows/rechne.h"
#include "exact/primes.h"
#include "shell/windows/luabbrechen.h"
#include "support/window_test_support.h"

namespace lumatik::testing {
namespace {

class CancelDialogTest : public FormsTest {};

TEST_F(CancelDialogTest, StartsUncancelledWithItsTexts) {
  TFormabbrechen dialog;
  EXPECT_FALSE(dialog.Abgebrochen);
  EXPECT_EQ(dialog.labbrechen->text(), "Bitte etwas Geduld!");
  EXPECT_EQ(dialog.babbrechen->text(), "Abbrechen");
  EXPECT_EQ(dialog.size(), QSize(250, 100));
  EXPECT_EQ(dialog.labbrechen->pos(), QPoint(10, 0));
  EXPECT_EQ(dialog.babbrechen->y(), dialog.labbrechen->height() + 5);
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(CancelDialogTest, NoKeepsComputing) {
  TFormabbrechen dialog;
  QString question;
  AnswerNextMessageBox(QMessageBox::No, &question);
  dialog.babbrechen->click();
  EXPECT_EQ(question, "Wollen Sie wirklich abbrechen?");
  EXPECT_FALSE(dialog.Abgebrochen);
}

TEST_F(CancelDialogTest, YesCancels) {
  TFormabbrechen dialog;
  AnswerNextMessageBox(QMessageBox::Yes);
  dialog.babbrechen->click();
  EXPECT_TRUE(dialog.Abgebrochen);
}

// While the table grows, pending events run now and then: the timer below
// fires inside the computation, looks at the windows and cancels.
TEST_F(CancelDialogTest, GrowingTheTableShowsTheDialogAndCanBeCancelled) {
  FRechne->show();
  bool calculatorDisabled = false;
  QString caption;
  QString progress;
  QTimer::singleShot(0, [&] {
    TFormabbrechen* dialog = PrimeProgress().AbortForm();
    ASSERT_NE(dialog, nullptr);
    calculatorDisabled = !FRechne->isEnabled();
    caption = dialog->windowTitle();
    progress = dialog->labbrechen->text();
    AnswerNextMessageBox(QMessageBox::Yes);
    dialog->babbrechen->click();
  });
  const std::int64_t wanted = PrimeCount() + 20000;
  EXPECT_EQ(NthPrime(static_cast<Extended>(wanted)), 0);
  EXPECT_LT(PrimeCount() + 1, wanted);
  EXPECT_TRUE(calculatorDisabled);
  EXPECT_EQ(caption, "Primzahlahlen werden berechnet");
  bool isCount = false;
  EXPECT_EQ(progress.toInt(&isCount) % 1000, 0);
  EXPECT_TRUE(isCount);
  EXPECT_EQ(PrimeProgress().AbortForm(), nullptr);
  EXPECT_TRUE(FRechne->isEnabled());
  EXPECT_TRUE(FRechne->isVisible());
  // A later request goes on from where the table stopped.
  EXPECT_GT(NthPrime(static_cast<Extended>(wanted)), 0);
}

TEST_F(CancelDialogTest, AHiddenCalculatorStaysHidden) {
  ASSERT_FALSE(FRechne->isVisible());
  EXPECT_GT(NthPrime(static_cast<Extended>(PrimeCount() + 3000)), 0);
  EXPECT_FALSE(FRechne->isVisible());
  EXPECT_TRUE(FRechne->isEnabled());
}

}  // namespace
}  // namespace lumatik::testing
