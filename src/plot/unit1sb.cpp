#include "plot/unit1sb.h"

namespace lumatik {

TForm1sb::TForm1sb(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromUtf8("Eingabe Funktion Längeneinheiten Mitte"));
}

}  // namespace lumatik
