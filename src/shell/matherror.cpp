#include "shell/matherror.h"

namespace lumatik {

std::string& MathErrorText() {
  static std::string text;
  return text;
}

void SetMathError(const std::string& message) { MathErrorText() = message; }

void RaiseMathError(const std::string& message) {
  std::string text = " " + message;
  while (text.size() > 255) text = ".." + text.substr(49);
  MathErrorText() = text;
  throw EMathError(message);
}

}  // namespace lumatik
