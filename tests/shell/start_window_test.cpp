// The start window as a user meets it: the plotter first, the areas after
// leaving it, each area with its own worksheet file; the end of a run.

#include <QScreen>
#include <QSignalSpy>

#include "calc/windows/calculator_window.h"
#include "plot/windows/function_input_window.h"
#include "plot/windows/graph_window.h"
#include "shell/windows/qtext.h"
#include "support/window_test_support.h"
#include "worksheet/windows/worksheet_window.h"

namespace lumatik::testing {
namespace {

class StartWindowTest : public FormsTest {
 protected:
  static QStringList VisibleCaptions() {
    QStringList captions;
    for (QPushButton* button : startWindow->Panel1->findChildren<QPushButton*>())
      if (button->isVisibleTo(startWindow)) captions << button->text();
    captions.sort();
    return captions;
  }
  static void Click(QPushButton* button) {
    startWindow->show();
    ActivateOnClick(startWindow);
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
  }
};

TEST_F(StartWindowTest, LeavingThePlotterRevealsSixAreasButNeverAlgebra) {
  startWindow->show();
  EXPECT_EQ(VisibleCaptions(), (QStringList{"Info...", "Schaubild", "Schliessen"}));
  Click(startWindow->BSchaubild);
  EXPECT_TRUE(functionInputWindow->isVisible());
  EXPECT_FALSE(startWindow->isVisible());
  ChooseMenu(functionInputWindow, {"Datei", "Beenden"});
  EXPECT_TRUE(startWindow->isVisible());
  EXPECT_FALSE(graphWindow->isVisible());
  EXPECT_EQ(VisibleCaptions(),
            (QStringList{"3D-Zeichnen", "Geometrie", "Gleichungen", "Info...", QString::fromUtf8("Kettenbrüche"), "LGS",
                         "Rechne", "Schaubild", "Schliessen"}));
}

TEST_F(StartWindowTest, RechnePutsTheCalculatorInTheLowerRightCorner) {
  OpenFromStart(startWindow->Button3, calculatorWindow);
  EXPECT_FALSE(startWindow->isVisible());
  EXPECT_EQ(calculatorWindow->frameGeometry().bottomRight(), calculatorWindow->screen()->availableGeometry().bottomRight());
}

TEST_F(StartWindowTest, EachAreaLoadsItsOwnWorksheet) {
  for (const auto& [button, letter] : {std::pair{startWindow->BLSG, 'l'}, {startWindow->BCardano, 'c'},
                                       {startWindow->BGeometrie, 'g'}, {startWindow->B3D, 'd'}}) {
    const std::string first = std::string("Blatt ") + letter;
    ASSERT_TRUE(WriteTextLinesAtomically(SettingsFileName(letter), {first, "2 -1 5"}));
    OpenFromStart(button, worksheetWindow);
    EXPECT_TRUE(worksheetWindow->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(WorksheetMemo()->toPlainText(), QString::fromStdString(first + "\n2 -1 5"));
    ChooseMenu(worksheetWindow, {"Datei", QString::fromUtf8("Schließen")});
  }
  // The hover text's approximations of sqrt(2) are convergents p/q: p^2 - 2q^2 = -1 or 1.
  QTest::mouseMove(startWindow->Button4);
  const QString hover = startWindow->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
  const QString list = hover.section(QStringLiteral("sqrt(2) ~ "), 1).section(QStringLiteral(" ("), 0, 0);
  for (const QString& fraction : list.split(QStringLiteral(", "))) {
    const long long p = fraction.section('/', 0, 0).toLongLong(), q = fraction.section('/', 1).toLongLong();
    EXPECT_EQ(std::abs(p * p - 2 * q * q), 1) << fraction.toStdString();
  }
  // Continued fractions keep no file: the memo starts empty, under the area's own title.
  OpenFromStart(startWindow->Button4, worksheetWindow);
  EXPECT_TRUE(WorksheetMemo()->toPlainText().isEmpty());
  EXPECT_EQ(worksheetWindow->windowTitle(), QString::fromUtf8("Kettenbrüche"));
}

TEST_F(StartWindowTest, SchliessenEndsTheRun) {
  QSignalSpy closed(startWindow, &StartWindow::closed);
  Click(startWindow->Button2);
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(startWindow->isVisible());
}

class ProgramStartTest : public FormsTest {};

TEST_F(ProgramStartTest, DestroyingLeavesNoWindowBehind) {
  DestroyForms();
  EXPECT_EQ(startWindow, nullptr);
  EXPECT_EQ(calculatorWindow, nullptr);
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
  CreateForms();
}

// Texts cross the window boundary as Windows-1252: 0x80 is the euro sign and
// 0x97 the long dash, not Latin-1 controls.
TEST(QtTextTest, Windows1252BytesBecomeTheirCharacters) {
  EXPECT_EQ(QtText("\x80 \x97 \xB0 \xB7 \xE4\r\n"), QString::fromUtf8("€ — ° · ä\n"));
  EXPECT_EQ(CoreText(QString::fromUtf8("€ — ° · ä")), "\x80 \x97 \xB0 \xB7 \xE4");
  EXPECT_EQ(CoreText(QString::fromUtf8("ℵ")), "?");
}

}  // namespace
}  // namespace lumatik::testing
