#include "discuss/windows/unit4sb.h"

namespace lumatik {

TForm4sb::TForm4sb(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QString::fromUtf8("Berechnung von Nullstellen"));
}

}  // namespace lumatik
