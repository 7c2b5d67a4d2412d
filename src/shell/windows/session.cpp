#include "shell/windows/session.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>

#include "calc/windows/calculator_window.h"
#include "plot/windows/function_input_window.h"
#include "shell/messagesink.h"
#include "shell/windows/delayed_save.h"
#include "shell/windows/enter_key.h"
#include "shell/windows/forms.h"
#include "shell/windows/start_window.h"
#include "shell/windows/window_front.h"
#include "worksheet/windows/worksheet_window.h"

namespace lumatik {

namespace {

// A worksheet that is not open has been saved when it closed, and its memo
// is emptied afterwards; only an open one is written.
void SaveOpenWorksheet() {
  if (worksheetWindow && worksheetWindow->isVisible()) static_cast<void>(worksheetWindow->SaveAreaWorksheet());
}

}  // namespace

Session::Session() {
  // A write that fails here is tried again with the next change; the
  // closing save says so if it fails too.
  worksheet_ = new DelayedSave(SaveOpenWorksheet, this);
  if (worksheetWindow) worksheet_->watch(worksheetWindow->Memo1);
  calculator_ = new DelayedSave([] { if (calculatorWindow) static_cast<void>(calculatorWindow->SaveSettings()); }, this);
  if (calculatorWindow) {
    calculator_->watch(calculatorWindow->MParameter);
    calculator_->watch(calculatorWindow->MVerlauf);
  }
  plotList_ = new DelayedSave([] { if (functionInputWindow) static_cast<void>(functionInputWindow->SavePlotList()); }, this);
  if (functionInputWindow) plotList_->watch(functionInputWindow->ComboBox1->model());
  if (startWindow) connect(startWindow, &StartWindow::closed, this, [this] { end(true); });
  qApp->installEventFilter(this);
}

Session::~Session() { qApp->removeEventFilter(this); }

bool Session::SaveAll() {
  bool saved = true;
  if (worksheetWindow && worksheetWindow->isVisible()) saved = worksheetWindow->SaveAreaWorksheet() && saved;
  if (calculatorWindow) saved = calculatorWindow->SaveSettings() && saved;
  if (functionInputWindow) saved = functionInputWindow->SavePlotList() && saved;
  return saved;
}

void Session::end(bool reportFailure) {
  if (ended_) return;
  ended_ = true;
  if (!SaveAll() && reportFailure) ShowMessage("Nicht gespeichert");
  // exit, not quit: quit asks every window to close first, and the graph
  // window answers a close with a way back instead.
  QCoreApplication::exit(0);
}

// Commands start with a click or with Enter; what they changed is written
// once they have run.
bool Session::eventFilter(QObject* watched, QEvent* e) {
  switch (e->type()) {
    case QEvent::MouseButtonRelease:
      if (!saveScheduled_) {
        saveScheduled_ = true;
        QTimer::singleShot(0, this, &Session::saveChangedNow);
      }
      break;
    case QEvent::KeyRelease:
      if (IsEnterKey(static_cast<QKeyEvent*>(e)->key()) && !saveScheduled_) {
        saveScheduled_ = true;
        QTimer::singleShot(0, this, &Session::saveChangedNow);
      }
      break;
    case QEvent::Hide:
      if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow() && !visibilityCheckScheduled_) {
        visibilityCheckScheduled_ = true;
        QTimer::singleShot(0, this, &Session::keepOneWindowVisible);
      }
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, e);
}

void Session::saveChangedNow() {
  saveScheduled_ = false;
  worksheet_->saveNow();
  calculator_->saveNow();
  plotList_->saveNow();
}

// However the user got there, a running program without a window on the
// screen could only be killed; the start window comes back instead.
void Session::keepOneWindowVisible() {
  visibilityCheckScheduled_ = false;
  if (ended_ || !startWindow || AnyWindowVisible()) return;
  BringToFront(startWindow);
}

bool AnyWindowVisible() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = window->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop) continue;
    if (window->isVisible()) return true;
  }
  return false;
}

}  // namespace lumatik
