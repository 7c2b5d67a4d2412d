// The list window and graph printing on the user's road: lists typed, taken over,
// saved and read, raw text jobs to lp, and the graph printed into a PDF file.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <fstream>
#include <iterator>

#include "plot/plotter_state.h"
#include "plot/windows/function_list_window.h"
#include "plotter_window_fixture.h"
#include "shell/windows/qtext.h"
#include "support/hostile_files.h"

namespace lumatik::testing {
namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Chooses the PDF printer in the next print dialog and types the file name
// there; `offered` gets the file name the dialog came with.
void AnswerNextPrintDialog(const QString& path, QString* offered = nullptr) {
  AnswerNextDialog([path, offered](QWidget* modal) {
    auto* dialog = qobject_cast<QPrintDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    ASSERT_NE(printers, nullptr);
    const int pdf = printers->findText(QStringLiteral("PDF"), Qt::MatchContains);
    ASSERT_GE(pdf, 0);
    printers->setCurrentIndex(pdf);
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(fileName, nullptr);
    if (offered) *offered = fileName->text();
    fileName->setText(path);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

class ListWindow : public PlotterOpened {
 protected:
  // "Liste ..." opened and its memo typed over.
  static void TypeList(const QStringList& lines) {
    if (!functionListWindow->isVisible()) ChooseMenu(functionInputWindow, {"Datei", "Liste ... "});
    ClickInto(functionListWindow->Memo1->viewport());
    QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Focused(), Qt::Key_Delete);
    for (int i = 0; i < lines.size(); ++i) {
      if (i > 0) QTest::keyClick(Focused(), Qt::Key_Return);
      TypeText(Focused(), lines[i]);
    }
  }

  QTemporaryDir folder;
};

// A stand-in for CUPS's lp keeps what it is given; without lp nothing is
// printed, and the window says so.
TEST_F(ListWindow, DruckenHandsEachLineRawToLp) {
  const QString lp = folder.filePath(QStringLiteral("lp"));
  const std::string record = folder.filePath(QStringLiteral("auftraege")).toStdString();
  std::ofstream(lp.toStdString()) << "#!/bin/sh\necho \"$*\" >> '" + record + ".args'\ncat >> '" + record + "'\n";
  QFile::setPermissions(lp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QByteArray savedPath = qgetenv("PATH");
  qputenv("PATH", QFile::encodeName(folder.path()) + ":" + savedPath);
  TypeList({"x^2", QString::fromUtf8("Text 1 1 12 |Größe")});
  QTest::mouseClick(functionListWindow->BDrucken, Qt::LeftButton);
  EXPECT_EQ(FileBytes(record), "      x^2\r\n      Text 1 1 12 |Gr\xF6\xDF" "e\r\n\f");
  const std::string raw = "-s -o raw -t My Document\n";
  EXPECT_EQ(FileBytes(record + ".args"), raw + raw + raw);
  EXPECT_TRUE(messages.empty());
  QFile::remove(lp);
  qputenv("PATH", QFile::encodeName(folder.path()));  // a folder without lp
  QTest::mouseClick(functionListWindow->BDrucken, Qt::LeftButton);
  qputenv("PATH", savedPath);
  EXPECT_EQ(messages, (std::vector<std::string>{"Nicht gedruckt"}));
}

// A binary file refused; saved as UTF-8 with LF, kept on a full disk, read back into the
// memo; "OK" takes the list without its empty lines, "Abbruch" leaves it.
TEST_F(ListWindow, ListFilesAreSavedSafelyReadBackAndTakenWithOk) {
  const QString path = folder.filePath(QStringLiteral("liste.txt"));
  TypeList({"x^2", QString::fromUtf8("Text 1 1 12 |Größe")});
  AnswerNextFileDialog(QString::fromStdString(MakeBinaryFile(folder.filePath("bild.bmp").toStdString())));
  QTest::mouseClick(functionListWindow->BEinlesen, Qt::LeftButton);
  EXPECT_EQ(messages, std::vector<std::string>{"Nicht eingelesen\nDas ist keine Textdatei."});
  EXPECT_EQ(MemoLines(functionListWindow->Memo1).size(), 2u);
  messages.clear();
  AnswerNextFileDialog(path);
  QTest::mouseClick(functionListWindow->BSpeichern, Qt::LeftButton);
  const std::string saved = "x^2\nText 1 1 12 |Gr\xC3\xB6\xC3\x9F" "e\n";
  EXPECT_EQ(FileBytes(path.toStdString()), saved);
  EXPECT_EQ(Plotter().LastListFile, path.toStdString());
  TypeList({"1/3*x^3-3*x", "sin(x)", "cos(x)"});
  // The same name again: the dialog asks before it lets the file be replaced.
  AnswerNextDialog([path](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(path);
    AnswerNextMessageBox(QMessageBox::Yes);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  {
    const FullDisk full(8);
    QTest::mouseClick(functionListWindow->BSpeichern, Qt::LeftButton);
  }
  EXPECT_EQ(messages, (std::vector<std::string>{"Nicht gespeichert"}));
  EXPECT_EQ(FileBytes(path.toStdString()), saved);
  AnswerNextFileDialog(path);
  QTest::mouseClick(functionListWindow->BEinlesen, Qt::LeftButton);
  EXPECT_EQ(functionListWindow->Memo1->toPlainText(), QString::fromUtf8("x^2\nText 1 1 12 |Größe"));
  EXPECT_EQ(functionInputWindow->PlotList(), (std::vector<std::string>{"1/3*x^3-3*x"}));  // nothing taken before "OK"
  TypeList({"x^2", "Text 1 2 12 |", "   ", "", "1/x", ""});
  QTest::mouseClick(functionListWindow->BOk, Qt::LeftButton);
  EXPECT_EQ(functionInputWindow->PlotList(), (std::vector<std::string>{"x^2", "1/x"}));
  EXPECT_EQ(functionInputWindow->FunctionText(), "x^2");
  EXPECT_FALSE(functionListWindow->isVisible());
  TypeList({"x^7"});
  QTest::mouseClick(functionListWindow->BAbbruch, Qt::LeftButton);
  EXPECT_EQ(functionInputWindow->PlotList(), (std::vector<std::string>{"x^2", "1/x"}));
}

// Esc while a long list is drawn ends the redraw before its last line (a red circle);
// a click on the graph and Esc hide and show the input window as before.
TEST_F(ListWindow, EscEndsTheRedrawOfALongList) {
  const QString path = folder.filePath(QStringLiteral("lang.txt"));
  {
    std::ofstream out(path.toStdString(), std::ios::binary);
    for (int i = 1; i <= 5000; ++i) out << "x^2/" << i << "\r\n";
    out << "Kreis 3,5 3,5 0,3 rot\r\n";
  }
  ChooseMenu(functionInputWindow, {"Datei", "Liste ... "});
  AnswerNextFileDialog(path);
  QTest::mouseClick(functionListWindow->BEinlesen, Qt::LeftButton);
  QTimer::singleShot(300, graphWindow, [] { QTest::keyClick(graphWindow, Qt::Key_Escape); });
  QTest::mouseClick(functionListWindow->BZurueck, Qt::LeftButton);
  EXPECT_TRUE(functionInputWindow->CBAlle->isChecked());
  EXPECT_EQ(functionInputWindow->PlotList().size(), 5001u);
  EXPECT_FALSE(PictureShows(kScreenRed, 3.5L, 3.5L));
  EXPECT_TRUE(functionInputWindow->isVisible());
  QTest::mouseClick(graphWindow->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  EXPECT_FALSE(functionInputWindow->isVisible());
  QTest::keyClick(graphWindow, Qt::Key_Escape);  // the graph has the keys: Esc brings the input window back
  EXPECT_TRUE(functionInputWindow->isVisible());
}

// Printed through the print dialog into a PDF file (that of "Beispiel Liste" is kept
// for a look); a file that cannot be written is no printout.
TEST_F(ListWindow, PrintingThroughThePrintDialog) {
  ChooseMenu(functionInputWindow, {"Hilfe", "Beispiel Liste"});
  for (int click = 0; click < 2; ++click)  // the input window takes the list's first line
    QTest::mouseClick(graphWindow->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  Settle();
  AnswerNextPrintDialog(QStringLiteral(LUMATIK_PRINTOUT_PDF));
  ChooseMenu(functionInputWindow, {"Drucken", "Schaubild drucken mit Text"});
  EXPECT_TRUE(messages.empty());
  EXPECT_GT(QFileInfo(QStringLiteral(LUMATIK_PRINTOUT_PDF)).size(), 1000);
  QString offered;
  AnswerNextPrintDialog(folder.filePath(QStringLiteral("kein/ordner/seite.pdf")), &offered);
  ChooseMenu(functionInputWindow, {"Drucken", "Schaubild drucken"});
  EXPECT_EQ(messages, (std::vector<std::string>{"Nicht gedruckt"}));
  EXPECT_EQ(offered, QStringLiteral(LUMATIK_PRINTOUT_PDF));  // the last file chosen
}

}  // namespace
}  // namespace lumatik::testing
