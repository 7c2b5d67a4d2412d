#pragma once

#include <QMainWindow>

namespace lumatik {

// The screenshot tool's preview and export window.
class TForm_ba4 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm_ba4(QWidget* parent = nullptr);
};

}  // namespace lumatik
