#include "plot/unit2sb.h"

namespace lumatik {

TForm2sb::TForm2sb(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QString::fromUtf8("Schaubild"));
}

}  // namespace lumatik
