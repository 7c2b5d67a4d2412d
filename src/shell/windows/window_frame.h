#pragma once

// Windows placed by their frame: the window manager's frame counts when a
// window is put flush with a corner of the screen or sized to fill it.

class QMargins;
class QRect;
class QWidget;

namespace lumatik {

// The part of the screen that windows may cover (without panels and docks).
QRect AvailableArea(const QWidget* window);
// What the window manager's frame adds around the window: its own frame once
// it has one, else that of another framed window, else nothing.
QMargins FrameMargins(const QWidget* window);
// Moves and sizes the window so that its frame covers the rectangle. A frame
// that turns out other than expected once the window is framed is
// corrected then.
void PlaceFrame(QWidget* window, const QRect& frame);

}  // namespace lumatik
