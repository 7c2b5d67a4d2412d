// The cancel dialog of the prime table: it is up while the table grows, the
// calculator is disabled meanwhile, and only a confirmed cancel stops.

#include <QLabel>

#include "calc/windows/rechne.h"
#include "exact/primes.h"
#include "shell/windows/luabbrechen.h"
#include "support/window_test_support.h"

namespace lumatik::testing {
namespace {

class CancelDialogTest : public FormsTest {};

// While the table grows, pending events run now and then: the timer below
// fires inside the computation, looks at the windows and cancels.
TEST_F(CancelDialogTest, GrowingTheTableShowsTheDialogAndCanBeCancelled) {
  FRechne->show();
  bool calculatorDisabled = false;
  bool cancelledOnNo = true;
  QString caption, progress, question;
  QTimer::singleShot(0, [&] {
    TFormabbrechen* dialog = PrimeProgress().AbortForm();
    ASSERT_NE(dialog, nullptr);
    calculatorDisabled = !FRechne->isEnabled();
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
  EXPECT_TRUE(FRechne->isEnabled() && FRechne->isVisible());
  // A later request goes on from where the table stopped.
  EXPECT_GT(NthPrime(static_cast<Extended>(wanted)), 0);
}

}  // namespace
}  // namespace lumatik::testing
