#pragma once

#include <Qt>

namespace lumatik {

// Enter on the main block and on the keypad do the same everywhere.
inline bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace lumatik
