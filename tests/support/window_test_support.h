#pragma once

// Drives the program's real windows in tests: creates and destroys the forms,
// records the core's message boxes, and answers the modal dialogs handlers open.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <memory>
#include <ostream>

#include "app/forms.h"
#include "expr/evaluate.h"
#include "plot/plotter_state.h"
#include "shell/messagesink.h"
#include "shell/settingsfiles.h"
#include "shell/windows/forms.h"
#include "shell/windows/hint_input_dialog.h"
#include "shell/windows/start_window.h"

// Readable failures for Qt texts.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '{' << texts.join(QStringLiteral(" | ")).toStdString() << '}';
}
QT_END_NAMESPACE

namespace lumatik::testing {

// Whether the window is (or soon becomes) the one that gets the keys.
inline bool BecomesActive(QWidget* window) {
  return QTest::qWaitFor(
      [window] {
        return window->isActiveWindow() ||
               (window->isVisible() && QGuiApplication::focusWindow() == window->windowHandle());
      },
      2000);
}

// Runs the action on the next modal widget as soon as it is up (the
// handler that opens it blocks in its own event loop meanwhile).
inline void AnswerNextDialog(std::function<void(QWidget*)> action, int limitMs = 5000) {
  auto poll = std::make_shared<std::function<void()>>();
  const auto again = [poll] {
    if (*poll) (*poll)();
  };
  *poll = [action = std::move(action), poll, again, deadline = QDeadlineTimer(limitMs)]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal) action(modal);
    // Once answered, or when the dialog never came (it must not catch a
    // later one), the poll ends and so does its cycle.
    if (modal || deadline.hasExpired())
      *poll = nullptr;
    else
      QTimer::singleShot(5, again);
  };
  QTimer::singleShot(0, again);
}

// Reads the next hint dialog's text and clicks "Ok" (or "Abbrechen").
inline void AnswerNextHint(QString& text, bool ok = true) {
  AnswerNextDialog([&text, ok](QWidget* modal) {
    auto* dialog = qobject_cast<HintInputDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    text = dialog->Memo1->toPlainText();
    QTest::mouseClick(ok ? dialog->BOk : dialog->BAbbrechen, Qt::LeftButton);
  });
}

// Types each value into the field with the caret and presses Return (on to
// the next field, or confirm after the last); Escape for no values at all.
inline void AnswerNextInput(const QStringList& values, QString* caption = nullptr) {
  AnswerNextDialog([values, caption](QWidget* modal) {
    if (caption) *caption = modal->windowTitle();
    if (values.isEmpty()) {
      QTest::keyClick(modal, Qt::Key_Escape);
      return;
    }
    BecomesActive(modal);
    for (const QString& value : values) {
      QWidget* field = modal->focusWidget();
      ASSERT_NE(field, nullptr);
      QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(field, value);
      QTest::keyClick(field, Qt::Key_Return);
    }
  });
}

// Picks the file in the next file dialog, or cancels it for an empty path.
inline void AnswerNextFileDialog(const QString& path, QString* preset = nullptr) {
  AnswerNextDialog([path, preset](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    if (preset) *preset = dialog->selectedFiles().value(0);
    if (path.isEmpty()) {
      QTest::keyClick(dialog, Qt::Key_Escape);
      return;
    }
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

// Clicks the given button of the next message box.
inline void AnswerNextMessageBox(QMessageBox::StandardButton answer, QString* text = nullptr) {
  AnswerNextDialog([answer, text](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    if (text) *text = box->text();
    QAbstractButton* button = box->button(answer);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
  });
}

// Activates the window as a window manager does on a click (without one, a
// window hidden while it had the focus is not activated again).
inline void ActivateOnClick(QWidget* window) {
  if (!window->isActiveWindow()) QApplication::setActiveWindow(window);
}

// A menu item's caption as the user reads it.
inline QString Caption(const QAction* item) { return QString(item->text()).remove(QLatin1Char('&')); }

inline QAction* FindItem(const QList<QAction*>& items, const QString& caption) {
  for (QAction* item : items)
    if (Caption(item) == caption) return item;
  return nullptr;
}

// Lets what follows a user's action run: paints, and a shown window's passes.
inline void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Chooses a menu item as the user does: its title in the menu bar, then
// each item of the popup menus down the path.
inline void ChooseMenu(QWidget* window, const QStringList& path) {
  ActivateOnClick(window);
  auto* bar = window->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QAction* title = FindItem(bar->actions(), path.first());
  ASSERT_NE(title, nullptr) << "no menu " << path.first().toStdString();
  ASSERT_TRUE(title->isVisible() && title->isEnabled()) << path.first().toStdString();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
  QMenu* menu = title->menu();
  for (const QString& caption : path.mid(1)) {
    ASSERT_TRUE(menu && QTest::qWaitForWindowExposed(menu)) << caption.toStdString();
    QAction* item = FindItem(menu->actions(), caption);
    ASSERT_NE(item, nullptr) << "no item " << caption.toStdString();
    ASSERT_TRUE(item->isVisible() && item->isEnabled()) << caption.toStdString();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    if (item->menu()) menu = item->menu();
  }
  Settle();
}

// A click into the control, near its right end where the caret goes.
inline void ClickInto(QWidget* control) {
  ActivateOnClick(control->window());
  QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(control->width() - 4, control->height() / 2));
  QApplication::processEvents();
}

inline QWidget* Focused() { return QApplication::focusWidget(); }

// Types key by key; characters beyond ASCII come as key events carrying their text.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 128)
      QTest::keyClick(widget, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// A click into the control, then its text selected and typed over.
inline void TypeInto(QWidget* control, const QString& text) {
  ClickInto(control);
  QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) QTest::keyClick(Focused(), Qt::Key_Delete);
  TypeText(Focused(), text);
  Settle();
}

inline void Press(Qt::Key key) {
  ASSERT_NE(Focused(), nullptr);
  QTest::keyClick(Focused(), key);
  Settle();
}

inline void RemoveSettingsFile(char letter) { std::remove(SettingsFileName(letter).c_str()); }

class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (char letter : {'2', '3', 'l', 'c', 'g', 'd', 'a'}) RemoveSettingsFile(letter);
    ParamLine() = " ";
    MathErrorText().clear();
    ResetPlotterState();
    StartMode = 0;
    SetMessageSink([this](const std::string& text) { messages.push_back(text); });
    CreateForms();
  }
  void TearDown() override {
    DestroyForms();
    SetMessageSink(nullptr);
  }
  // Opens a window by a click on its button in the start window (the area
  // buttons shown as after leaving the plotter).
  static void OpenFromStart(QAbstractButton* button, QWidget* window) {
    startWindow->show();
    startWindow->RevealAreaButtons();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(startWindow));
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(BecomesActive(window));
    Settle();
  }
  // Ends this run's windows and starts them again, as a new program run would.
  void RestartForms() {
    DestroyForms();
    CreateForms();
  }

  std::vector<std::string> messages;
};

}  // namespace lumatik::testing
