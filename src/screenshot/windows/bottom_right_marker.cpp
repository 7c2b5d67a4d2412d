#include "screenshot/windows/bottom_right_marker.h"

namespace lumatik {

BottomRightMarker::BottomRightMarker(QWidget* parent)
    : MarkerWindow("Form_ba3", "rechts unten", QPoint(481, 453), QSize(112, 55), parent) {}

}  // namespace lumatik
