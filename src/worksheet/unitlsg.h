#pragma once

#include <QMainWindow>

namespace lumatik {

// The worksheet window shared by the algebra and geometry areas.
class TFormLSG : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFormLSG(QWidget* parent = nullptr);
};

}  // namespace lumatik
