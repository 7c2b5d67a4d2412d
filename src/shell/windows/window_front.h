#pragma once

// Which window the user is working in, and how windows and message boxes
// come to the front. A window shown on the user's action must not open
// behind the full-screen graph or the stay-on-top calculator.

class QString;
class QWidget;

namespace lumatik {

// Shows the window, raises it above the others and gives it the focus. It
// counts as the window the user works in from now on, even before the
// window system has activated it.
void BringToFront(QWidget* window);

// The window the user works in: an open modal dialog, else the window last
// brought to the front or activated (while it is visible), else the active
// window; null when there is none.
QWidget* WorkingWindow();

// A modal message box over the window the user works in. It stays on top,
// so that a stay-on-top calculator cannot hide it.
void ShowMessageBoxOver(QWidget* parent, const QString& text);
void ShowMessageBox(const QString& text);

// The core's messages as such message boxes.
void UseMessageBoxesForMessages();

}  // namespace lumatik
