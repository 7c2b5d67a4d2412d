#pragma once

namespace lumatik {

// The decimal separator of the user's locale. The windows and the command
// line set it once at start; tests set it to the comma.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// "." when the locale uses something else, "," otherwise: numbers are read
// with either separator whatever the locale.
char OtherDecimalSeparator();

}  // namespace lumatik
