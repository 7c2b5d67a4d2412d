#pragma once

#include <string>
#include <vector>

#include "shell/extended.h"

namespace lumatik {

// How a function's argument term is evaluated: with the current x, or with
// x taken from the parameter line (the statistics and prime functions).
enum class ArgumentMode { AtX, XFromParameter };

struct BuiltinFunction {
  const char* name;         // "sin"; two letters for the logarithms
  const char* description;  // the German help text, UTF-8
  ArgumentMode argument;
  bool ownGuard;  // a failure reports the name and argument instead of "Fehler in"
  Extended (*compute)(Extended a);
};

// The function names in the order the evaluator tries them.
const std::vector<BuiltinFunction>& BuiltinFunctions();

// The function whose name begins the sub-term s, or nullptr.
const BuiltinFunction* FindBuiltinFunction(const std::string& s);

}  // namespace lumatik
