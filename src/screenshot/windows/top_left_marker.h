#pragma once

#include "screenshot/windows/marker_window.h"

namespace lumatik {

// The screenshot tool's upper-left marker: its upper left corner is the
// capture rectangle's.
class TopLeftMarker : public MarkerWindow {
  Q_OBJECT

 public:
  explicit TopLeftMarker(QWidget* parent = nullptr);
};

}  // namespace lumatik
