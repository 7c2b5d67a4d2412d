#include "screenshot/windows/unit_ba2.h"

namespace lumatik {

TForm_ba2::TForm_ba2(QWidget* parent)
    : MarkerWindow("Form_ba2", "Links oben", QPoint(194, 253), QSize(112, 56), parent) {}

}  // namespace lumatik
