#include "plot/windows/function_list_window.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "plot/listtransfer.h"
#include "plot/plotter_state.h"
#include "plot/rawprint.h"
#include "plot/windows/function_input_window.h"
#include "shell/codepage.h"
#include "shell/messagesink.h"
#include "shell/settingsfiles.h"
#include "shell/windows/forms.h"
#include "shell/windows/qtext.h"

namespace lumatik {


namespace {

constexpr int kPanelHeight = 20;
// Room a button's frame needs beside its caption.
constexpr int kCaptionPadding = 8;

QFileDialog* MakeListDialog(QWidget* parent, const char* name, QFileDialog::AcceptMode mode) {
  auto* dialog = new QFileDialog(parent);
  dialog->setObjectName(QLatin1String(name));
  // The same dialog on every desktop, and one that tests can answer.
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  dialog->setAcceptMode(mode);
  dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  return dialog;
}

}  // namespace

FunctionListWindow::FunctionListWindow(QWidget* parent) : QWidget(parent), rawPrintSink_(std::make_unique<LpRawPrintSink>()) {
  setObjectName(QStringLiteral("Form3sb"));
  setWindowTitle(Ui("Liste (Hinweis: Klick auf Schaubild => Menü verschwindet bzw. erscheint)"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  move(290, 397);
  resize(660, 375);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(kPanelHeight);
  Panel1->setFrameShape(QFrame::NoFrame);
  layout->addWidget(Panel1);

  auto button = [this](const char* name, const char* caption, int width, void (FunctionListWindow::*handler)()) {
    auto* b = new QPushButton(Ui(caption), Panel1);
    b->setObjectName(QLatin1String(name));
    // As designed, or wider where the caption needs it in the font at hand.
    b->resize(std::max(width, b->fontMetrics().horizontalAdvance(b->text()) + kCaptionPadding), kPanelHeight);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
  };
  BZurueck = button("BZurueck", "Alle Schaubilder zeigen", 115, &FunctionListWindow::BZurueckClick);
  BOk = button("BOk", "OK", 30, &FunctionListWindow::BOkClick);
  BAbbruch = button("BAbbruch", "Abbruch", 50, &FunctionListWindow::BAbbruchClick);
  BSpeichern = button("BSpeichern", "Speichern", 65, &FunctionListWindow::BSpeichernClick);
  BEinlesen = button("BEinlesen", "Einlesen", 48, &FunctionListWindow::BEinlesenClick);
  BDrucken = button("BDrucken", "Drucken", 57, &FunctionListWindow::BDruckenClick);

  Memo1 = new QPlainTextEdit(QStringLiteral("Memo1"), this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  QFont courier(QStringLiteral("Courier New"), 10);
  courier.setStyleHint(QFont::TypeWriter);
  courier.setBold(true);
  Memo1->setFont(courier);
  layout->addWidget(Memo1);

  OpenDialog1 = MakeListDialog(this, "OpenDialog1", QFileDialog::AcceptOpen);
  SaveDialog1 = MakeListDialog(this, "SaveDialog1", QFileDialog::AcceptSave);
  FormCreate();
}

FunctionListWindow::~FunctionListWindow() = default;

// The buttons sit side by side without gaps, each as high as the panel.
void FunctionListWindow::FormCreate() {
  BZurueck->setGeometry(0, 0, BZurueck->width(), Panel1->height());
  QPushButton* previous = BZurueck;
  for (QPushButton* next : {BOk, BAbbruch, BSpeichern, BEinlesen, BDrucken}) {
    next->setGeometry(previous->x() + previous->width(), previous->y(), next->width(), previous->height());
    previous = next;
  }
}

void FunctionListWindow::SetRawPrintSink(std::unique_ptr<RawPrintSink> sink) {
  if (sink) rawPrintSink_ = std::move(sink);
}

void FunctionListWindow::BZurueckClick() {
  if (functionInputWindow) functionInputWindow->CBAlle->setChecked(true);
  BOkClick();
  if (functionInputWindow) functionInputWindow->Schaubild1Click();
}

void FunctionListWindow::BOkClick() {
  if (functionInputWindow) {
    const TakenOverList taken = TakeOverListLines(MemoLines(Memo1));
    functionInputWindow->SetPlotList({});
    functionInputWindow->SetFunctionText("");
    functionInputWindow->SetPlotList(taken.plotList);
    functionInputWindow->SetFunctionText(taken.functionText);
  }
  close();
  ShowInputWindowAgain();
}

void FunctionListWindow::BAbbruchClick() {
  close();
  ShowInputWindowAgain();
}

// The list came over the input window, and over the full-screen graph a
// click had raised; the user goes on in the input window.
void FunctionListWindow::ShowInputWindowAgain() {
  if (functionInputWindow && functionInputWindow->isVisible()) functionInputWindow->ShowInFront();
}

std::string FunctionListWindow::RunListDialog(QFileDialog* dialog) {
  if (!Plotter().LastListFile.empty()) {
    const QFileInfo last(QString::fromStdString(Plotter().LastListFile));
    dialog->setDirectory(last.absolutePath());
    dialog->selectFile(last.fileName());
  }
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::string();
  // A cancelled dialog proposes the same file next time.
  Plotter().LastListFile = dialog->selectedFiles().front().toStdString();
  return Plotter().LastListFile;
}

void FunctionListWindow::BSpeichernClick() {
  const std::string path = RunListDialog(SaveDialog1);
  if (path.empty()) return;
  // A list that did not reach the disk must not look saved.
  if (!WriteTextLinesAtomically(path, MemoLines(Memo1))) ShowMessage("Nicht gespeichert");
}

void FunctionListWindow::BEinlesenClick() {
  const std::string path = RunListDialog(OpenDialog1);
  if (path.empty()) return;
  std::vector<std::string> lines;
  std::string refusal;
  if (!ReadTextLines(path, lines, &refusal)) {
    ShowMessage("Nicht eingelesen\n" + refusal);
    return;
  }
  SetMemoLines(Memo1, lines);
}

void FunctionListWindow::BDruckenClick() {
  // As with the graph: a list that did not reach the printer must not look printed.
  if (!RawPrintText(MemoLines(Memo1), *rawPrintSink_)) ShowMessage("Nicht gedruckt");
}

}  // namespace lumatik
