#include "screenshot/windows/unit_ba3.h"

namespace lumatik {

TForm_ba3::TForm_ba3(QWidget* parent)
    : MarkerWindow("Form_ba3", "rechts unten", QPoint(481, 453), QSize(112, 55), parent) {}

}  // namespace lumatik
