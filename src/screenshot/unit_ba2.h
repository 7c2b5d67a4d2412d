#pragma once

#include <QWidget>

namespace lumatik {

// The screenshot tool's upper-left marker.
class TForm_ba2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_ba2(QWidget* parent = nullptr);
};

}  // namespace lumatik
