#pragma once

#include "screenshot/windows/marker_window.h"

namespace lumatik {

// The screenshot tool's lower-right marker: its lower right corner is the
// capture rectangle's.
class TForm_ba3 : public MarkerWindow {
  Q_OBJECT

 public:
  explicit TForm_ba3(QWidget* parent = nullptr);
};

}  // namespace lumatik
