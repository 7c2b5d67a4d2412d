#include "screenshot/unit_ba1.h"

namespace lumatik {

TForm_ba1::TForm_ba1(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QString::fromUtf8("Screenshot"));
}

}  // namespace lumatik
