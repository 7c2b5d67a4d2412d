// The start window as a user meets it: three buttons at first, help texts
// under the mouse, and one button per area.

#include <QAction>
#include <QDir>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <fstream>
#include <vector>

#include "calc/windows/rechne.h"
#include "plot/windows/unit1sb.h"
#include "plot/windows/unit2sb.h"
#include "plot/windows/unit3sb.h"
#include "shell/windows/unitstart.h"
#include "support/window_test_support.h"
#include "worksheet/windows/unitlsg.h"

namespace lumatik::testing {
namespace {

class StartWindowTest : public FormsTest {
 protected:
  QStringList VisibleCaptions() const {
    QStringList captions;
    for (QPushButton* button : FormStart->Panel1->findChildren<QPushButton*>())
      if (button->isVisibleTo(FormStart)) captions << button->text();
    captions.sort();
    return captions;
  }
  // The worksheet's memo as the start window finds it; the worksheet
  // window may not have its own yet.
  QPlainTextEdit* Worksheet() {
    if (QPlainTextEdit* memo = WorksheetMemo()) return memo;
    auto* memo = new QPlainTextEdit(FormLSG);
    memo->setObjectName(QStringLiteral("Memo1"));
    return memo;
  }
  QString MemoText() const { return FormStart->Memo1->toPlainText(); }
};

TEST_F(StartWindowTest, FirstStartShowsOnlyCloseGraphAndInfo) {
  FormStart->show();
  EXPECT_EQ(VisibleCaptions(), (QStringList{"Info...", "Schaubild", "Schliessen"}));
  EXPECT_EQ(FormStart->windowTitle(), "Start");
  EXPECT_EQ(StartMode, 0);
}

TEST_F(StartWindowTest, LeavingThePlotterRevealsSixAreasButNeverAlgebra) {
  FormStart->show();
  FormStart->RevealAreaButtons();
  EXPECT_EQ(VisibleCaptions(),
            (QStringList{"3D-Zeichnen", "Geometrie", "Gleichungen", "Info...",
                         QString::fromUtf8("Kettenbrüche"), "LGS", "Rechne", "Schaubild", "Schliessen"}));
  EXPECT_FALSE(FormStart->BAlgebra->isVisibleTo(FormStart));
}

// The captions fit their buttons in the fonts we ship, here and in the
// plotter's list window.
TEST_F(StartWindowTest, CaptionsFitTheirButtons) {
  FormStart->show();
  FormStart->RevealAreaButtons();
  std::vector<QPushButton*> buttons;
  for (QWidget* window : {static_cast<QWidget*>(FormStart), static_cast<QWidget*>(Form3sb)})
    for (QPushButton* button : window->findChildren<QPushButton*>()) buttons.push_back(button);
  ASSERT_GE(buttons.size(), 16u);
  for (QPushButton* button : buttons) {
    const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 6;
    EXPECT_GE(button->width(), needed) << button->text().toStdString();
  }
}

TEST_F(StartWindowTest, MemoUsesAFixedPitchFontSoTheTextsLineUp) {
  const QFontInfo info(FormStart->Memo1->font());
  EXPECT_TRUE(info.fixedPitch()) << info.family().toStdString();
  EXPECT_EQ(info.pixelSize(), 13);
}

TEST_F(StartWindowTest, MouseOverAButtonShowsItsHelpText) {
  FormStart->show();
  FormStart->RevealAreaButtons();
  QTest::mouseMove(FormStart->BSchaubild);
  EXPECT_EQ(MemoText(), "  Von der Sekante zur Tangente  ");
  QTest::mouseMove(FormStart->Button2);
  EXPECT_EQ(MemoText(), "Programm beenden.");
  QTest::mouseMove(FormStart->BCardano);
  EXPECT_EQ(MemoText(),
            QString::fromUtf8(
                "Quadratische Gleichung wird mit Hilfe der \"Mitternachtsformel\"\n"
                "                  2\n"
                "        -b ± wur(b - 4ac)\n"
                "x    = —————————————————— gelöst.\n"
                " 1,2          2a\n"
                "\n"
                "Mit der Formel von Cardano kann man Gleichungen 3. und 4. Grades lösen.\n"
                "(Setzt die Kenntnis komplexer Zahlen vorraus.)\n"
                "\n"
                "Tipp: Über \"Schaubild|Nullstellen\" werden Nullstellen beliebiger \n"
                "      Funktionen (numerisch) berechnet."));
  QTest::mouseMove(FormStart->Button3);
  EXPECT_TRUE(MemoText().startsWith("            Rechenausdruck auswerten\n\n Zum Beispiel"));
  EXPECT_TRUE(MemoText().endsWith(QString::fromUtf8("Siehe \"Rechne|Hinweise\"!")));
  QTest::mouseMove(FormStart->Button4);
  EXPECT_TRUE(MemoText().endsWith(
      QString::fromUtf8("7 Oktaven höher + 12 Quinten tiefer)")));
  QTest::mouseMove(FormStart->B3D);
  EXPECT_TRUE(MemoText().startsWith("             Veranschaulichung\nvon Gerade-Ebene-Kugel\n"));
  QTest::mouseMove(FormStart->BGeometrie);
  EXPECT_TRUE(MemoText().startsWith("   Geometrie im dreidimensionalem Raum\n   ====="));
  QTest::mouseMove(FormStart->BLSG);
  EXPECT_TRUE(MemoText().startsWith("                LGS\n        Lineare Gleichungssysteme\n"));
}

TEST_F(StartWindowTest, TheBarePanelLeavesTheLastText) {
  FormStart->show();
  QTest::mouseMove(FormStart->Button1);
  const QString info = MemoText();
  EXPECT_TRUE(info.startsWith("                 lumatik\n"));
  QTest::mouseMove(FormStart->Panel1, QPoint(640, 12));
  EXPECT_EQ(MemoText(), info);
}

TEST_F(StartWindowTest, SchaubildOpensThePlotterAndHidesTheStartWindow) {
  FormStart->show();
  StartMode = 3;
  QTest::mouseClick(FormStart->BSchaubild, Qt::LeftButton);
  EXPECT_EQ(StartMode, 0);
  EXPECT_TRUE(Form1sb->isVisible());
  EXPECT_FALSE(FormStart->isVisible());
}

TEST_F(StartWindowTest, RechnePutsTheCalculatorInTheLowerRightCorner) {
  FormStart->show();
  FormStart->RevealAreaButtons();
  StartMode = 4;
  QTest::mouseClick(FormStart->Button3, Qt::LeftButton);
  EXPECT_TRUE(FRechne->isVisible());
  EXPECT_TRUE(BecomesActive(FRechne));
  EXPECT_FALSE(FormStart->isVisible());
  EXPECT_EQ(StartMode, 4);
  const QRect area = FRechne->screen()->availableGeometry();
  EXPECT_EQ(FRechne->frameGeometry().bottomRight(), area.bottomRight());
  // "groß" and back to small: the calculator keeps its frame on the screen.
  FRechne->gross1->trigger();
  EXPECT_EQ(FRechne->frameGeometry().bottomRight(), area.bottomRight());
}

TEST_F(StartWindowTest, LgsWithoutSettingsOpensAnEmptyMaximisedWorksheet) {
  QPlainTextEdit* worksheet = Worksheet();
  FormStart->show();
  FormStart->RevealAreaButtons();
  QTest::mouseClick(FormStart->BLSG, Qt::LeftButton);
  EXPECT_EQ(StartMode, 1);
  EXPECT_TRUE(FormLSG->isVisible());
  EXPECT_TRUE(FormLSG->windowState() & Qt::WindowMaximized);
  EXPECT_TRUE(FormStart->isVisible());
  EXPECT_TRUE(worksheet->toPlainText().isEmpty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(StartWindowTest, EachAreaLoadsItsOwnWorksheet) {
  QPlainTextEdit* worksheet = Worksheet();
  struct Area {
    QPushButton* TFormStart::*button;
    int mode;
    char letter;
  };
  const Area areas[] = {{&TFormStart::BLSG, 1, 'l'},       {&TFormStart::BCardano, 2, 'c'},
                        {&TFormStart::BGeometrie, 3, 'g'}, {&TFormStart::B3D, 4, 'd'},
                        {&TFormStart::BAlgebra, 6, 'a'}};
  for (const Area& area : areas) {
    const std::string first = std::string("Blatt ") + area.letter;
    ASSERT_TRUE(WriteTextLinesAtomically(SettingsFileName(area.letter), {first, "2 -1 5"}));
    worksheet->clear();
    QTest::mouseClick(FormStart->*area.button, Qt::LeftButton);
    EXPECT_EQ(StartMode, area.mode);
    EXPECT_EQ(worksheet->toPlainText(), QString::fromStdString(first + "\n2 -1 5"));
  }
}

TEST_F(StartWindowTest, KettenbruecheLoadsNothingEvenWithAFile) {
  QPlainTextEdit* worksheet = Worksheet();
  ASSERT_TRUE(WriteTextLinesAtomically(SettingsFileName('l'), {"nicht laden"}));
  worksheet->setPlainText("bleibt");
  QTest::mouseClick(FormStart->Button4, Qt::LeftButton);
  EXPECT_EQ(StartMode, 5);
  EXPECT_TRUE(FormLSG->isVisible());
  EXPECT_EQ(worksheet->toPlainText(), "bleibt");
}

TEST_F(StartWindowTest, UnreadableWorksheetFileKeepsTheMemo) {
  QPlainTextEdit* worksheet = Worksheet();
  worksheet->setPlainText("alt");
  // A folder where the file should be cannot be read as lines.
  QDir().mkpath(QString::fromStdString(SettingsFileName('g')));
  QTest::mouseClick(FormStart->BGeometrie, Qt::LeftButton);
  EXPECT_EQ(StartMode, 3);
  QDir().rmdir(QString::fromStdString(SettingsFileName('g')));
  EXPECT_EQ(worksheet->toPlainText(), "alt");
  EXPECT_TRUE(messages.empty());
}

TEST_F(StartWindowTest, ActivationHidesTheGraphAndEmptiesTheWorksheet) {
  QPlainTextEdit* worksheet = Worksheet();
  worksheet->setPlainText("ungespeichert");
  Form2sb->show();
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(FormStart, &activate);
  EXPECT_FALSE(Form2sb->isVisible());
  EXPECT_TRUE(worksheet->toPlainText().isEmpty());
}

TEST_F(StartWindowTest, SchliessenClosesTheStartWindowAndEndsTheRun) {
  FormStart->show();
  QSignalSpy closed(FormStart, &TFormStart::closed);
  QTest::mouseClick(FormStart->Button2, Qt::LeftButton);
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(FormStart->isVisible());
}

TEST_F(StartWindowTest, FormsCanBeMadeAgainAndAgain) {
  for (int run = 0; run < 3; ++run) {
    RestartForms();
    ASSERT_NE(FormStart, nullptr);
    ASSERT_NE(Form2sb, nullptr);
    EXPECT_FALSE(FormStart->BLSG->isVisibleTo(FormStart));
  }
}

}  // namespace
}  // namespace lumatik::testing
