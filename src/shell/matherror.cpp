#include "shell/matherror.h"

namespace lumatik {

std::string& MathErrorText() {
  static std::string text;
  return text;
}

namespace {
std::uint64_t messageCount = 0;
}

std::uint64_t MathErrorCount() { return messageCount; }

void SetMathError(const std::string& message) {
  ++messageCount;
  MathErrorText() = message;
}

void RaiseMathError(const std::string& message) {
  ++messageCount;
  std::string text = " " + message;
  while (text.size() > 255) text = ".." + text.substr(49);
  MathErrorText() = text;
  throw EMathError(message);
}

}  // namespace lumatik
