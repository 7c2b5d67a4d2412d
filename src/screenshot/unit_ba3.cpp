#include "screenshot/unit_ba3.h"

namespace lumatik {

TForm_ba3::TForm_ba3(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QString::fromUtf8("rechts unten"));
}

}  // namespace lumatik
