#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QAbstractItemModel;
class QPlainTextEdit;

namespace lumatik {

// How long a piece of the user's work may go on changing before it is
// written anyway: a program that is killed, or a machine that loses its
// power, loses at most this much.
inline constexpr int kDelayedSaveMs = 3000;

// Writes one piece of the user's work (a memo, a list) some seconds after
// it last changed, so that typing does not write a file per key, and at
// once when a command has run.
class DelayedSave : public QObject {
 public:
  DelayedSave(std::function<void()> save, QObject* parent);

  void watch(QPlainTextEdit* memo);
  void watch(QAbstractItemModel* model);

  // Starts the wait again.
  void changed();
  // Writes at once what changed since the last write.
  void saveNow();

 private:
  std::function<void()> save_;
  QTimer timer_;
  bool pending_ = false;
};

}  // namespace lumatik
