// The typed continued fraction reaches the calculator, and the enumeration
// asks through the hint dialog.

#include <QLineEdit>
#include <QPlainTextEdit>

#include "calc/windows/rechne.h"
#include "support/window_test_support.h"
#include "worksheet/windows/unitlsg.h"

namespace lumatik::testing {
namespace {

class AlgebraWindowTest : public FormsTest {};

const QString kMenu = QString::fromUtf8("Kettenbrüche");

TEST_F(AlgebraWindowTest, TypedContinuedFractionGoesToTheCalculator) {
  OpenFromStart(FormStart->Button4, FormLSG);
  QString caption;
  AnswerNextInput({"[2,2]"}, &caption);
  ChooseMenu(FormLSG, {kMenu, "Eingabe Kettenbruch"});
  EXPECT_EQ(caption, "Eingabe Kettenbruch");
  EXPECT_EQ(FRechne->EEing->text(), "2,5");
  EXPECT_TRUE(FRechne->EBruch->text().endsWith(" = Kettenbruch [ 2 2 ]")) << FRechne->EBruch->text().toStdString();
  EXPECT_FALSE(FormLSG->isVisible());
  EXPECT_TRUE(FRechne->isVisible());
}

TEST_F(AlgebraWindowTest, TriplesAskThroughTheHintDialogAndStopOnCancel) {
  OpenFromStart(FormStart->BCardano, FormLSG);
  QString question;
  AnswerNextHint(question, false);
  ChooseMenu(FormLSG, {"Gleichungen", "Pythagoreische Zahlentripel"});
  EXPECT_EQ(question, "Weitermachen?");
  EXPECT_TRUE(FormLSG->Memo1->toPlainText().contains("(3,4,5)  ( 5,12,13)"));
  EXPECT_TRUE(FormLSG->Memo1->toPlainText().endsWith("(65,72,97)  "));
}

}  // namespace
}  // namespace lumatik::testing
