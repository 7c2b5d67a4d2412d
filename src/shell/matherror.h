#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace lumatik {

// The engine's last message. It lives on the ground floor because the prime
// table below the evaluator reports into it too. The engine never clears it:
// callers that want to know whether a computation failed clear it first and
// read it after.
std::string& MathErrorText();

void SetMathError(const std::string& message);

// How many messages the engine has set so far: a changed count tells that a
// call set one, without comparing texts.
std::uint64_t MathErrorCount();

// The engine's math error, raised by a failed power or binomial coefficient
// and turned into "Fehler in ..." by the evaluator level around it.
class EMathError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void RaiseMathError(const std::string& message);

}  // namespace lumatik
