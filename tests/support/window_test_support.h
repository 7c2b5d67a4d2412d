#pragma once

// Drives the program's real windows in tests: creates and destroys the
// twelve forms, records the core's message boxes, and answers modal
// dialogs that a handler opens.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "app/forms.h"
#include "expr/lumath.h"
#include "shell/messagesink.h"
#include "shell/settingsfiles.h"
#include "shell/windows/forms.h"
#include "shell/windows/luinput.h"

// Readable failures for Qt texts.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '{' << texts.join(QStringLiteral(" | ")).toStdString() << '}';
}
QT_END_NAMESPACE

namespace lumatik::testing {

// Runs the action on the next modal widget as soon as it is up (the
// handler that opens it blocks in its own event loop meanwhile).
inline void AnswerNextDialog(std::function<void(QWidget*)> action, int limitMs = 5000) {
  auto poll = std::make_shared<std::function<void()>>();
  auto deadline = std::make_shared<QDeadlineTimer>(limitMs);
  *poll = [action = std::move(action), poll, deadline]() mutable {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      action(modal);
      *poll = nullptr;  // breaks the cycle
      return;
    }
    // A dialog that never comes must not catch a later one.
    if (deadline->hasExpired()) {
      *poll = nullptr;
      return;
    }
    QTimer::singleShot(5, [poll] {
      if (*poll) (*poll)();
    });
  };
  QTimer::singleShot(0, [poll] {
    if (*poll) (*poll)();
  });
}

// Reads the next hint dialog's text and presses its "Ok".
inline void AnswerNextHint(QString& text) {
  AnswerNextDialog([&text](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    text = dialog->Memo1->toPlainText();
    dialog->BOk->click();
  });
}

// Picks a file in the next file dialog, or cancels it for an empty path.
inline void AnswerNextFileDialog(const QString& path, QString* preset = nullptr) {
  AnswerNextDialog([path, preset](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    if (preset) *preset = dialog->selectedFiles().value(0);
    if (path.isEmpty()) {
      dialog->reject();
      return;
    }
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

// Presses the given button of the next message box.
inline void AnswerNextMessageBox(QMessageBox::StandardButton answer,
                                 QString* text = nullptr) {
  AnswerNextDialog([answer, text](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    if (text) *text = box->text();
    QAbstractButton* button = box->button(answer);
    ASSERT_NE(button, nullptr);
    button->click();
  });
}

// Without a window manager a window hidden while it had the focus keeps the
// window system's focus, so asking to activate it again changes nothing.
// Where a window manager would activate a window on a click, this does.
inline void ActivateOnClick(QWidget* window) {
  if (!window->isActiveWindow()) QApplication::setActiveWindow(window);
}

// Whether the window is (or soon becomes) the one that gets the keys.
inline bool BecomesActive(QWidget* window) {
  return QTest::qWaitFor(
      [window] {
        return window->isActiveWindow() ||
               (window->isVisible() && QGuiApplication::focusWindow() == window->windowHandle());
      },
      2000);
}

// A click into the control, near its right end where the caret goes.
inline void ClickInto(QWidget* control) {
  ActivateOnClick(control->window());
  QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(control->width() - 4, control->height() / 2));
  QApplication::processEvents();
}

inline QWidget* Focused() { return QApplication::focusWidget(); }

// Types the text into the widget key by key; characters beyond ASCII come
// as the keyboard layout sends them, as key events that carry their text.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 128)
      QTest::keyClick(widget, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

inline void RemoveSettingsFile(char letter) {
  std::remove(SettingsFileName(letter).c_str());
}

class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (char letter : {'2', '3', 'l', 'c', 'g', 'd', 'a'}) RemoveSettingsFile(letter);
    MathErrorText().clear();
    SetMessageSink([this](const std::string& text) { messages.push_back(text); });
    CreateForms();
  }
  void TearDown() override {
    DestroyForms();
    SetMessageSink(nullptr);
  }
  // Ends this run's windows and starts them again, as a new program run would.
  void RestartForms() {
    DestroyForms();
    CreateForms();
  }

  std::vector<std::string> messages;
};

}  // namespace lumatik::testing
