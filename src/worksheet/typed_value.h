#pragma once

// One number typed into a worksheet line. The worksheet promises "Brüche -
// allgemein alle Rechenausdrücke ohne Leerstelle": a plain number is read
// exactly as written, anything else is a term of the engine; a term the
// engine cannot compute is reported, never taken as some other number.

#include <string>

#include "shell/extended.h"

namespace lumatik {

struct TypedValue {
  Extended value = 0;
  bool computed = true;  // false: the engine could not compute the term
  std::string message;   // the engine's message then (may be empty)
};

TypedValue ReadTypedValue(const std::string& item);

// The hint for a value that cannot be computed, naming its worksheet line.
std::string UncomputableValueHint(int lineNumber, const std::string& item, const std::string& message);

}  // namespace lumatik
