#include "screenshot/windows/top_left_marker.h"

namespace lumatik {

TopLeftMarker::TopLeftMarker(QWidget* parent)
    : MarkerWindow("Form_ba2", "Links oben", QPoint(194, 253), QSize(112, 56), parent) {}

}  // namespace lumatik
