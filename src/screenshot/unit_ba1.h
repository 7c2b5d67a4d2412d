#pragma once

#include <QWidget>

namespace lumatik {

// The screenshot tool's capture window.
class TForm_ba1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_ba1(QWidget* parent = nullptr);
};

}  // namespace lumatik
