// The worksheet window as a user meets it: opened from the start window in
// one of its areas, with that area's menus, running the menu commands on
// its memo, saving its worksheet when it closes and loading it again.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>

#include "app/forms.h"
#include "shell/codepage.h"
#include "shell/messagesink.h"
#include "shell/settingsfiles.h"
#include "shell/windows/forms.h"
#include "shell/windows/luinput.h"
#include "shell/windows/qtext.h"
#include "shell/windows/unitstart.h"
#include "support/hostile_files.h"
#include "support/window_test_support.h"
#include "worksheet/windows/unitlsg.h"

namespace lumatik {
namespace {

using testing::AnswerNextDialog;
using testing::AnswerNextFileDialog;
using testing::AnswerNextHint;

std::vector<std::string> FileLines(const std::string& path) {
  std::vector<std::string> lines;
  EXPECT_TRUE(ReadTextLines(path, lines)) << path;
  return lines;
}

class WorksheetWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (char letter : {'l', 'c', 'g', 'd', 'a', 'i'}) std::remove(SettingsFileName(letter).c_str());
    SetMessageSink([this](const std::string& text) { messages.push_back(text); });
    CreateForms();
    FormStart->show();
    FormStart->RevealAreaButtons();
  }
  void TearDown() override {
    DestroyForms();
    SetMessageSink(nullptr);
  }

  // Opens an area as its start button does and waits until the worksheet
  // window is the active window.
  // The button is clicked in the active start window, which has emptied
  // the worksheet memo on its activation.
  void Open(QPushButton* TFormStart::*button) {
    Click(button);
    ASSERT_TRUE(testing::BecomesActive(FormLSG));
  }
  void Click(QPushButton* TFormStart::*button) {
    FormStart->activateWindow();
    ASSERT_TRUE(testing::BecomesActive(FormStart));
    QTest::mouseClick(FormStart->*button, Qt::LeftButton);
  }

  QAction* Item(WorksheetMenu menu, const char* caption) {
    QAction* action = FormLSG->MenuItem(menu, Cp1252(caption));
    EXPECT_NE(action, nullptr) << caption;
    return action;
  }

  QStringList VisibleMenus() const {
    QStringList titles;
    for (QAction* action : FormLSG->menuBar()->actions())
      if (action->isVisible()) titles << action->text();
    return titles;
  }

  QString Memo() const { return FormLSG->Memo1->toPlainText(); }

  std::vector<std::string> messages;
};

TEST_F(WorksheetWindowTest, LgsOpensTheMaximisedWorksheetWithItsMenu) {
  Open(&TFormStart::BLSG);
  EXPECT_EQ(StartMode, 1);
  EXPECT_TRUE(FormLSG->isVisible());
  EXPECT_TRUE(FormLSG->windowState() & Qt::WindowMaximized);
  EXPECT_EQ(FormLSG->windowTitle(), "Linare Gleichungssysteme");
  EXPECT_EQ(VisibleMenus(), (QStringList{"Datei", QString::fromUtf8("Alles löschen"), "LSG",
                                         QString::fromUtf8("Erläuterung")}));
  EXPECT_TRUE(FormStart->isVisible());
  EXPECT_TRUE(Memo().isEmpty());
}

TEST_F(WorksheetWindowTest, EachAreaShowsItsMenusAndCaption) {
  struct Area {
    QPushButton* TFormStart::*button;
    QStringList menus;
    const char* caption;
  };
  const QString datei = "Datei";
  const QString clear = QString::fromUtf8("Alles löschen");
  const QString explain = QString::fromUtf8("Erläuterung");
  const Area areas[] = {
      {&TFormStart::BCardano, {datei, clear, "Gleichungen", explain},
       "quadratische Gleichung und Gleichungen 3. und 4. Grades"},
      {&TFormStart::BGeometrie, {datei, clear, "Geometrie", "3D-Zeichnen", explain},
       "Geraden, Ebenen und Kugeln im Raum"},
      {&TFormStart::B3D, {datei, clear, "3D-Zeichnen", explain}, "Dreidimensionale Körper zeichnen"},
      // Continued fractions set no caption: the last area's stays.
      {&TFormStart::Button4, {datei, clear, QString::fromUtf8("Kettenbrüche"), explain},
       "Dreidimensionale Körper zeichnen"},
  };
  for (const Area& area : areas) {
    Open(area.button);
    EXPECT_EQ(VisibleMenus(), area.menus);
    EXPECT_EQ(FormLSG->windowTitle(), QString::fromUtf8(area.caption));
    FormLSG->close();
  }
  QAction* draw = Item(WorksheetMenu::Zeichnen3D, "Zeichne");
  ASSERT_NE(draw, nullptr);
  EXPECT_EQ(draw->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
}

TEST_F(WorksheetWindowTest, AlgebraSaysItIsNotReadyOnce) {
  QString hint;
  AnswerNextDialog([&hint](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    hint = dialog->Memo1->toPlainText();
    EXPECT_TRUE(dialog->BAbbrechen->isVisible());
    dialog->BOk->click();
  });
  Click(&TFormStart::BAlgebra);
  EXPECT_TRUE(QTest::qWaitFor([&hint] { return !hint.isEmpty(); }));
  EXPECT_EQ(hint, "Leider noch nicht fertig");
  // Back from the hint, the window is active again without a second hint.
  bool again = false;
  AnswerNextDialog(
      [&again](QWidget* modal) {
        again = true;
        if (auto* dialog = qobject_cast<TFormluinput*>(modal)) dialog->BOk->click();
      },
      300);
  FormLSG->activateWindow();
  QTest::qWait(400);
  EXPECT_FALSE(again);
  EXPECT_EQ(FormLSG->windowTitle(), "Algebra");
  EXPECT_EQ(VisibleMenus(), (QStringList{"Datei", QString::fromUtf8("Alles löschen"), "Algebra",
                                         QString::fromUtf8("Erläuterung")}));
}

TEST_F(WorksheetWindowTest, ExampleThenRechneSolvesTheSystemInTheMemo) {
  Open(&TFormStart::BLSG);
  Item(WorksheetMenu::LSG, "Beispiel LGS 3*3")->trigger();
  EXPECT_TRUE(Memo().startsWith("n=3 (Zahl der Unbekannten) m=3 (Zahl der Gleichungen)\n5   -7  1 | 9\n"));
  Item(WorksheetMenu::LSG, "Rechne Lin. Gl.-System allgemein")->trigger();
  EXPECT_TRUE(Memo().contains(QString::fromUtf8("o.K.  Probe mit Lösung (-115/144;-13/8;233/144)"))) << Memo().toStdString();
  EXPECT_FALSE(Memo().contains("Jetzt auf"));

  // A second example on a worksheet in use only says so.
  const QString solved = Memo();
  Item(WorksheetMenu::LSG, "Beispiel LGS 2*2")->trigger();
  EXPECT_EQ(Memo(), solved);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], Cp1252("Zuerst \"Alles löschen\"!"));
}

TEST_F(WorksheetWindowTest, WideSystemsGetAHorizontalScrollBar) {
  Open(&TFormStart::BLSG);
  EXPECT_EQ(FormLSG->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  Item(WorksheetMenu::LSG, "Beispiel LGS  11*4")->trigger();
  Item(WorksheetMenu::LSG, "Rechne Lin. Gl.-System allgemein")->trigger();
  EXPECT_EQ(FormLSG->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(FormLSG->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  FormLSG->MenuAction(WorksheetMenu::AllesLoeschen)->trigger();
  Item(WorksheetMenu::LSG, "Beispiel LGS 2*2")->trigger();
  Item(WorksheetMenu::LSG, "Rechne Lin. Gl.-System allgemein")->trigger();
  EXPECT_EQ(FormLSG->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(WorksheetWindowTest, CommandHintsAppearInTheHintDialog) {
  Open(&TFormStart::BLSG);
  FormLSG->Memo1->setPlainText("2 3 | 4");
  QString hint;
  AnswerNextHint(hint);
  Item(WorksheetMenu::LSG, "Rechne Lin. Gl.-System allgemein")->trigger();
  EXPECT_EQ(hint, QString::fromUtf8("In Zeile 1 muss \"n=..\" (Anzahl der Gleichungen) stehen"));
  EXPECT_EQ(Memo(), "2 3 | 4");
}

// A coefficient is any term without blanks: one the engine cannot compute
// is named in the hint and nothing is computed; corrected, it is solved.
TEST_F(WorksheetWindowTest, TypedTermsAreComputedOrNamedInTheHint) {
  Open(&TFormStart::BLSG);
  const auto typeLines = [](const QStringList& lines) {
    // Back in the worksheet after the hint dialog, the user clicks the memo.
    FormLSG->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FormLSG));
    QTest::mouseClick(FormLSG->Memo1->viewport(), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), FormLSG->Memo1);
    for (const QString& line : lines) {
      QTest::keyClicks(QApplication::focusWidget(), line);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
  };
  typeLines({"n=2 m=2", "wurzel(3) 1 | 2", "Pi/2 1 | 1"});
  const QString typed = Memo();
  QString hint;
  AnswerNextHint(hint);
  Item(WorksheetMenu::LSG, "Rechne Lin. Gl.-System allgemein")->trigger();
  EXPECT_TRUE(hint.startsWith(QString::fromUtf8("Abbruch:In Zeile 2 kann \"wurzel(3)\" nicht berechnet werden")))
      << hint.toStdString();
  EXPECT_EQ(Memo(), typed);

  FormLSG->MenuAction(WorksheetMenu::AllesLoeschen)->trigger();
  typeLines({"n=2 m=2", "wur(3) 1 | 2", "Pi/2 1 | 1"});
  Item(WorksheetMenu::LSG, "Rechne Lin. Gl.-System allgemein")->trigger();
  EXPECT_TRUE(Memo().contains("\nx1=6,201 378 065 280 748 932\n")) << Memo().toStdString();
  EXPECT_TRUE(Memo().contains(QString::fromUtf8("o.K.  Probe mit Lösung (6,201 378 065 280 748 932;"))) << Memo().toStdString();
}

TEST_F(WorksheetWindowTest, EquationsTwoClickConvention) {
  Open(&TFormStart::BCardano);
  Item(WorksheetMenu::Gleichungen, "Gleichung 4. Grades")->trigger();
  EXPECT_TRUE(Memo().startsWith("Gleichung vierten Grades a=1 b=-10 c=35 d=-50 e=24\n"));
  Item(WorksheetMenu::Gleichungen, "Gleichung 4. Grades")->trigger();
  EXPECT_TRUE(Memo().contains(QString::fromUtf8("Lösung:x1=2                    x2=1"))) << Memo().toStdString();
  EXPECT_TRUE(Memo().contains(QString::fromUtf8("Lösung:x3=4                    x4=3")));
}

TEST_F(WorksheetWindowTest, ClosingSavesAndReopeningLoads) {
  Open(&TFormStart::BLSG);
  Item(WorksheetMenu::LSG, "Beispiel LGS 2*2")->trigger();
  Item(WorksheetMenu::LSG, "Rechne Lin. Gl.-System allgemein")->trigger();
  const std::vector<std::string> worksheet = FormLSG->Lines();
  Item(WorksheetMenu::Datei, "Schließen")->trigger();
  EXPECT_FALSE(FormLSG->isVisible());
  EXPECT_TRUE(FormStart->isVisible());
  EXPECT_EQ(FileLines(SettingsFileName('l')), worksheet);

  // The start window empties the worksheet when it becomes active again;
  // "LGS" brings the saved one back.
  Open(&TFormStart::BLSG);
  EXPECT_EQ(FormLSG->Lines(), worksheet);

  // And so does the next run of the program.
  FormLSG->close();
  DestroyForms();
  CreateForms();
  FormStart->show();
  Open(&TFormStart::BLSG);
  EXPECT_EQ(FormLSG->Lines(), worksheet);
  // The other areas keep files of their own.
  FormLSG->close();
  Open(&TFormStart::BCardano);
  EXPECT_TRUE(Memo().isEmpty());
}

TEST_F(WorksheetWindowTest, AFailedSaveKeepsThePreviousWorksheetAndSaysSo) {
  Open(&TFormStart::BLSG);
  FormLSG->Memo1->setPlainText("n=1\n2 | 1");
  FormLSG->close();
  Open(&TFormStart::BLSG);
  FormLSG->Memo1->setPlainText("ganz anders\nund viel l\xC3\xA4nger als zuvor");
  {
    const testing::FullDisk full(16);
    FormLSG->close();
  }
  EXPECT_EQ(messages, std::vector<std::string>{"Nicht gespeichert"});
  EXPECT_EQ(FileLines(SettingsFileName('l')), (std::vector<std::string>{"n=1", "2 | 1"}));
}

TEST_F(WorksheetWindowTest, EinlesenRefusesATenMegabyteLineWithTheReason) {
  Open(&TFormStart::BLSG);
  FormLSG->Memo1->setPlainText("n=1");
  QTemporaryDir folder;
  const std::string file = testing::MakeLongLineFile(folder.filePath("zeile.txt").toStdString(), 10u << 20);
  AnswerNextFileDialog(QString::fromStdString(file));
  Item(WorksheetMenu::Datei, "Einlesen")->trigger();
  EXPECT_EQ(messages, std::vector<std::string>{"Abbruch!\n" + Cp1252("Die Datei ist zu groß (mehr als 4 MB).")});
  EXPECT_EQ(Memo(), "n=1");
}

TEST_F(WorksheetWindowTest, ABinaryAreaFileLeavesTheWorksheetEmpty) {
  testing::MakeBinaryFile(SettingsFileName('l'));
  Open(&TFormStart::BLSG);
  EXPECT_TRUE(Memo().isEmpty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(WorksheetWindowTest, EscapeInTheMemoClosesAndSaves) {
  Open(&TFormStart::BCardano);
  FormLSG->Memo1->setPlainText(QString::fromUtf8("quadratische Gleichung a=1 b=-3 c=2\nÄnderung"));
  QTest::keyClick(FormLSG->Memo1, Qt::Key_Escape);
  EXPECT_FALSE(FormLSG->isVisible());
  EXPECT_EQ(FileLines(SettingsFileName('c')),
            (std::vector<std::string>{"quadratische Gleichung a=1 b=-3 c=2", Cp1252("Änderung")}));
}

TEST_F(WorksheetWindowTest, ContinuedFractionsKeepNoFile) {
  Open(&TFormStart::Button4);
  FormLSG->Memo1->setPlainText("3 7 15 1");
  FormLSG->close();
  for (char letter : {'l', 'c', 'g', 'd', 'a'}) {
    std::ifstream file(SettingsFileName(letter));
    EXPECT_FALSE(file.good()) << letter;
  }
}

TEST_F(WorksheetWindowTest, AllesLoeschenAndErlaeuterung) {
  Open(&TFormStart::BLSG);
  FormLSG->Memo1->setPlainText("etwas");
  FormLSG->MenuAction(WorksheetMenu::AllesLoeschen)->trigger();
  EXPECT_TRUE(Memo().isEmpty());
  QString hint;
  AnswerNextHint(hint);
  FormLSG->MenuAction(WorksheetMenu::Erlaeuterung)->trigger();
  EXPECT_TRUE(hint.startsWith(QString::fromUtf8("Klicken Sie auf \"Alles löschen\"!\nDann auf ihr gewünschtes Menü:")))
      << hint.toStdString();
  EXPECT_TRUE(hint.endsWith(QString::fromUtf8("Tipp: Manchmal ist eine Veranschaulichung mit \"Zeichne\" nützlich.")));
}

TEST_F(WorksheetWindowTest, BlattZuOberstKeepsTheWindowOnTop) {
  Open(&TFormStart::BLSG);
  Item(WorksheetMenu::Datei, "Blatt zu oberst")->trigger();
  EXPECT_TRUE(FormLSG->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(FormLSG->isVisible());
  EXPECT_TRUE(FormLSG->windowState() & Qt::WindowMaximized);
}

TEST_F(WorksheetWindowTest, SaveAndLoadRememberTheLastFile) {
  Open(&TFormStart::BLSG);
  const QString folder = QFileInfo(QString::fromStdString(SettingsFileName('l'))).absolutePath();
  const QString first = folder + "/erste.txt";
  const QString second = folder + "/zweite.txt";
  FormLSG->Memo1->setPlainText(QString::fromUtf8("n=1\n3 | 1\nGrüße"));

  AnswerNextFileDialog(first);
  Item(WorksheetMenu::Datei, "Speichern")->trigger();
  EXPECT_EQ(FileLines(first.toStdString()), (std::vector<std::string>{"n=1", "3 | 1", Cp1252("Grüße")}));
  EXPECT_EQ(FileLines(TFormLSG::LastFileRecordName()), std::vector<std::string>{first.toStdString()});

  // Load presets the dialog with the last file; then saving under another
  // name leaves that name in the record.
  FormLSG->ClearLines();
  QString preset;
  AnswerNextFileDialog(first, &preset);
  Item(WorksheetMenu::Datei, "Einlesen")->trigger();
  EXPECT_EQ(preset, first);
  EXPECT_EQ(FormLSG->Lines(), (std::vector<std::string>{"n=1", "3 | 1", Cp1252("Grüße")}));
  AnswerNextFileDialog(second);
  Item(WorksheetMenu::Datei, "Speichern")->trigger();
  EXPECT_EQ(FileLines(TFormLSG::LastFileRecordName()), std::vector<std::string>{second.toStdString()});
  EXPECT_TRUE(messages.empty());

  // Cancelled dialogs say so and change nothing.
  AnswerNextFileDialog(QString());
  Item(WorksheetMenu::Datei, "Einlesen")->trigger();
  AnswerNextFileDialog(QString());
  Item(WorksheetMenu::Datei, "Speichern")->trigger();
  EXPECT_EQ(messages, (std::vector<std::string>{"Abbruch!", "Nicht gespeichert"}));
  EXPECT_EQ(FormLSG->Lines(), (std::vector<std::string>{"n=1", "3 | 1", Cp1252("Grüße")}));
}

// An item whose computation is not built yet is switched off, so that no
// click does nothing; the whole 3-D menu is off.
TEST_F(WorksheetWindowTest, ItemsWithoutTheirComputationAreOff) {
  Open(&TFormStart::BGeometrie);
  EXPECT_FALSE(Item(WorksheetMenu::Geometrie, "Zeichne")->isEnabled());
  for (const char* caption : {"Ebene x=p+s*u+t*v", "Ebene ABC", "Ebene ax1+bx2+cx3=d", "Abstand Punkt Ebene", "Vektor",
                              "Zwei Vektoren", "Abstand Punkt Gerade", "Gerade Ebene", "zwei Geraden", "Gerade-Kugel",
                              "Dreieck", "Kugel durch ABCD"})
    EXPECT_TRUE(Item(WorksheetMenu::Geometrie, caption)->isEnabled()) << caption;
  EXPECT_TRUE(FormLSG->MenuAction(WorksheetMenu::Geometrie)->isEnabled());
  EXPECT_FALSE(FormLSG->MenuAction(WorksheetMenu::Zeichnen3D)->isEnabled());
}

}  // namespace
}  // namespace lumatik
