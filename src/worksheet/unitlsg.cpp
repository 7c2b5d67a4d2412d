#include "worksheet/unitlsg.h"

namespace lumatik {

TFormLSG::TFormLSG(QWidget* parent) : QMainWindow(parent) {
}

}  // namespace lumatik
