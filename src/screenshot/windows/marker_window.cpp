#include "screenshot/windows/marker_window.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/windows/qtext.h"

namespace lumatik {

MarkerWindow::MarkerWindow(const char* objectName, const char* caption, QPoint place, QSize largest,
                           QWidget* parent)
    : QWidget(parent) {
  setObjectName(QLatin1String(objectName));
  setWindowTitle(Ui(caption));
  // A title bar without icons: the marker can be moved, not closed.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
  setMinimumSize(90, 25);
  setMaximumSize(largest);
  move(place);
  resize(112, 27);
  setCursor(Qt::SizeAllCursor);
}

QRect MarkerWindow::OuterRect() const {
  QRect frame = frameGeometry();
  if (!isVisible()) frame.setSize(frame.size().expandedTo(size() + frameExtra_));
  return frame;
}

// The frame is still counted at this moment.
void MarkerWindow::hideEvent(QHideEvent* event) {
  frameExtra_ = frameGeometry().size() - size();
  QWidget::hideEvent(event);
}

// The caption again inside, for desktops that draw no title bar.
void MarkerWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(255, 255, 160));
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.drawText(rect(), Qt::AlignCenter, windowTitle());
}

void MarkerWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  grip_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void MarkerWindow::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) move(event->globalPosition().toPoint() - grip_);
}

void MarkerWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
}

}  // namespace lumatik
