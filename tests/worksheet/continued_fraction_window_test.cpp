// The continued fraction and Pythagorean commands in the worksheet window:
// the typed continued fraction reaches the calculator, the enumeration asks
// through the hint dialog, and the polynomial product echoes the selection.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include "calc/windows/rechne.h"
#include "shell/codepage.h"
#include "shell/windows/forms.h"
#include "shell/windows/luinput.h"
#include "shell/windows/unitstart.h"
#include "support/window_test_support.h"
#include "worksheet/windows/unitlsg.h"

namespace lumatik {
namespace {

using testing::AnswerNextDialog;
using testing::AnswerNextHint;

class AlgebraWindowTest : public testing::FormsTest {
 protected:
  void Open(void (TFormStart::*button)()) {
    FormStart->show();
    FormStart->RevealAreaButtons();
    FormStart->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FormStart));
    (FormStart->*button)();
    FormLSG->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FormLSG));
  }
  QAction* Item(WorksheetMenu menu, const char* caption) {
    QAction* action = FormLSG->MenuItem(menu, Cp1252(caption));
    EXPECT_NE(action, nullptr) << caption;
    return action;
  }
};

TEST_F(AlgebraWindowTest, TypedContinuedFractionGoesToTheCalculator) {
  Open(&TFormStart::Button4Click);
  QString preset;
  QString caption;
  QString hint;
  AnswerNextDialog([&](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    caption = dialog->windowTitle();
    preset = dialog->Edit1->text();
    hint = dialog->Memo1->toPlainText();
    dialog->BOk->click();
  });
  Item(WorksheetMenu::Kettenbrueche, "Eingabe Kettenbruch")->trigger();
  EXPECT_EQ(caption, "Eingabe Kettenbruch");
  EXPECT_EQ(preset, "[1,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2]");
  // The calculator holds about 1,41421356 and shows it as a root.
  const QString input = FRechne->EEing->text();
  EXPECT_TRUE(input.startsWith("1,414 213 562")) << input.toStdString();
  const QString fraction = FRechne->EBruch->text();
  EXPECT_TRUE(fraction.contains("wur(2)") || fraction.contains("sqrt(2)")) << fraction.toStdString();
  EXPECT_TRUE(fraction.endsWith(" = Kettenbruch [ 1 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 ]"))
      << fraction.toStdString();
  EXPECT_TRUE(hint.startsWith(QString::fromUtf8("Der Wert des Kettebruches wird im Programm \"Rechne\" ausgegeben.\n")));
  EXPECT_TRUE(hint.endsWith(QString::fromUtf8("\n   Probiere anschließend: \"als Wurzel\"")));
  EXPECT_EQ(hint.count('\n'), 6);
  EXPECT_FALSE(FormLSG->isVisible());
  EXPECT_TRUE(FRechne->isVisible());
}

TEST_F(AlgebraWindowTest, CancelledInputStillUsesTheText) {
  Open(&TFormStart::Button4Click);
  AnswerNextDialog([](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->Edit1->setText("[3,7,15,1]");
    dialog->BAbbrechen->click();
  });
  Item(WorksheetMenu::Kettenbrueche, "Eingabe Kettenbruch")->trigger();
  // The preset, not the typed text, since the dialog was cancelled.
  EXPECT_TRUE(FRechne->EEing->text().startsWith("1,414 213 562")) << FRechne->EEing->text().toStdString();
}

TEST_F(AlgebraWindowTest, RechneKettenbruchWritesTheExpansion) {
  Open(&TFormStart::Button4Click);
  FormLSG->Memo1->setPlainText(QString::fromUtf8("Kettenbruch für q = 2.5"));
  Item(WorksheetMenu::Kettenbrueche, "Rechne Kettenbruch")->trigger();
  const QStringList lines = FormLSG->Memo1->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 7);
  EXPECT_EQ(lines[4], "q=[2,2]");
  EXPECT_EQ(lines[5], "5*Z+2*Z=Z.");
}

TEST_F(AlgebraWindowTest, OpeningTheMenuOnAnEmptyWorksheetExplains) {
  Open(&TFormStart::Button4Click);
  FormLSG->Memo1->clear();
  QMenu* menu = FormLSG->MenuAction(WorksheetMenu::Kettenbrueche)->menu();
  ASSERT_NE(menu, nullptr);
  emit menu->aboutToShow();
  EXPECT_TRUE(FormLSG->Memo1->toPlainText().startsWith(QString::fromUtf8("Kettenbruch für q = Pi\n     +—")));
  const QString explained = FormLSG->Memo1->toPlainText();
  // On a worksheet with a task it leaves the task alone.
  FormLSG->Memo1->setPlainText("q = 2");
  emit menu->aboutToShow();
  EXPECT_EQ(FormLSG->Memo1->toPlainText(), "q = 2");
  FormLSG->Memo1->setPlainText(explained);
  Item(WorksheetMenu::Kettenbrueche, "Rechne Kettenbruch")->trigger();
  EXPECT_TRUE(FormLSG->Memo1->toPlainText().endsWith("q=[3,7,15,1,292,1,1,1,2,1,3,...]"));
}

TEST_F(AlgebraWindowTest, TriplesAskThroughTheHintDialogAndStopOnCancel) {
  Open(&TFormStart::BCardanoClick);
  FormLSG->Memo1->clear();
  QString question;
  QString memoWhenAsked;
  AnswerNextDialog([&](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    question = dialog->Memo1->toPlainText();
    memoWhenAsked = FormLSG->Memo1->toPlainText();
    dialog->BAbbrechen->click();
  });
  Item(WorksheetMenu::Gleichungen, "Pythagoreische Zahlentripel")->trigger();
  EXPECT_EQ(question, "Weitermachen?");
  EXPECT_TRUE(memoWhenAsked.contains("(3,4,5)  ( 5,12,13)"));
  const QStringList lines = FormLSG->Memo1->toPlainText().split('\n');
  EXPECT_EQ(lines.back(), "(65,72,97)  ");
}

TEST_F(AlgebraWindowTest, PolynomialProductShowsTheSelection) {
  bool notReady = false;
  AnswerNextDialog([&notReady](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    notReady = true;
    dialog->BOk->click();  // "Leider noch nicht fertig"
  });
  FormStart->show();
  FormStart->RevealAreaButtons();
  FormStart->BAlgebraClick();
  FormLSG->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&notReady] { return notReady; }));
  FormLSG->Memo1->setPlainText("Polynommultiplikation\n  (x+1)*(x-1)  ");
  QTextCursor cursor = FormLSG->Memo1->textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.movePosition(QTextCursor::StartOfLine, QTextCursor::KeepAnchor);
  FormLSG->Memo1->setTextCursor(cursor);
  QString shown;
  AnswerNextHint(shown);
  Item(WorksheetMenu::Algebra, "Polynommultiplikation")->trigger();
  EXPECT_EQ(shown, "(x+1)*(x-1)");
  EXPECT_EQ(FormLSG->Memo1->toPlainText(), "Polynommultiplikation\n  (x+1)*(x-1)  ");
}

}  // namespace
}  // namespace lumatik
