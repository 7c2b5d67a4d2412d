#include "screenshot/unit_ba2.h"

namespace lumatik {

TForm_ba2::TForm_ba2(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QString::fromUtf8("Links oben"));
}

}  // namespace lumatik
