#pragma once

#include "screenshot/windows/marker_window.h"

namespace lumatik {

// The screenshot tool's lower-right marker: its lower right corner is the
// capture rectangle's.
class BottomRightMarker : public MarkerWindow {
  Q_OBJECT

 public:
  explicit BottomRightMarker(QWidget* parent = nullptr);
};

}  // namespace lumatik
