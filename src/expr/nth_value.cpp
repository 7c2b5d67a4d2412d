#include "expr/nth_value.h"

#include "expr/evaluate.h"

namespace lumatik {

namespace {

// Steps 2 to 4 of the value reader: skip to the first number character, take
// the text up to the first "|" or blank.
std::string NthWordOfPlainText(std::string s, int n) {
  for (;;) {
    const auto start = s.find_first_of("()+,-.0123456789");
    s = start == std::string::npos ? std::string() : s.substr(start);
    const auto separator = s.find_first_of("| ");
    if (separator == std::string::npos) return n <= 1 ? s : std::string();
    if (n <= 1) return s.substr(0, separator);
    s = s.substr(separator + 1);
    --n;
  }
}

}  // namespace

std::string NthValueText(const std::string& s, int n) {
  // P(1|2|3): the name with its bracket and the closing bracket become blanks.
  std::string blanked = s;
  for (std::size_t i = 1; i < blanked.size(); ++i) {
    if (blanked[i] == '(') {
      blanked[i - 1] = ' ';
      blanked[i] = ' ';
    } else if (blanked[i] == ')') {
      blanked[i] = ' ';
    }
  }
  return NthWordOfPlainText(blanked, n);
}

Extended NthValue(const std::string& s, int n) { return EvalTermGuarded(NthValueText(s, n)); }

Extended NthValuePlain(const std::string& s, int n) { return EvalTermGuarded(NthWordOfPlainText(s, n)); }

}  // namespace lumatik
