// The calculator window as a user drives it: type a term, choose a menu
// item, read the result fields and the history.

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QMessageBox>
#include <QMenuBar>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <fstream>

#include "app/forms.h"
#include "calc/windows/rechne.h"
#include "expr/parameters.h"
#include "shell/windows/luinput.h"
#include "shell/windows/qtext.h"
#include "shell/windows/unitstart.h"
#include "shell/windows/window_front.h"
#include "support/window_test_support.h"

namespace lumatik::testing {
namespace {

class CalculatorTest : public FormsTest {
 protected:
  // The calculator as a user opens it: "Rechne" in the start window (shown
  // once the plotter has been left).
  void SetUp() override {
    FormsTest::SetUp();
    FormStart->show();
    FormStart->RevealAreaButtons();
    QTest::mouseClick(FormStart->Button3, Qt::LeftButton);
    ASSERT_TRUE(BecomesActive(FRechne));
  }
  // The term typed over the old one.
  void Type(const QString& term) {
    ClickInto(FRechne->EEing);
    QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
    if (term.isEmpty()) QTest::keyClick(Focused(), Qt::Key_Delete);
    TypeText(Focused(), term);
  }
  // The parameter lines pasted over the memo's (typed Enters would compute).
  void SetParams(const QString& lines) {
    QApplication::clipboard()->setText(lines);
    ClickInto(FRechne->MParameter->viewport());
    QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Focused(), Qt::Key_V, Qt::ControlModifier);
  }
  QStringList History() const {
    const QString text = FRechne->MVerlauf->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
  }
  // The user's road: the window active, a click into the term field, its
  // text replaced by typing, Return.
  void TypeAndCompute(const QString& term) {
    FRechne->show();
    FRechne->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FRechne));
    QTest::mouseClick(FRechne->EEing, Qt::LeftButton);
    QWidget* field = QApplication::focusWidget();
    ASSERT_EQ(field, FRechne->EEing);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, term);
    QTest::keyClick(field, Qt::Key_Return);
  }
  QString Result() const { return FRechne->EAusg->text(); }
  QString Fraction() const { return FRechne->EBruch->text(); }
  // Clicks into the history as the user sees it.
  void ClickHistoryLine(int line) {
    QApplication::processEvents();
    QPlainTextEdit* memo = FRechne->MVerlauf;
    const QTextCursor cursor(memo->document()->findBlockByNumber(line));
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, memo->cursorRect(cursor).center());
  }
};

TEST_F(CalculatorTest, StartsWithItsDefaults) {
  EXPECT_TRUE(FRechne->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(FRechne->EEing->text(), "2*8+4*(27-3/2)");
  EXPECT_EQ(FRechne->MParameter->toPlainText(), "x=1\nx0=0\nx'=0");
  EXPECT_TRUE(History().isEmpty());
  EXPECT_TRUE(FRechne->AlsWurzel->isEnabled());
}

TEST_F(CalculatorTest, DefaultTermGives118) {
  FRechne->Rechne1->trigger();
  EXPECT_EQ(Result(), "118");
  EXPECT_EQ(Fraction(), "");
  EXPECT_TRUE(FRechne->PFZ1->isEnabled());
  EXPECT_FALSE(FRechne->AlsWurzel->isEnabled());
  EXPECT_EQ(History(), QStringList{"2*8+4*(27-3/2) = 118"});
}

TEST_F(CalculatorTest, ComputingTwiceAddsOneHistoryLine) {
  FRechne->Rechne1->trigger();
  FRechne->Rechne1->trigger();
  EXPECT_EQ(History().size(), 1);
  Type("1/3");
  FRechne->Rechne1->trigger();
  EXPECT_EQ(History().size(), 2);
  EXPECT_EQ(History().first(), "1/3 = 0,333 333 333 333 333 333 = 1/3");
}

TEST_F(CalculatorTest, ASignAfterAnOperatorAndAnExponentAreReadAsWritten) {
  TypeAndCompute("3*-2");
  EXPECT_EQ(Result(), "-6");
  TypeAndCompute("1,5E-20*2E20");
  EXPECT_EQ(Result(), "3");
  EXPECT_EQ(History(), (QStringList{"1,5E-20*2E20 = 3", "3*-2 = -6"}));
}

TEST_F(CalculatorTest, AFailedComputationShowsItsMessageBesideTheValue) {
  TypeAndCompute("1/0");
  EXPECT_EQ(Result(), QString::fromUtf8("0  ungültig: Div. durch Null"));
  EXPECT_EQ(FRechne->EAusg->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(Fraction(), "");
  EXPECT_FALSE(FRechne->PFZ1->isEnabled());
  EXPECT_FALSE(FRechne->AlsWurzel->isEnabled());
  EXPECT_EQ(History(), QStringList{QString::fromUtf8("1/0 = 0  ungültig: Div. durch Null")});
  TypeAndCompute("1/4");
  EXPECT_EQ(Result(), "0,25");
  EXPECT_NE(FRechne->EAusg->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(Fraction(), "1/4");
}

TEST_F(CalculatorTest, ALineThatIsPartOfAnotherIsStillAdded) {
  TypeAndCompute("11");
  TypeAndCompute("1");
  EXPECT_EQ(History(), (QStringList{"1 = 1", "11 = 11"}));
  TypeAndCompute("1");
  EXPECT_EQ(History().size(), 2);
}

TEST_F(CalculatorTest, PfzWritesASixteenDigitPrimeExactly) {
  TypeAndCompute("10^16+61");
  ASSERT_TRUE(FRechne->PFZ1->isEnabled());
  FRechne->PFZ1->trigger();
  EXPECT_EQ(Fraction(), "10000000000000061(PZ)");
  EXPECT_EQ(History().first(), "10 000 000 000 000 061=10000000000000061(PZ)");
}

TEST_F(CalculatorTest, FractionAndMixedNumber) {
  Type("-5/2*(14/22-17/21) +1.2");
  FRechne->Rechne1->trigger();
  EXPECT_EQ(Result(), "1,632 900 432 900 432 9");
  EXPECT_EQ(Fraction(), "1886/1155 = 1'731/1155");
  EXPECT_FALSE(FRechne->PFZ1->isEnabled());
  EXPECT_FALSE(FRechne->AlsWurzel->isEnabled());
  EXPECT_EQ(History().first(),
            "-5/2*(14/22-17/21) +1.2 = 1,632 900 432 900 432 9 = 1886/1155 = 1'731/1155");
}

TEST_F(CalculatorTest, ParametersComeFromTheMemo) {
  SetParams("x=5\na=1/3\nb=-3");
  Type("a*x^3+b*x");
  FRechne->Rechne1->trigger();
  EXPECT_EQ(Result(), "26,666 666 666 666 666 7");
  EXPECT_EQ(Fraction(), "80/3 = 26'2/3");
}

TEST_F(CalculatorTest, AHalfHasNoMixedPart) {
  Type("0.5");
  FRechne->Rechne1->trigger();
  EXPECT_EQ(Result(), "0,5");
  EXPECT_EQ(Fraction(), "1/2");
}

TEST_F(CalculatorTest, HashIsTypedAsApostropheAndEnterComputes) {
  Type("1#1/2+4#5/22");
  EXPECT_EQ(FRechne->EEing->text(), "1'1/2+4'5/22");
  QTest::keyClick(Focused(), Qt::Key_Return);
  // 3/2 + 93/22 = 63/11
  EXPECT_EQ(Fraction(), "63/11 = 5'8/11");
}

// Two engine messages in a row: each box opens over the calculator, which
// stays on top of other windows, and stays on top itself.
TEST_F(CalculatorTest, MessageBoxesOpenAboveTheCalculator) {
  UseMessageBoxesForMessages();
  std::vector<QWidget*> parents;
  std::vector<bool> onTop;
  QStringList texts;
  const auto answer = [&](QWidget* box) {
    parents.push_back(box->parentWidget());
    onTop.push_back(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    texts << qobject_cast<QMessageBox*>(box)->text();
    QTest::keyClick(box, Qt::Key_Return);
  };
  AnswerNextDialog([&](QWidget* box) {
    AnswerNextDialog(answer);
    answer(box);
  });
  Type("Bin(2)");
  QTest::keyClick(Focused(), Qt::Key_Return);
  EXPECT_EQ(texts, (QStringList{"Neuen Parameter gesetzt:n=49", "Neuen Parameter gesetzt:p=1/6"}));
  EXPECT_EQ(parents, (std::vector<QWidget*>{FRechne, FRechne}));
  EXPECT_EQ(onTop, (std::vector<bool>{true, true}));
  SetMessageSink([this](const std::string& text) { messages.push_back(text); });
}

TEST_F(CalculatorTest, ChangingTheTermClearsTheResult) {
  FRechne->Rechne1->trigger();
  ASSERT_EQ(Result(), "118");
  QTest::keyClicks(FRechne->EEing, "1");
  EXPECT_EQ(Result(), "");
  FRechne->Rechne1->trigger();
  SetParams("x=2");
  EXPECT_EQ(Result(), "");
}

// The new line changes the memo after the computation, which clears the
// result fields again; the history keeps the result.
TEST_F(CalculatorTest, EnterInTheParameterMemoComputesAndStillBreaksTheLine) {
  Type("x^2");
  SetParams("x=7");
  FRechne->MParameter->moveCursor(QTextCursor::End);
  QTest::keyClick(FRechne->MParameter, Qt::Key_Return);
  EXPECT_EQ(History(), QStringList{"x^2 = 49"});
  EXPECT_EQ(FRechne->MParameter->toPlainText(), "x=7\n");
}

TEST_F(CalculatorTest, TheEngineAddsAMissingParameterToTheMemo) {
  SetParams("x=1");
  Type("nue(2)");
  FRechne->Rechne1->trigger();
  EXPECT_EQ(MemoLines(FRechne->MParameter), (std::vector<std::string>{"x=1", "n=49"}));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Neuen Parameter gesetzt:n=49");
  EXPECT_EQ(Result(), "1176");  // 49 * 48 / 2
  FRechne->Rechne1->trigger();
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(CalculatorTest, BlankParameterLinesAreDropped) {
  SetParams("x=1\n\n   \na=2");
  Type("a");
  FRechne->Rechne1->trigger();
  EXPECT_EQ(FRechne->MParameter->toPlainText(), "x=1\na=2");
  EXPECT_EQ(Result(), "2");
}

TEST_F(CalculatorTest, PfzWritesTheFactorsAndTheirHistoryLine) {
  Type("2^19-1");
  FRechne->PFZ1->trigger();
  EXPECT_EQ(Fraction(), "524287(PZ)");
  EXPECT_EQ(History(), (QStringList{"524 287=524287(PZ)", "2^19-1 = 524 287"}));
  FRechne->PFZ1->trigger();
  EXPECT_EQ(History().size(), 2);
}

TEST_F(CalculatorTest, PfzOfACompositeNumber) {
  Type("360");
  FRechne->PFZ1->trigger();
  EXPECT_EQ(Fraction(), "2*2*2*3*3*5");
}

TEST_F(CalculatorTest, AlsWurzelWritesTheRootFormAndNoHistory) {
  Type(QString::fromUtf8("sin(45°)"));
  FRechne->Rechne1->trigger();
  ASSERT_TRUE(FRechne->AlsWurzel->isEnabled());
  const int lines = History().size();
  FRechne->AlsWurzel->trigger();
  EXPECT_EQ(Fraction(), "1/2*sqrt(2)");
  EXPECT_EQ(History().size(), lines);
}

TEST_F(CalculatorTest, AlsWurzelDoesNothingForAWholeNumber) {
  Type("16");
  FRechne->AlsWurzel->trigger();
  EXPECT_EQ(Result(), "16");
  EXPECT_EQ(Fraction(), "");
}

// The dialog opens with the caret in its first field: the keyboard alone
// fills it in.
TEST_F(CalculatorTest, PrimzahlenOneToTenWritesTheTwinPrimeLine) {
  QString caption;
  AnswerNextDialog([&caption](QWidget* modal) {
    caption = modal->windowTitle();
    EXPECT_TRUE(BecomesActive(modal));
    EXPECT_EQ(Focused(), static_cast<TFormluinput*>(modal)->Edit1);
    QTest::keyClick(Focused(), Qt::Key_Return);
    QTest::keyClicks(Focused(), "10");
    QTest::keyClick(Focused(), Qt::Key_Return);
  });
  FRechne->Primzahlen1->trigger();
  EXPECT_EQ(caption, "Berechnung von Primzahlen");
  EXPECT_EQ(History(), (QStringList{"            Primzahlen (*=Zwillinge)",
                                    "2 3*5*7 11*13 17*19 23 29"}));
  EXPECT_EQ(FRechne->frameGeometry(), FRechne->screen()->availableGeometry());
  ClickHistoryLine(1);
  EXPECT_EQ(FRechne->EEing->text(), "2 3*5*7 11*13 17*19 23 29");
}

TEST_F(CalculatorTest, PrimzahlenCancelledInTheDialogWritesOnlyTheHeading) {
  AnswerNextDialog([](QWidget* modal) {
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  FRechne->Primzahlen1->trigger();
  EXPECT_EQ(History(), QStringList{"            Primzahlen (*=Zwillinge)"});
}

TEST_F(CalculatorTest, AClickOnAHistoryLineRecallsItsTerm) {
  FRechne->Rechne1->trigger();
  Type("1/3");
  FRechne->Rechne1->trigger();
  ClickHistoryLine(1);
  // The blank before the "=" stays.
  EXPECT_EQ(FRechne->EEing->text(), "2*8+4*(27-3/2) ");
}

TEST_F(CalculatorTest, GrossSwitchesBetweenLargeAndSmall) {
  ASSERT_LT(FRechne->height(), 300);
  FRechne->gross1->trigger();
  const QRect area = FRechne->screen()->availableGeometry();
  EXPECT_EQ(FRechne->frameGeometry(), area.adjusted(100, 100, 0, 0));
  EXPECT_EQ(FRechne->gross1->text(), "Klein");
  FRechne->gross1->trigger();
  EXPECT_EQ(FRechne->size(), QSize(550, 225));
  EXPECT_EQ(FRechne->gross1->text(), "Gross");
}

TEST_F(CalculatorTest, LoeschenClearsHistoryAndParameters) {
  FRechne->Rechne1->trigger();
  FRechne->lschen1->trigger();
  EXPECT_TRUE(History().isEmpty());
  EXPECT_TRUE(FRechne->MParameter->toPlainText().isEmpty());
}

TEST_F(CalculatorTest, BeispieleListsTheExamplesAndExplains) {
  QString text;
  AnswerNextMessageBox(QMessageBox::Ok, &text);
  FRechne->Beispiele1->trigger();
  EXPECT_TRUE(text.startsWith(QString::fromUtf8("Alle Standardfunktionen sind verfügbar.")));
  const QStringList examples = History();
  ASSERT_EQ(examples.size(), 16);
  EXPECT_EQ(examples[0], "2*8,5+4*(27.3-3/2)  =(Komma oder Punkt für Dezimalzahlen)");
  EXPECT_EQ(examples[15], "AGM(6)      = Aritmetisch-Geometrisches Mittel von a und x");
  ClickHistoryLine(6);
  EXPECT_EQ(FRechne->EEing->text(), "2^19-1      ");
  FRechne->PFZ1->trigger();
  EXPECT_EQ(Fraction(), "524287(PZ)");
}

TEST_F(CalculatorTest, HinweisShowsTheFunctionOverview) {
  QString caption;
  QString memo;
  AnswerNextDialog([&](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    caption = dialog->windowTitle();
    memo = dialog->Memo1->toPlainText();
    QTest::mouseClick(dialog->BOk, Qt::LeftButton);
  });
  FRechne->Hinweis1->trigger();
  EXPECT_EQ(caption, "Hinweis");
  EXPECT_TRUE(memo.contains("\n       Standardfunktionen\n"));
}

TEST_F(CalculatorTest, ZeileZurueckholenExplainsTheRecall) {
  QString text;
  AnswerNextMessageBox(QMessageBox::Ok, &text);
  FRechne->Zeilezurckholen1->trigger();
  EXPECT_TRUE(text.startsWith("Bei jedem Klick auf \"Rechne\""));
}

TEST_F(CalculatorTest, EscapeAndSchliessenCloseAndShowTheStartWindow) {
  ClickInto(FRechne->EEing);
  QTest::keyClick(Focused(), Qt::Key_Escape);
  EXPECT_FALSE(FRechne->isVisible());
  EXPECT_TRUE(FormStart->isVisible());
  FRechne->show();
  FormStart->hide();
  FRechne->Schlieen1->trigger();
  EXPECT_FALSE(FRechne->isVisible());
  EXPECT_TRUE(FormStart->isVisible());
}

TEST_F(CalculatorTest, ActivationTrimsAndSelectsTheTerm) {
  Type("  1+2  ");
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(FRechne, &activate);
  EXPECT_EQ(FRechne->EEing->text(), "1+2");
  EXPECT_EQ(FRechne->EEing->selectedText(), "1+2");
}

// Settings between runs.

TEST_F(CalculatorTest, ParametersAndHistorySurviveARestart) {
  SetParams("x=5\na=1/3\nb=-3");
  Type("a*x^3+b*x");
  FRechne->Rechne1->trigger();
  Type("7/4");
  FRechne->Rechne1->trigger();
  const QStringList history = History();
  RestartForms();
  EXPECT_EQ(FRechne->MParameter->toPlainText(), "x=5\na=1/3\nb=-3");
  EXPECT_EQ(History(), history);
  EXPECT_EQ(FRechne->EEing->text(), "7/4 ");
  FRechne->Rechne1->trigger();
  EXPECT_EQ(Fraction(), "7/4 = 1'3/4");
}

TEST_F(CalculatorTest, OnlyTheNewest30HistoryLinesAreKept) {
  for (int i = 1; i <= 35; ++i) {
    Type(QString::number(i) + "/7");
    FRechne->Rechne1->trigger();
  }
  ASSERT_EQ(History().size(), 35);
  const QStringList newest = History().mid(0, 30);
  RestartForms();
  EXPECT_EQ(History(), newest);
  EXPECT_TRUE(History().first().startsWith("35/7 = 5"));
  EXPECT_TRUE(History().last().startsWith("6/7 = "));
}

TEST_F(CalculatorTest, TheSettingsFilesAreWindowsText) {
  SetParams(QString::fromUtf8("x=1\nä=2"));
  RestartForms();
  std::ifstream in(SettingsFileName('2'), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "x=1\r\n\xE4=2\r\n");
  EXPECT_EQ(FRechne->MParameter->toPlainText(), QString::fromUtf8("x=1\nä=2"));
}

TEST_F(CalculatorTest, WithoutAParameterFileTheHistoryIsNotReadEither) {
  FRechne->Rechne1->trigger();
  DestroyForms();
  RemoveSettingsFile('2');
  CreateForms();
  EXPECT_EQ(FRechne->MParameter->toPlainText(), "x=1\nx0=0\nx'=0");
  EXPECT_TRUE(History().isEmpty());
  EXPECT_EQ(FRechne->EEing->text(), "2*8+4*(27-3/2)");
}

TEST_F(CalculatorTest, AGarbageSettingsFileIsIgnored) {
  DestroyForms();
  {
    std::ofstream garbage(SettingsFileName('2'), std::ios::binary);
    garbage << std::string("\x00\x01\x02\xFF\xFE", 5) << "x=9";
  }
  CreateForms();
  EXPECT_EQ(FRechne->MParameter->toPlainText(), "x=1\nx0=0\nx'=0");
}

TEST_F(CalculatorTest, AFolderInPlaceOfTheHistoryIsIgnored) {
  DestroyForms();
  ASSERT_TRUE(WriteTextLinesAtomically(SettingsFileName('2'), {"y=3"}));
  QDir().mkpath(QString::fromStdString(SettingsFileName('3')));
  CreateForms();
  EXPECT_EQ(FRechne->MParameter->toPlainText(), "y=3");
  EXPECT_TRUE(History().isEmpty());
  DestroyForms();
  QDir().rmdir(QString::fromStdString(SettingsFileName('3')));
  CreateForms();
}

}  // namespace
}  // namespace lumatik::testing
