// NthValue and NthValuePlain, the readers of coordinate and list texts such
// as "P(1|-2|1/3)". Input: one byte for N, then the text, LF, the parameter
// line. Contract: a finite value (0 for a missing or unreadable one) and at
// most one of the engine's messages.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "expr/evaluate.h"
#include "expr/nth_value.h"
#include "fuzz_support.h"
#include "shell/text_helpers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumatik;
  using namespace lumatik::fuzz;
  if (size == 0) return 0;
  // N from -2 to 5: the readers must take any count, not only 1, 2, 3.
  const int n = static_cast<int>(data[0] % 8) - 2;
  const auto fields = SplitFields(data + 1, size - 1, 2);
  const std::string& text = fields[0];
  ResetEngine(fields[1]);
  for (const Extended value : {NthValue(text, n), NthValuePlain(text, n)}) {
    Require(std::isfinite(value), "Wert nicht endlich", text);
    RequireEngineMessage(text);
  }
  return 0;
}
