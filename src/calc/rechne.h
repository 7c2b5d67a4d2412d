#pragma once

#include <QMainWindow>

namespace lumatik {

// The calculator: evaluates one term with parameters and keeps a history.
class TFRechne : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFRechne(QWidget* parent = nullptr);
};

}  // namespace lumatik
