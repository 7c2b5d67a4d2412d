#pragma once

// Values out of an input line, each word read as a term: the coordinates of
// P(1|-2|1/3), the entries of "2 -1 -5 3". A missing or unreadable value is
// 0, as EvalTermGuarded gives it.

#include <string>

#include "shell/extended.h"

namespace lumatik {

// The term that NthValue evaluates ("" when there is none), for readers
// that want it exactly (ExactTermValue).
std::string NthValueText(const std::string& s, int n);
// The N-th value of a coordinate or list text such as P(1|2|3) or 1 2 3.
Extended NthValue(const std::string& s, int n);
// NthValue without blanking the brackets, for lines such as "2 -1 -5 3"
// followed by a bracketed comment.
Extended NthValuePlain(const std::string& s, int n);

}  // namespace lumatik
