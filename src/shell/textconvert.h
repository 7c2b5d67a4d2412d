#pragma once

#include <stdexcept>
#include <string>

#include "shell/extended.h"

namespace lumatik {

// Raised when a text is no number; the callers of the lenient readers catch it.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The standard text-to-float conversion: surrounding blanks, an optional
// sign, digits with at most one decimal separator (the locale's), and an
// optional exponent "E5" or "e-3". Anything else raises ConversionError.
Extended TextToFloat(const std::string& text);

}  // namespace lumatik
