#pragma once

#include <QPoint>
#include <QWidget>

namespace lumatik {

// A small always-on-top window that marks a corner of the capture
// rectangle. The user drags it by its title bar, or by its body where the
// desktop draws no title bar.
class MarkerWindow : public QWidget {
  Q_OBJECT

 public:
  MarkerWindow(const char* objectName, const char* caption, QPoint place, QSize largest, QWidget* parent);

  // The window's outer rectangle, title bar and border included, also
  // while it is hidden for the capture: a hidden window keeps its place,
  // but an X11 window manager no longer counts its frame in its size.
  QRect OuterRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPoint grip_;  // where the body was taken, relative to the window's corner
  bool dragging_ = false;
  QSize frameExtra_;  // frame size less inner size, as the window was last hidden
};

}  // namespace lumatik
