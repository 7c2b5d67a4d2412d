#pragma once

// One number typed into a worksheet line. The worksheet promises "Brüche -
// allgemein alle Rechenausdrücke ohne Leerstelle": a plain number is read
// exactly as written, anything else is a term of the engine; a term the
// engine cannot compute is reported, never taken as some other number.

#include <gmpxx.h>

#include <optional>
#include <string>

#include "shell/extended.h"

namespace lumatik {

struct TypedValue {
  Extended value = 0;
  bool computed = true;  // false: the engine could not compute the term
  std::string message;   // the engine's message then (may be empty)
  // The value exactly, when the item is made of rational numbers ("0,865",
  // "1/3+2*5"); the extended value is then this fraction correctly rounded.
  std::optional<mpq_class> exact;
};

TypedValue ReadTypedValue(const std::string& item);

// The hint for a value that cannot be computed, naming its worksheet line.
std::string UncomputableValueHint(int lineNumber, const std::string& item, const std::string& message);

}  // namespace lumatik
