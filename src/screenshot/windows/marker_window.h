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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPoint grip_;  // where the body was taken, relative to the window's corner
  bool dragging_ = false;
};

}  // namespace lumatik
