// The calculator window as a user drives it: a term typed into the term
// field, a menu item clicked, the result fields and the history read.

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QTextBlock>
#include <fstream>
#include <iterator>

#include "calc/windows/calculator_window.h"
#include "shell/settingsfiles.h"
#include "support/window_test_support.h"

namespace lumatik::testing {
namespace {

class CalculatorTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    OpenFromStart(startWindow->Button3, calculatorWindow);
  }
  static void Compute(const QString& term) {
    TypeInto(calculatorWindow->EEing, term);
    Press(Qt::Key_Return);
  }
  // The parameter lines pasted over the memo's (typed Enters would compute).
  static void PasteParams(const QString& lines) {
    QApplication::clipboard()->setText(lines);
    ClickInto(calculatorWindow->MParameter->viewport());
    QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Focused(), Qt::Key_V, Qt::ControlModifier);
  }
  static QStringList History() {
    const QString text = calculatorWindow->MVerlauf->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
  }
  static QString Result() { return calculatorWindow->EAusg->text(); }
  static QString Fraction() { return calculatorWindow->EBruch->text(); }
};

TEST_F(CalculatorTest, TermsGiveDecimalFractionAndMixedNumber) {
  ChooseMenu(calculatorWindow, {"Rechne"});
  EXPECT_EQ(Result(), "118");
  EXPECT_EQ(History(), QStringList{"2*8+4*(27-3/2) = 118"});
  ChooseMenu(calculatorWindow, {"Rechne"});
  EXPECT_EQ(History().size(), 1);  // the same line once
  Compute("1#1/2+4#5/22");  // "#" is typed as the apostrophe of a mixed number
  EXPECT_EQ(calculatorWindow->EEing->text(), "1'1/2+4'5/22");
  EXPECT_EQ(Fraction(), "63/11 = 5'8/11");
  QTest::keyClicks(Focused(), "1");
  EXPECT_EQ(Result(), "");  // a changed term clears the result
  Compute("1/0");  // a failed computation shows its message in red
  EXPECT_EQ(Result(), QString::fromUtf8("0  ungültig: Div. durch Null"));
  EXPECT_EQ(calculatorWindow->EAusg->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_FALSE(calculatorWindow->PFZ1->isEnabled());
  Compute("1/4");
  EXPECT_NE(calculatorWindow->EAusg->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(History().mid(0, 2),
            (QStringList{"1/4 = 0,25 = 1/4", QString::fromUtf8("1/0 = 0  ungültig: Div. durch Null")}));
}

TEST_F(CalculatorTest, ParametersComeFromTheMemoAndMissingOnesAreAdded) {
  PasteParams("x=5\n\n  \na=1/3\nb=-3");
  Compute("a*x^3+b*x");
  EXPECT_EQ(Fraction(), "80/3 = 26'2/3");
  EXPECT_EQ(calculatorWindow->MParameter->toPlainText(), "x=5\na=1/3\nb=-3");  // blank lines dropped
  Compute("nue(2)");
  EXPECT_EQ(Result(), "1176");  // n=49: 49*48/2
  EXPECT_EQ(calculatorWindow->MParameter->toPlainText(), "x=5\na=1/3\nb=-3\nn=49");
  EXPECT_EQ(messages, std::vector<std::string>{"Neuen Parameter gesetzt:n=49"});
}

TEST_F(CalculatorTest, PfzAndAlsWurzel) {
  TypeInto(calculatorWindow->EEing, "2^19-1");
  ChooseMenu(calculatorWindow, {"PFZ"});
  EXPECT_EQ(Fraction(), "524287(PZ)");
  EXPECT_EQ(History(), (QStringList{"524 287=524287(PZ)", "2^19-1 = 524 287"}));
  Compute(QString::fromUtf8("sin(45°)"));
  const int lines = History().size();
  ChooseMenu(calculatorWindow, {"Als Wurzel"});
  EXPECT_EQ(Fraction(), "1/2*sqrt(2)");
  EXPECT_EQ(History().size(), lines);
  // 64 factors: the field shows their start, and all of them under the mouse.
  Compute("2^64");
  ChooseMenu(calculatorWindow, {"PFZ"});
  EXPECT_EQ(Fraction().count('2'), 64);
  EXPECT_EQ(calculatorWindow->EBruch->cursorPosition(), 0);
  EXPECT_EQ(calculatorWindow->EBruch->toolTip().remove('\n'), Fraction());
}

// A click on a history line brings its term back into the term field, which
// takes the keys: Enter computes it again, and the history stays as it was.
TEST_F(CalculatorTest, AClickOnAHistoryLineRecallsItsTermForTheNextEnter) {
  Compute("1/4");
  Compute("c*x^2");  // no parameter c: the name is named
  EXPECT_EQ(Result(), QString::fromUtf8("0  ungültig: Unbekannter Name c"));
  const QStringList history = History();
  const QTextBlock line = calculatorWindow->MVerlauf->document()->findBlockByNumber(1);
  ActivateOnClick(calculatorWindow);
  QTest::mouseClick(calculatorWindow->MVerlauf->viewport(), Qt::LeftButton, Qt::NoModifier,
                    calculatorWindow->MVerlauf->cursorRect(QTextCursor(line)).center() + QPoint(20, 0));
  EXPECT_EQ(calculatorWindow->EEing->text(), "1/4");
  EXPECT_EQ(Focused(), calculatorWindow->EEing);
  Press(Qt::Key_Return);
  EXPECT_EQ(Result(), "0,25");
  EXPECT_EQ(History(), history);
}

TEST_F(CalculatorTest, ParametersAndTheNewest30HistoryLinesSurviveARestart) {
  PasteParams(QString::fromUtf8("x=5\nä=2"));
  for (int i = 1; i <= 35; ++i) Compute(QString::number(i) + "/7");
  const QStringList newest = History().mid(0, 30);
  RestartForms();
  std::ifstream saved(SettingsFileName('2'), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "x=5\n\xC3\xA4=2\n");  // UTF-8 with LF
  EXPECT_EQ(calculatorWindow->MParameter->toPlainText(), QString::fromUtf8("x=5\nä=2"));
  EXPECT_EQ(History(), newest);
  EXPECT_EQ(calculatorWindow->EEing->text(), "35/7");
}

// The result goes to a spreadsheet as one number: Ctrl+C in the result
// field, or "Zahl kopieren" in its context menu.
TEST_F(CalculatorTest, TheResultIsCopiedWithoutItsGroupingBlanks) {
  Compute("-5/2*(14/22-17/21) +1.2");
  ClickInto(calculatorWindow->EAusg);
  QTest::keyClick(Focused(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "1,6329004329004329");
  EXPECT_EQ(Result(), "1,632 900 432 900 432 9");
  Compute("-1234567/2");
  QApplication::clipboard()->clear();
  // A right click into the field (the offscreen platform delivers the
  // context menu request a click makes, not the click itself).
  ClickInto(calculatorWindow->EAusg);
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(8, 8), calculatorWindow->EAusg->mapToGlobal(QPoint(8, 8)));
  QApplication::sendEvent(calculatorWindow->EAusg, &rightClick);
  QMenu* menu = nullptr;
  ASSERT_TRUE(QTest::qWaitFor([&menu] { return (menu = calculatorWindow->EAusg->findChild<QMenu*>()) && menu->isVisible(); }, 2000));
  QAction* item = FindItem(menu->actions(), "Zahl kopieren");
  ASSERT_NE(item, nullptr);
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  EXPECT_EQ(QApplication::clipboard()->text(), "-617283,5");
  EXPECT_EQ(Result(), "-617 283,5");
}

}  // namespace
}  // namespace lumatik::testing
