#include "screenshot/unit_ba4.h"

namespace lumatik {

TForm_ba4::TForm_ba4(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromUtf8("Vorschau"));
}

}  // namespace lumatik
