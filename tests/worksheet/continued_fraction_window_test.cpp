// The typed continued fraction reaches the calculator, and the enumeration
// asks through the hint dialog.

#include <QLineEdit>
#include <QPlainTextEdit>

#include "calc/windows/calculator_window.h"
#include "support/window_test_support.h"
#include "worksheet/windows/worksheet_window.h"

namespace lumatik::testing {
namespace {

class AlgebraWindowTest : public FormsTest {};

const QString kMenu = QString::fromUtf8("Kettenbrüche");

// "Abbrechen" cancels, a list of letters is named, and a list that can be
// computed goes to the calculator, whose field shows its start.
TEST_F(AlgebraWindowTest, TypedContinuedFractionGoesToTheCalculator) {
  OpenFromStart(startWindow->Button4, worksheetWindow);
  EXPECT_EQ(worksheetWindow->windowTitle(), kMenu);
  QString hint;
  AnswerNextHint(hint, false);
  ChooseMenu(worksheetWindow, {kMenu, "Eingabe Kettenbruch"});
  EXPECT_TRUE(worksheetWindow->isVisible());
  EXPECT_FALSE(calculatorWindow->isVisible());
  AnswerNextInput({"[a b c]"});
  ChooseMenu(worksheetWindow, {kMenu, "Eingabe Kettenbruch"});
  EXPECT_EQ(messages, std::vector<std::string>{"Eintrag a ist keine ganze Zahl"});
  EXPECT_FALSE(calculatorWindow->isVisible());
  QString caption;
  AnswerNextInput({"[1 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2]"}, &caption);
  ChooseMenu(worksheetWindow, {kMenu, "Eingabe Kettenbruch"});
  EXPECT_EQ(caption, "Eingabe Kettenbruch");
  EXPECT_TRUE(calculatorWindow->EBruch->text().startsWith("sqrt(2) = Kettenbruch [ 1 2 2")) << calculatorWindow->EBruch->text().toStdString();
  EXPECT_EQ(calculatorWindow->EBruch->cursorPosition(), 0);
  EXPECT_FALSE(worksheetWindow->isVisible());
  EXPECT_TRUE(calculatorWindow->isVisible());
}

TEST_F(AlgebraWindowTest, TriplesAskThroughTheHintDialogAndStopOnCancel) {
  OpenFromStart(startWindow->BCardano, worksheetWindow);
  QString question;
  AnswerNextHint(question, false);
  ChooseMenu(worksheetWindow, {"Gleichungen", "Pythagoreische Zahlentripel"});
  EXPECT_EQ(question, "Weitermachen?");
  EXPECT_TRUE(worksheetWindow->Memo1->toPlainText().contains("(3,4,5)  ( 5,12,13)"));
  EXPECT_TRUE(worksheetWindow->Memo1->toPlainText().endsWith("(65,72,97)  "));
}

}  // namespace
}  // namespace lumatik::testing
