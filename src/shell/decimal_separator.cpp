#include "shell/decimal_separator.h"

namespace lumatik {

namespace {
char g_separator = ',';
}

char DecimalSeparator() { return g_separator; }

void SetDecimalSeparator(char separator) { g_separator = separator; }

char OtherDecimalSeparator() { return g_separator == '.' ? ',' : '.'; }

}  // namespace lumatik
