#pragma once

#include "screenshot/windows/marker_window.h"

namespace lumatik {

// The screenshot tool's upper-left marker: its upper left corner is the
// capture rectangle's.
class TForm_ba2 : public MarkerWindow {
  Q_OBJECT

 public:
  explicit TForm_ba2(QWidget* parent = nullptr);
};

}  // namespace lumatik
