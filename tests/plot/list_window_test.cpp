// The list window and printing: the edited list taken over, list files,
// raw text jobs, and the graph printed to a PDF file.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "plot/plotter_state.h"
#include "plot/plotter_window_fixture.h"
#include "plot/rawprint.h"
#include "plot/windows/unit3sb.h"
#include "shell/codepage.h"
#include "shell/windows/qtext.h"
#include "support/hostile_files.h"
#include "support/window_test_support.h"

namespace lumatik {
namespace {

using testing::AnswerNextDialog;

// Counts the raw jobs instead of printing them.
class RecordingSink : public RawPrintSink {
 public:
  explicit RecordingSink(std::vector<std::string>* jobs) : jobs_(jobs) {}
  bool sendJob(const std::string& bytes) override {
    jobs_->push_back(bytes);
    return true;
  }

 private:
  std::vector<std::string>* jobs_;
};

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Chooses the file in the next file dialog, or cancels it.
void AnswerFileDialog(const QString& path, bool accept = true) {
  AnswerNextDialog([path, accept](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    if (!accept) {
      dialog->reject();
      return;
    }
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

class ListWindow : public testing::PlotterOpened {
 protected:
  void SetUp() override {
    PlotterOpened::SetUp();
  }
  // The list typed over in the memo, as the user types it.
  static void SetMemo(const char* utf8) {
    if (!Form3sb->isVisible()) Form1sb->Listebearbeiten1->trigger();
    ClickInto(Form3sb->Memo1->viewport());
    QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Focused(), Qt::Key_Delete);
    for (const QString& line : QString::fromUtf8(utf8).split(QLatin1Char('\n'))) {
      if (line != QString::fromUtf8(utf8).split(QLatin1Char('\n')).front()) QTest::keyClick(Focused(), Qt::Key_Return);
      testing::TypeText(Focused(), line);
    }
  }
  static std::vector<std::string> Memo() { return MemoLines(Form3sb->Memo1); }
  // Two clicks on the graph: the input window, shown again, takes the
  // list's first line as its function text.
  static void HideAndShowTheInputWindow() {
    for (int click = 0; click < 2; ++click)
      QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    Settle();
  }

  QTemporaryDir folder;
};

TEST_F(ListWindow, DesignedMemoTextIsGoneAtStart) { EXPECT_TRUE(Form3sb->Memo1->toPlainText().isEmpty()); }

TEST_F(ListWindow, OkDropsEmptyTextLinesAndBlankLines) {
  Form1sb->Listebearbeiten1->trigger();
  EXPECT_TRUE(Form3sb->isVisible());
  SetMemo("x^2\nText 1 2 12 |\n   \n\n1/x\n");
  QTest::mouseClick(Form3sb->BOk, Qt::LeftButton);
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"x^2", "1/x"}));
  EXPECT_EQ(Form1sb->FunctionText(), "x^2");
  EXPECT_FALSE(Form3sb->isVisible());
}

TEST_F(ListWindow, OkWithAnEmptyFirstLineLeavesTheFunctionEmpty) {
  Form1sb->Listebearbeiten1->trigger();
  SetMemo("\nx^3\n");
  QTest::mouseClick(Form3sb->BOk, Qt::LeftButton);
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"x^3"}));
  EXPECT_EQ(Form1sb->FunctionText(), "");
}

TEST_F(ListWindow, AbbruchKeepsTheList) {
  Form1sb->BeispielListe1->trigger();
  const std::vector<std::string> list = Form1sb->PlotList();
  ASSERT_EQ(Memo(), list);
  SetMemo("x^7");
  QTest::mouseClick(Form3sb->BAbbruch, Qt::LeftButton);
  EXPECT_FALSE(Form3sb->isVisible());
  EXPECT_EQ(Form1sb->PlotList(), list);
  Form1sb->Listebearbeiten1->trigger();
  EXPECT_EQ(Memo(), list);
}

TEST_F(ListWindow, ShowAllChecksAllAndDraws) {
  Form1sb->CBAlle->setChecked(false);
  Form1sb->Listebearbeiten1->trigger();
  SetMemo("x^2\nx^3");
  QTest::mouseClick(Form3sb->BZurueck, Qt::LeftButton);
  EXPECT_TRUE(Form1sb->CBAlle->isChecked());
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"x^2", "x^3"}));
  EXPECT_TRUE(Form2sb->isVisible());
  EXPECT_TRUE(Form1sb->isVisible());
}

TEST_F(ListWindow, TwoLinesGiveThreeRawJobs) {
  std::vector<std::string> jobs;
  Form3sb->SetRawPrintSink(std::make_unique<RecordingSink>(&jobs));
  SetMemo("x^2\n1/x");
  QTest::mouseClick(Form3sb->BDrucken, Qt::LeftButton);
  EXPECT_EQ(jobs, (std::vector<std::string>{"      x^2\r\n", "      1/x\r\n", "\f"}));
}

// The search path for the commands the program starts, for one test.
class SearchPath {
 public:
  explicit SearchPath(const QByteArray& path) : saved_(qgetenv("PATH")) { qputenv("PATH", path); }
  ~SearchPath() { qputenv("PATH", saved_); }

 private:
  QByteArray saved_;
};

TEST_F(ListWindow, DruckenHandsEachJobRawToLp) {
  // A stand-in for CUPS's lp that keeps what it is given.
  const QString lp = folder.filePath(QStringLiteral("lp"));
  const std::string record = folder.filePath(QStringLiteral("auftraege")).toStdString();
  WriteBytes(lp.toStdString(), "#!/bin/sh\necho \"$*\" >> '" + record + ".args'\ncat >> '" + record + "'\n");
  QFile::setPermissions(lp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const SearchPath path(QFile::encodeName(folder.path()) + ":" + qgetenv("PATH"));

  SetMemo("x^2\nText 1 1 12 |Gr\xC3\xB6\xC3\x9F" "e");
  QTest::mouseClick(Form3sb->BDrucken, Qt::LeftButton);
  EXPECT_EQ(FileBytes(record), "      x^2\r\n      Text 1 1 12 |Gr\xF6\xDF" "e\r\n\f");
  const std::string raw = "-s -o raw -t My Document\n";
  EXPECT_EQ(FileBytes(record + ".args"), raw + raw + raw);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ListWindow, DruckenWithoutAPrintingSystemSaysNichtGedruckt) {
  // A folder without lp.
  const SearchPath path(QFile::encodeName(folder.path()));
  SetMemo("x^2");
  QTest::mouseClick(Form3sb->BDrucken, Qt::LeftButton);
  EXPECT_EQ(messages, (std::vector<std::string>{"Nicht gedruckt"}));
  EXPECT_EQ(Memo(), (std::vector<std::string>{"x^2"}));
}

TEST_F(ListWindow, DruckenToAPrinterThatRefusesSaysNichtGedrucktAfterOneJob) {
  // An lp that counts its calls and fails, as lp does without a default printer.
  const QString lp = folder.filePath(QStringLiteral("lp"));
  const std::string record = folder.filePath(QStringLiteral("aufrufe")).toStdString();
  WriteBytes(lp.toStdString(), "#!/bin/sh\ncat >/dev/null\necho x >> '" + record + "'\nexit 1\n");
  QFile::setPermissions(lp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const SearchPath path(QFile::encodeName(folder.path()) + ":" + qgetenv("PATH"));

  SetMemo("x^2\n1/x");
  QTest::mouseClick(Form3sb->BDrucken, Qt::LeftButton);
  EXPECT_EQ(messages, (std::vector<std::string>{"Nicht gedruckt"}));
  EXPECT_EQ(FileBytes(record), "x\n");
}

TEST_F(ListWindow, SavedListIsWindowsTextAndReadsBack) {
  const QString path = folder.filePath(QStringLiteral("liste.txt"));
  SetMemo("x^2\nText 1 1 12 |Größe");
  AnswerFileDialog(path);
  QTest::mouseClick(Form3sb->BSpeichern, Qt::LeftButton);
  EXPECT_EQ(FileBytes(path.toStdString()), "x^2\r\nText 1 1 12 |Gr\xF6\xDF" "e\r\n");
  EXPECT_EQ(Plotter().LastListFile, path.toStdString());

  SetMemo("");
  AnswerFileDialog(path);
  QTest::mouseClick(Form3sb->BEinlesen, Qt::LeftButton);
  EXPECT_EQ(Form3sb->Memo1->toPlainText(), QString::fromUtf8("x^2\nText 1 1 12 |Größe"));
  // Nothing reaches the plot list before "OK".
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"1/3*x^3-3*x"}));
}

TEST_F(ListWindow, ReadsUtf8ListFiles) {
  const QString path = folder.filePath(QStringLiteral("utf8.txt"));
  WriteBytes(path.toStdString(), "x^2\nText 0 0 10 |\xC3\xA4\xC3\xB6\xC3\xBC\n");
  AnswerFileDialog(path);
  QTest::mouseClick(Form3sb->BEinlesen, Qt::LeftButton);
  EXPECT_EQ(Memo(), (std::vector<std::string>{"x^2", "Text 0 0 10 |\xE4\xF6\xFC"}));
}

TEST_F(ListWindow, CancelledDialogChangesNothing) {
  SetMemo("x^2");
  AnswerFileDialog(QString(), false);
  QTest::mouseClick(Form3sb->BEinlesen, Qt::LeftButton);
  EXPECT_EQ(Memo(), (std::vector<std::string>{"x^2"}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(ListWindow, ListThatCannotBeWrittenIsReported) {
  const QString path = folder.filePath(QStringLiteral("missing/liste.txt"));
  SetMemo("x^2");
  AnswerNextDialog([path](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    // The dialog itself refuses a folder that does not exist; a folder
    // removed meanwhile is what the save meets.
    QDir(QFileInfo(path).absolutePath()).mkpath(QStringLiteral("."));
    dialog->selectFile(path);
    QDir(QFileInfo(path).absolutePath()).removeRecursively();
    QMetaObject::invokeMethod(dialog, "accept");
  });
  QTest::mouseClick(Form3sb->BSpeichern, Qt::LeftButton);
  EXPECT_EQ(messages, (std::vector<std::string>{"Nicht gespeichert"}));
}

TEST_F(ListWindow, AListSavedOnAFullDiskLeavesTheOldFileAndSaysSo) {
  const QString path = folder.filePath(QStringLiteral("liste.txt"));
  SetMemo("x^2");
  AnswerFileDialog(path);
  QTest::mouseClick(Form3sb->BSpeichern, Qt::LeftButton);
  SetMemo("1/3*x^3-3*x\nsin(x)\ncos(x)");
  // The same name again: the dialog asks before it lets the file be replaced.
  AnswerNextDialog([path](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(path);
    testing::AnswerNextMessageBox(QMessageBox::Yes);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  {
    const testing::FullDisk full(8);
    QTest::mouseClick(Form3sb->BSpeichern, Qt::LeftButton);
  }
  EXPECT_EQ(messages, (std::vector<std::string>{"Nicht gespeichert"}));
  EXPECT_EQ(FileBytes(path.toStdString()), "x^2\r\n");
}

// The file dialog, answered once per test: it opens where the last file was.
TEST_F(ListWindow, EinlesenRefusesABinaryFileWithTheReason) {
  const std::string file = testing::MakeBinaryFile(folder.filePath(QStringLiteral("bild.bmp")).toStdString());
  SetMemo("x^2");
  AnswerFileDialog(QString::fromStdString(file));
  QTest::mouseClick(Form3sb->BEinlesen, Qt::LeftButton);
  EXPECT_EQ(messages, std::vector<std::string>{"Nicht eingelesen\nDas ist keine Textdatei."});
  EXPECT_EQ(Memo(), (std::vector<std::string>{"x^2"}));
}

TEST_F(ListWindow, EinlesenRefusesA100MegabyteFileWithoutReadingIt) {
  const std::string file = testing::MakeHugeFile(folder.filePath(QStringLiteral("riesig.txt")).toStdString(), 100u << 20);
  SetMemo("x^2");
  AnswerFileDialog(QString::fromStdString(file));
  QTest::mouseClick(Form3sb->BEinlesen, Qt::LeftButton);
  EXPECT_EQ(messages, std::vector<std::string>{"Nicht eingelesen\n" + Cp1252("Die Datei ist zu groß (mehr als 4 MB).")});
  EXPECT_EQ(Memo(), (std::vector<std::string>{"x^2"}));
}

TEST_F(ListWindow, GraphPrintsToAPdfFile) {
  const QString path = folder.filePath(QStringLiteral("schaubild.pdf"));
  Form1sb->BeispielListe1->trigger();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  EXPECT_TRUE(Form1sb->PrintGraphOn(printer, true));
  EXPECT_EQ(FileBytes(path.toStdString()).substr(0, 5), "%PDF-");
}

// Chooses "Print to File (PDF)" in the next print dialog, as a user does it.
void AnswerPrintDialogWithPdf(const QString& path) {
  AnswerNextDialog([path](QWidget* modal) {
    auto* dialog = qobject_cast<QPrintDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    // As a user does it: the PDF entry of the printer list, then a file name.
    auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    ASSERT_NE(printers, nullptr);
    const int pdf = printers->findText(QStringLiteral("PDF"), Qt::MatchContains);
    ASSERT_GE(pdf, 0);
    printers->setCurrentIndex(pdf);
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(fileName, nullptr);
    fileName->setText(path);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

// The text on a PDF page, through poppler's pdftotext; empty without it.
QString PdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return QString();
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

bool HavePdfToText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

TEST_F(ListWindow, PrintDialogChoosingAPdfFileGivesThePage) {
  const QString path = folder.filePath(QStringLiteral("aus_dem_dialog.pdf"));
  AnswerPrintDialogWithPdf(path);
  Form1sb->Schaubilddrucken1->trigger();
  EXPECT_EQ(FileBytes(path.toStdString()).substr(0, 5), "%PDF-");
  EXPECT_TRUE(messages.empty());
}

TEST_F(ListWindow, OnlyPrintingWithTextWritesTheLabel) {
  if (!HavePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
  Form1sb->BeispielListe1->trigger();
  HideAndShowTheInputWindow();
  const QString plain = folder.filePath(QStringLiteral("ohne.pdf"));
  AnswerPrintDialogWithPdf(plain);
  Form1sb->Schaubilddrucken1->trigger();
  const QString withText = folder.filePath(QStringLiteral("mit.pdf"));
  AnswerPrintDialogWithPdf(withText);
  Form1sb->SchaubilddruckenmitText1->trigger();

  // Both pages carry the axis labels; only one the function.
  EXPECT_TRUE(PdfText(plain).contains(QStringLiteral("2,5")));
  EXPECT_FALSE(PdfText(plain).contains(QStringLiteral("f(x)=")));
  EXPECT_TRUE(PdfText(withText).contains(QStringLiteral("f(x)=x")));
}

TEST_F(ListWindow, WithoutAlleThereIsNoLabel) {
  if (!HavePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
  Form1sb->CBAlle->setChecked(false);
  TypeInto(Form1sb->ComboBox1->lineEdit(), "x^2");
  const QString path = folder.filePath(QStringLiteral("einzeln.pdf"));
  AnswerPrintDialogWithPdf(path);
  Form1sb->SchaubilddruckenmitText1->trigger();
  const QString text = PdfText(path);
  EXPECT_TRUE(text.contains(QStringLiteral("2")));
  EXPECT_FALSE(text.contains(QStringLiteral("f(x)=")));
}

TEST_F(ListWindow, APageThatCannotStartIsNotPrinted) {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString());
  EXPECT_FALSE(Form1sb->PrintGraphOn(printer, false));
  printer.setOutputFileName(folder.filePath(QStringLiteral("kein/ordner/seite.pdf")));
  EXPECT_FALSE(Form1sb->PrintGraphOn(printer, false));
}

TEST_F(ListWindow, PrintDialogWithAnUnwritableFileSaysSo) {
  AnswerPrintDialogWithPdf(folder.filePath(QStringLiteral("kein/ordner/seite.pdf")));
  Form1sb->Schaubilddrucken1->trigger();
  EXPECT_EQ(messages, (std::vector<std::string>{"Nicht gedruckt"}));
}

#ifdef LUMATIK_PRINTOUT_PDF
// The page of "Beispiel Liste" as the user gets it, kept for a look.
TEST_F(ListWindow, PrintoutOfTheListExample) {
  Form1sb->BeispielListe1->trigger();
  HideAndShowTheInputWindow();
  ASSERT_EQ(Form1sb->FunctionText(), "x");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setOutputFileName(QStringLiteral(LUMATIK_PRINTOUT_PDF));
  EXPECT_TRUE(Form1sb->PrintGraphOn(printer, true));
}
#endif

}  // namespace
}  // namespace lumatik
