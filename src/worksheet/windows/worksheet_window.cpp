#include "worksheet/windows/worksheet_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <functional>

#include "shell/messagesink.h"
#include "shell/settingsfiles.h"
#include "shell/windows/forms.h"
#include "shell/windows/hint_input_dialog.h"
#include "shell/windows/qtext.h"
#include "shell/windows/start_window.h"
#include "shell/windows/window_front.h"

namespace lumatik {

WorksheetWindow::WorksheetWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FormLSG"));
  setWindowTitle(QStringLiteral("Arbeitsblatt"));
  resize(800, 600);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(10);
  font.setBold(true);
  Memo1->setFont(font);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->installEventFilter(this);
  setCentralWidget(Memo1);

  BuildMenus();
}

// The menu bar comes from the worksheet's command table; the frame items
// of "Datei" are this window's own.
void WorksheetWindow::BuildMenus() {
  for (const WorksheetMenuInfo& info : WorksheetMenus()) {
    if (info.items.empty()) {
      QAction* action = menuBar()->addAction(QtText(info.caption));
      action->setObjectName(QString::fromStdString(info.objectName));
      if (info.menu == WorksheetMenu::AllesLoeschen) {
        connect(action, &QAction::triggered, this, &WorksheetWindow::Alleslschen1Click);
      } else if (info.menu == WorksheetMenu::Erlaeuterung) {
        connect(action, &QAction::triggered, this, &WorksheetWindow::MErluterung3Click);
      } else if (info.run) {
        connect(action, &QAction::triggered, this, [this, run = info.run] { RunWorksheetCommand(run); });
      }
      menuActions_[info.menu] = action;
      continue;
    }
    QMenu* menu = menuBar()->addMenu(QtText(info.caption));
    menu->setObjectName(QString::fromStdString(info.objectName));
    menuActions_[info.menu] = menu->menuAction();
    // A menu with a command of its own runs it when it opens.
    if (info.run) connect(menu, &QMenu::aboutToShow, this, [this, run = info.run] { RunWorksheetCommand(run); });
    bool anyBuilt = false;
    for (const WorksheetMenuItem& item : info.items) {
      if (item.separatorBefore) menu->addSeparator();
      QAction* action = menu->addAction(QtText(item.caption));
      if (!item.shortcut.empty()) action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
      itemActions_[{info.menu, item.caption}] = action;
      bool works = item.built;
      if (item.run) {
        connect(action, &QAction::triggered, this, [this, run = item.run] { RunWorksheetCommand(run); });
      } else {
        works = ConnectOwnHandler(item, action) || works;
      }
      // An item without its computation yet would do nothing: it is off.
      action->setEnabled(works);
      anyBuilt = anyBuilt || works;
    }
    menu->menuAction()->setEnabled(anyBuilt);
  }
}

// The items whose work needs this window itself (files, the calculator, the
// graph window); false for a handler the window does not have.
bool WorksheetWindow::ConnectOwnHandler(const WorksheetMenuItem& item, QAction* action) {
  const std::map<std::string, std::function<void()>> handlers = {
      {"Einlesen1Click", [this] { Einlesen1Click(); }},
      {"Speichern1Click", [this] { Speichern1Click(); }},
      {"Drucken1Click", [this] { Drucken1Click(); }},
      {"Blattzuoberst1Click", [this] { Blattzuoberst1Click(); }},
      {"Schlieen1Click", [this] { Schlieen1Click(); }},
      {"EingabeKettenbruch1Click", [this] { EingabeKettenbruch1Click(); }},
      {"Zeichne1Click",
       [this, standard = item.caption == "Zeichne mit Standardeinheiten"] { Zeichne1Click(standard); }},
      {"Beispiele1Click", [this] { Beispiele1Click(); }},
  };
  const auto it = handlers.find(item.handler);
  if (it == handlers.end()) return false;
  connect(action, &QAction::triggered, this, it->second);
  return true;
}

QAction* WorksheetWindow::MenuItem(WorksheetMenu menu, const std::string& caption) const {
  const auto it = itemActions_.find({menu, caption});
  return it == itemActions_.end() ? nullptr : it->second;
}

QAction* WorksheetWindow::MenuAction(WorksheetMenu menu) const {
  const auto it = menuActions_.find(menu);
  return it == menuActions_.end() ? nullptr : it->second;
}

bool WorksheetWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QMainWindow::event(e);
}

// Each activation shows the area's menus and caption.
void WorksheetWindow::FormActivate() {
  Memo1->setFocus();
  const int area = StartMode;
  for (const auto& [menu, action] : menuActions_) action->setVisible(WorksheetMenuShown(menu, area));
  const std::string caption = WorksheetCaption(area);
  if (!caption.empty()) setWindowTitle(QtText(caption));
  if (area == 6 && !algebraHintShown_) {
    algebraHintShown_ = true;
    ShowHintAsk("Leider noch nicht fertig");
  }
}

void WorksheetWindow::hideEvent(QHideEvent* e) {
  if (!restacking_) algebraHintShown_ = false;
  QMainWindow::hideEvent(e);
}

bool WorksheetWindow::IsMenuShortcut(const QKeyEvent* key) const {
  const QKeySequence pressed(key->keyCombination());
  for (const auto& [id, action] : itemActions_) {
    if (!action->shortcut().isEmpty() && action->shortcut() == pressed && action->isEnabled() &&
        menuActions_.at(id.first)->isVisible())
      return true;
  }
  return false;
}

// Escape anywhere in the window closes it; the window sees the key before
// the memo does.
bool WorksheetWindow::eventFilter(QObject* watched, QEvent* e) {
  // The memo would take Ctrl+Z as its undo; in this window it is "Zeichne".
  if (watched == Memo1 && e->type() == QEvent::ShortcutOverride && IsMenuShortcut(static_cast<QKeyEvent*>(e))) {
    e->ignore();
    return true;
  }
  if (watched == Memo1 && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  return QMainWindow::eventFilter(watched, e);
}

void WorksheetWindow::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QMainWindow::keyPressEvent(e);
}

void WorksheetWindow::closeEvent(QCloseEvent* e) {
  FormClose();
  QMainWindow::closeEvent(e);
}

// The area's worksheet is kept for the next run; the continued fractions
// keep none. The file is replaced only once the new one is written.
void WorksheetWindow::FormClose() {
  if (!SaveAreaWorksheet()) ShowMessage("Nicht gespeichert");
  BringToFront(startWindow);
}

bool WorksheetWindow::SaveAreaWorksheet() const {
  const char letter = WorksheetSettingsLetter(StartMode);
  return letter == 0 || WriteTextLinesAtomically(SettingsFileName(letter), Lines());
}

void WorksheetWindow::Schlieen1Click() { close(); }

void WorksheetWindow::Alleslschen1Click() {
  Memo1->clear();
  Memo1->setFocus();
}

void WorksheetWindow::MErluterung3Click() { RunWorksheetCommand(ExplainWorksheet); }

// Changing the flags makes the window anew and hides it meanwhile; the
// sheet, its caret and the part of it in view stay as they were.
void WorksheetWindow::Blattzuoberst1Click() {
  const Qt::WindowStates state = windowState();
  const QTextCursor caret = Memo1->textCursor();
  const int top = Memo1->verticalScrollBar()->value();
  const int left = Memo1->horizontalScrollBar()->value();
  const auto restoreView = [this, caret, top, left] {
    Memo1->setTextCursor(caret);
    Memo1->verticalScrollBar()->setValue(top);
    Memo1->horizontalScrollBar()->setValue(left);
  };
  restacking_ = true;
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  setWindowState(state);
  show();
  restacking_ = false;
  restoreView();
  // The new window's first layout pass scrolls to the caret once more.
  QTimer::singleShot(0, this, restoreView);
}

std::string WorksheetWindow::LastFileRecordName() {
  // The program's name up to its dot, then "ini".
  return SettingsFileName('i');
}

std::string WorksheetWindow::LastFileName() const {
  std::vector<std::string> lines;
  if (!ReadTextLines(LastFileRecordName(), lines) || lines.empty()) return std::string();
  return lines.front();
}

void WorksheetWindow::RememberFile(const std::string& path) {
  // The record only presets the next file dialog; the worksheet itself is
  // saved or loaded already, so a record that cannot be written is no loss
  // worth a message.
  static_cast<void>(WriteTextLinesAtomically(LastFileRecordName(), {path}));
}

namespace {

// A file dialog preset with the last worksheet file; empty when cancelled.
QString ChooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const std::string& lastFile) {
  QFileDialog dialog(parent);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilter(Ui("Alle Dateien (*.*)"));
  if (!lastFile.empty()) {
    const QFileInfo last(QtText(lastFile));
    dialog.setDirectory(last.absolutePath());
    dialog.selectFile(last.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().front();
}

}  // namespace

void WorksheetWindow::Einlesen1Click() {
  const QString chosen = ChooseFile(this, QFileDialog::AcceptOpen, LastFileName());
  if (chosen.isEmpty()) {
    ShowMessage("Abbruch!");
    return;
  }
  const std::string path = CoreText(chosen);
  std::vector<std::string> lines;
  std::string refusal;
  if (!ReadTextLines(chosen.toStdString(), lines, &refusal)) {
    ShowMessage("Abbruch!\n" + refusal);
    return;
  }
  SetMemoLines(Memo1, lines);
  RememberFile(path);
}

void WorksheetWindow::Speichern1Click() {
  const QString chosen = ChooseFile(this, QFileDialog::AcceptSave, LastFileName());
  // A file that could not be written is not saved either.
  if (chosen.isEmpty() || !WriteTextLinesAtomically(chosen.toStdString(), Lines())) {
    ShowMessage("Nicht gespeichert");
    return;
  }
  RememberFile(CoreText(chosen));
}

void WorksheetWindow::RunWorksheetCommand(const WorksheetCommandFunction& command) {
  const std::vector<std::string> before = Lines();
  Worksheet prepared(before, StartMode);
  // A selection across lines separates them with U+2029.
  QString selected = Memo1->textCursor().selectedText();
  selected.replace(QChar(0x2029), QStringLiteral("\r\n"));
  prepared.setSelectedText(CoreText(selected));
  // A long enumeration shows what it has found before it asks to go on.
  // The lines found since the last question are appended, so that a long
  // enumeration grows the memo in linear time; the memo is written whole
  // where the lines shown so far changed.
  bool asked = false;
  std::size_t shown = 0;
  std::string lastShown;
  prepared.setAsker([this, &asked, &shown, &lastShown](const std::string& question,
                                                       const std::vector<std::string>& linesSoFar) {
    const bool grown = asked && linesSoFar.size() >= shown && shown > 0 && linesSoFar[shown - 1] == lastShown;
    if (grown) {
      AppendMemoLines(Memo1, linesSoFar, shown);
    } else {
      SetMemoLines(Memo1, linesSoFar);
    }
    asked = true;
    shown = linesSoFar.size();
    lastShown = shown > 0 ? linesSoFar.back() : std::string();
    return ShowHintAsk(question);
  });
  const Worksheet sheet = lumatik::RunWorksheetCommand(command, std::move(prepared));
  switch (sheet.scrollBars()) {
    case WorksheetScrollBars::Both:
      Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      break;
    case WorksheetScrollBars::VerticalOnly:
      Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      break;
    case WorksheetScrollBars::Unchanged:
      break;
  }
  const std::vector<std::string>& after = sheet.lines();
  if (asked || after != before) {
    // A solution appended below the task keeps the view where it is.
    const bool appended =
        !asked && after.size() > before.size() && std::equal(before.begin(), before.end(), after.begin()) &&
        !before.empty();
    if (appended) {
      // The first new line may go into the empty line a final Enter opened;
      // the others each open their own, empty lines of the solution too.
      AddMemoLine(Memo1, after[before.size()]);
      AppendMemoLines(Memo1, after, before.size() + 1);
    } else {
      SetMemoLines(Memo1, after);
    }
  }
  ShowNotices(sheet);
}

void WorksheetWindow::ShowNotices(const Worksheet& sheet) {
  for (const WorksheetNotice& notice : sheet.notices()) {
    if (notice.kind == WorksheetNotice::Kind::Message) {
      ShowMessage(notice.text);
    } else {
      ShowHint(notice.text);
    }
  }
}

void WorksheetWindow::AppendLine(const std::string& line) { AddMemoLine(Memo1, line); }

std::vector<std::string> WorksheetWindow::Lines() const { return MemoLines(Memo1); }

void WorksheetWindow::ClearLines() { Memo1->clear(); }

QPlainTextEdit* WorksheetMemo() {
  return worksheetWindow ? worksheetWindow->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")) : nullptr;
}

}  // namespace lumatik
