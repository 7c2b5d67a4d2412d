#pragma once

#include <QWidget>

namespace lumatik {

// The curve discussion window.
class TForm4sb : public QWidget {
  Q_OBJECT

 public:
  explicit TForm4sb(QWidget* parent = nullptr);
};

}  // namespace lumatik
