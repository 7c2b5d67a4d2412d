#pragma once

class QLineEdit;

namespace lumatik {

// The result field gives its number plain: Ctrl+C and the item "Zahl
// kopieren" of its context menu put the number without grouping blanks on
// the clipboard, while the field keeps showing it grouped.
void InstallPlainNumberCopy(QLineEdit* field);

}  // namespace lumatik
