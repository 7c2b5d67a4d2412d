#pragma once

#include <QWidget>

namespace lumatik {

// The screenshot tool's lower-right marker.
class TForm_ba3 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_ba3(QWidget* parent = nullptr);
};

}  // namespace lumatik
