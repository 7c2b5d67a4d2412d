#include "shell/windows/window_frame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace lumatik {

namespace {

QMargins MarginsOf(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                  outer.bottom() - inner.bottom());
}

// The window manager frames a window only after it is shown; until then its
// frame is a guess. Once the real frame is known, a guess that was wrong
// is put right, so that the frame lands where it was meant to.
class FrameCorrection : public QObject {
 public:
  FrameCorrection(QWidget* window, const QRect& frame, const QMargins& guessed)
      : QObject(window), window_(window), frame_(frame), guessed_(guessed) {
    setObjectName(QStringLiteral("frameCorrection"));
    age_.start();
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched != window_ || !window_->isVisible()) return false;
    if (e->type() != QEvent::Move && e->type() != QEvent::Resize && e->type() != QEvent::Show) return false;
    const QMargins real = MarginsOf(window_);
    // Without a frame after a while there is no window manager to wait for.
    if (real.isNull()) {
      if (age_.elapsed() > kPatienceMs) deleteLater();
      return false;
    }
    if (real != guessed_) {
      window_->resize(frame_.size().shrunkBy(real));
      window_->move(frame_.topLeft());
    }
    deleteLater();
    return false;
  }

 private:
  static constexpr int kPatienceMs = 2000;
  QWidget* window_;
  QRect frame_;
  QMargins guessed_;
  QElapsedTimer age_;
};

}  // namespace

QRect AvailableArea(const QWidget* window) {
  const QScreen* screen = window ? window->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

QMargins FrameMargins(const QWidget* window) {
  if (window->isVisible()) {
    const QMargins own = MarginsOf(window);
    if (!own.isNull()) return own;
  }
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other == window || !other->isVisible() || other->windowType() != Qt::Window ||
        other->windowFlags().testFlag(Qt::FramelessWindowHint))
      continue;
    const QMargins theirs = MarginsOf(other);
    if (!theirs.isNull()) return theirs;
  }
  return QMargins();
}

void PlaceFrame(QWidget* window, const QRect& frame) {
  const QMargins margins = FrameMargins(window);
  delete window->findChild<FrameCorrection*>(QStringLiteral("frameCorrection"), Qt::FindDirectChildrenOnly);
  window->resize(frame.size().shrunkBy(margins));
  window->move(frame.topLeft());
  new FrameCorrection(window, frame, margins);
}

}  // namespace lumatik
