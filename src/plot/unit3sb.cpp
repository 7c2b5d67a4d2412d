#include "plot/unit3sb.h"

namespace lumatik {

TForm3sb::TForm3sb(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QString::fromUtf8("Liste (Hinweis: Klick auf Schaubild => Menü verschwindet bzw. erscheint)"));
}

}  // namespace lumatik
