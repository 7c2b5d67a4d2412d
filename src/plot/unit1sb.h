#pragma once

#include <QMainWindow>

namespace lumatik {

// The function input window: function field, units and centre.
class TForm1sb : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1sb(QWidget* parent = nullptr);
};

}  // namespace lumatik
