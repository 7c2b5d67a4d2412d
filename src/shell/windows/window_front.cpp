#include "shell/windows/window_front.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QWidget>

#include <string>

#include "shell/messagesink.h"
#include "shell/windows/qtext.h"

namespace lumatik {

namespace {

QPointer<QWidget>& LastWorkingWindow() {
  static QPointer<QWidget> window;
  return window;
}

// Menus, tool tips and modal dialogs come and go over the window the user
// works in; they are not that window.
bool CountsAsWorkingWindow(const QWidget* window) {
  if (!window || window->isModal()) return false;
  const Qt::WindowType type = window->windowType();
  return type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen;
}

void Remember(QWidget* window) {
  if (CountsAsWorkingWindow(window)) LastWorkingWindow() = window;
}

// Activation by the window system (a click into another window) changes the
// working window as well.
void FollowActivation() {
  static bool following = false;
  if (following || !qApp) return;
  following = true;
  QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp,
                   [] { Remember(QApplication::activeWindow()); });
}

}  // namespace

void BringToFront(QWidget* window) {
  if (!window) return;
  FollowActivation();
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
  Remember(window);
}

QWidget* WorkingWindow() {
  FollowActivation();
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  QWidget* last = LastWorkingWindow();
  if (last && last->isVisible()) return last;
  return QApplication::activeWindow();
}

void ShowMessageBoxOver(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("lumatik"), text, QMessageBox::Ok, parent);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  // Shown on the user's action, like every window: in front, with the keys.
  QTimer::singleShot(0, &box, [&box] {
    box.raise();
    box.activateWindow();
  });
  box.exec();
  // The user goes on where the message interrupted.
  if (parent && parent->window()->isVisible()) parent->window()->activateWindow();
}

void ShowMessageBox(const QString& text) { ShowMessageBoxOver(WorkingWindow(), text); }

void UseMessageBoxesForMessages() {
  SetMessageSink([](const std::string& text) { ShowMessageBox(QtText(text)); });
}

}  // namespace lumatik
