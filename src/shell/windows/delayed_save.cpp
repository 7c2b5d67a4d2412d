#include "shell/windows/delayed_save.h"

#include <QAbstractItemModel>
#include <QPlainTextEdit>

#include <utility>

namespace lumatik {

DelayedSave::DelayedSave(std::function<void()> save, QObject* parent) : QObject(parent), save_(std::move(save)) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayedSaveMs);
  connect(&timer_, &QTimer::timeout, this, &DelayedSave::saveNow);
}

void DelayedSave::watch(QPlainTextEdit* memo) {
  if (memo) connect(memo, &QPlainTextEdit::textChanged, this, &DelayedSave::changed);
}

void DelayedSave::watch(QAbstractItemModel* model) {
  if (!model) return;
  connect(model, &QAbstractItemModel::rowsInserted, this, &DelayedSave::changed);
  connect(model, &QAbstractItemModel::rowsRemoved, this, &DelayedSave::changed);
  connect(model, &QAbstractItemModel::rowsMoved, this, &DelayedSave::changed);
  connect(model, &QAbstractItemModel::dataChanged, this, &DelayedSave::changed);
  connect(model, &QAbstractItemModel::modelReset, this, &DelayedSave::changed);
}

void DelayedSave::changed() {
  pending_ = true;
  timer_.start();
}

void DelayedSave::saveNow() {
  timer_.stop();
  if (!pending_) return;
  pending_ = false;
  save_();
}

}  // namespace lumatik
