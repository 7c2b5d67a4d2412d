#include "calc/rechne.h"

namespace lumatik {

TFRechne::TFRechne(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FRechne"));
  setWindowTitle(QStringLiteral("Rechnen"));
  resize(550, 225);
}

}  // namespace lumatik
