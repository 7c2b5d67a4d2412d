// The worksheet window as a user meets it: the example and "Rechne" from the
// menu, and the worksheet saved when it closes, safely.

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QScrollBar>

#include "shell/codepage.h"
#include "support/hostile_files.h"
#include "support/pdf_text.h"
#include "support/window_test_support.h"
#include "worksheet/windows/worksheet_window.h"

namespace lumatik::testing {
namespace {

std::vector<std::string> FileLines(const std::string& path) {
  std::vector<std::string> lines;
  EXPECT_TRUE(ReadTextLines(path, lines)) << path;
  return lines;
}

class WorksheetWindowTest : public FormsTest {
 protected:
  void SetUp() override {
    RemoveSettingsFile('i');
    FormsTest::SetUp();
  }
  static QString Memo() { return worksheetWindow->Memo1->toPlainText(); }
  // Lines typed into the memo after a click into it.
  static void TypeLines(const QStringList& lines) {
    ClickInto(worksheetWindow->Memo1->viewport());
    for (const QString& line : lines) {
      TypeText(Focused(), line);
      QTest::keyClick(Focused(), Qt::Key_Return);
    }
  }
};

const QString kRechne = QStringLiteral("Rechne Lin. Gl.-System allgemein");

TEST_F(WorksheetWindowTest, ExampleThenRechneSolvesTheSystemInTheMemo) {
  OpenFromStart(startWindow->BLSG, worksheetWindow);
  ChooseMenu(worksheetWindow, {"LSG", "Beispiel LGS 3*3"});
  EXPECT_TRUE(Memo().startsWith("n=3 (Zahl der Unbekannten) m=3 (Zahl der Gleichungen)\n5   -7  1 | 9\n"));
  ChooseMenu(worksheetWindow, {"LSG", kRechne});
  EXPECT_TRUE(Memo().contains(QString::fromUtf8("o.K.  Probe mit Lösung (-115/144;-13/8;233/144)"))) << Memo().toStdString();
  const QString solved = Memo();
  ChooseMenu(worksheetWindow, {"LSG", "Beispiel LGS 2*2"});  // a worksheet in use only says so
  EXPECT_EQ(Memo(), solved);
  EXPECT_EQ(messages, std::vector<std::string>{Cp1252("Zuerst \"Alles löschen\"!")});
}

// Tasks typed by hand: a row of letters is refused by name, and a quartic
// on a single line gets its worked text with the blank lines.
TEST_F(WorksheetWindowTest, TasksTypedByHand) {
  OpenFromStart(startWindow->BLSG, worksheetWindow);
  TypeLines({"n=2 m=2", "1 2 | 3", "a b | c"});
  QString hint;
  AnswerNextHint(hint);
  ChooseMenu(worksheetWindow, {"LSG", kRechne});
  EXPECT_TRUE(hint.startsWith(QString::fromUtf8("Abbruch:In Zeile 3 kann \"a\" nicht berechnet werden"))) << hint.toStdString();
  EXPECT_FALSE(Memo().contains("o.K."));
  ChooseMenu(worksheetWindow, {"Datei", QString::fromUtf8("Schließen")});
  OpenFromStart(startWindow->BCardano, worksheetWindow);
  TypeLines({"Gleichung vierten Grades a=1 b=-10 c=35 d=-50 e=24"});
  ChooseMenu(worksheetWindow, {"Gleichungen", "Gleichung 4. Grades"});
  EXPECT_TRUE(Memo().contains("\n\n1.Schritt:\n")) << Memo().toStdString();
}

// "Blatt zu oberst" makes the window anew; the start window behind it
// becomes active meanwhile, as a window manager makes it.
TEST_F(WorksheetWindowTest, BlattZuOberstKeepsTheSheetCaretAndViewAndClosingSavesIt) {
  OpenFromStart(startWindow->BGeometrie, worksheetWindow);
  QStringList typed;
  for (int i = 0; i < 80; ++i) typed << QStringLiteral("Zeile %1").arg(i);
  TypeLines(typed);
  worksheetWindow->Memo1->moveCursor(QTextCursor::Start);
  for (int i = 0; i < 40; ++i) QTest::keyClick(Focused(), Qt::Key_Down);
  QTest::keyClick(Focused(), Qt::Key_Right);
  const int caret = worksheetWindow->Memo1->textCursor().position();
  const int top = worksheetWindow->Memo1->verticalScrollBar()->value();
  const std::vector<std::string> sheet = worksheetWindow->Lines();
  ChooseMenu(worksheetWindow, {"Datei", "Blatt zu oberst"});
  ActivateOnClick(startWindow);
  Settle();
  EXPECT_TRUE(worksheetWindow->isVisible());
  EXPECT_TRUE(worksheetWindow->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(worksheetWindow->Lines(), sheet);
  EXPECT_EQ(worksheetWindow->Memo1->textCursor().position(), caret);
  EXPECT_EQ(worksheetWindow->Memo1->verticalScrollBar()->value(), top);
  ChooseMenu(worksheetWindow, {"Datei", QString::fromUtf8("Schließen")});
  EXPECT_EQ(FileLines(SettingsFileName('g')), sheet);
}

TEST_F(WorksheetWindowTest, ClosingSavesAndReopeningLoads) {
  OpenFromStart(startWindow->BLSG, worksheetWindow);
  ChooseMenu(worksheetWindow, {"LSG", "Beispiel LGS 2*2"});
  ChooseMenu(worksheetWindow, {"LSG", kRechne});
  const std::vector<std::string> worksheet = worksheetWindow->Lines();
  ChooseMenu(worksheetWindow, {"Datei", QString::fromUtf8("Schließen")});
  EXPECT_FALSE(worksheetWindow->isVisible());
  EXPECT_EQ(FileLines(SettingsFileName('l')), worksheet);
  RestartForms();
  OpenFromStart(startWindow->BLSG, worksheetWindow);
  EXPECT_EQ(worksheetWindow->Lines(), worksheet);
  // Escape in the memo closes and saves too; the equations keep their own file.
  ClickInto(worksheetWindow->Memo1->viewport());
  Press(Qt::Key_Escape);
  OpenFromStart(startWindow->BCardano, worksheetWindow);
  EXPECT_TRUE(Memo().isEmpty());
  TypeLines({QString::fromUtf8("Änderung")});
  ClickInto(worksheetWindow->Memo1->viewport());
  Press(Qt::Key_Escape);
  EXPECT_FALSE(worksheetWindow->isVisible());
  EXPECT_EQ(FileLines(SettingsFileName('c')), std::vector<std::string>{Cp1252("Änderung")});
}

TEST_F(WorksheetWindowTest, AFailedSaveKeepsThePreviousWorksheetAndSaysSo) {
  OpenFromStart(startWindow->BLSG, worksheetWindow);
  ChooseMenu(worksheetWindow, {"LSG", "Beispiel LGS 2*2"});
  const std::vector<std::string> saved = worksheetWindow->Lines();
  ChooseMenu(worksheetWindow, {"Datei", QString::fromUtf8("Schließen")});
  OpenFromStart(startWindow->BLSG, worksheetWindow);
  TypeLines({QString::fromUtf8("und viel länger als zuvor, damit die volle Platte es merkt")});
  {
    const FullDisk full(16);
    ChooseMenu(worksheetWindow, {"Datei", QString::fromUtf8("Schließen")});
  }
  EXPECT_EQ(messages, std::vector<std::string>{"Nicht gespeichert"});
  EXPECT_EQ(FileLines(SettingsFileName('l')), saved);
}

// "Datei > Drucken …" through the print dialog's PDF printer: the page
// holds the area's title and every line of the memo.
TEST_F(WorksheetWindowTest, PrintingPutsTheLinesOnPaper) {
  OpenFromStart(startWindow->BCardano, worksheetWindow);
  ChooseMenu(worksheetWindow, {QString::fromUtf8("Alles löschen")});
  QStringList lines;
  for (int i = 1; i <= 100; ++i) lines << QStringLiteral("Zeile %1: x^2-%1*x+1=0").arg(i);
  TypeLines(lines);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("blatt.pdf"));
  AnswerNextDialog([path](QWidget* modal) {
    auto* dialog = qobject_cast<QPrintDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    ASSERT_NE(printers, nullptr);
    printers->setCurrentIndex(printers->findText(QStringLiteral("PDF"), Qt::MatchContains));
    TypeInto(dialog->findChild<QLineEdit*>(QStringLiteral("filename")), path);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  ChooseMenu(worksheetWindow, {"Datei", QString::fromUtf8("Drucken …")});
  EXPECT_TRUE(messages.empty());
  ASSERT_TRUE(QFileInfo::exists(path));
  const std::optional<QString> text = PdfText(path);
  if (!text) GTEST_SKIP() << "no pdftotext";
  EXPECT_TRUE(text->contains(QStringLiteral("quadratische Gleichung und Gleichungen 3. und 4. Grades")));
  // A hundred lines take two pages.
  EXPECT_TRUE(text->contains(QStringLiteral("1/2")) && text->contains(QStringLiteral("2/2")));
  for (const QString& line : lines) EXPECT_TRUE(text->contains(line)) << line.toStdString();
}

}  // namespace
}  // namespace lumatik::testing
