#pragma once

// Exact texts for irrational results, in the term language's own notation
// so they can be typed back: 1/2*sqrt(2), 1/6*Pi, (2-sqrt(3)).

#include <string>

#include "shell/extended.h"

namespace lumatik {

// The square-root form of X, else its multiple of Pi, else the quadratic
// form, else "". Name is the root's name to write ("sqrt").
std::string RootText(const std::string& name, Extended x);

// "Pi", "-Pi", "2*Pi", "1/6*Pi" or "".
std::string PiMultipleText(Extended x);

// "(2-sqrt(3))", "(1+sqrt(5))/2" or "".
std::string QuadraticRootText(Extended x);

// The integer, the mixed fraction, the root form, or a 12-digit decimal.
std::string ExactText(Extended x);

// "=" + RootText when that holds a fraction or a root, otherwise "".
std::string RootSuffix(Extended x);

// ExactText, followed by " = " and three decimals when it shows no decimal.
std::string RootTextWithDecimal(Extended x);

// The general format with up to 18 digits: plain digits for integers.
std::string PlainNumText(Extended x);

}  // namespace lumatik
