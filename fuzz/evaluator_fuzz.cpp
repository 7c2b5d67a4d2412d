// Any bytes as a term: the engine and the number texts must answer, never
// crash. The first byte picks the parameter lines, so parameter lookups and
// the statistics functions are reached too.

#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/calculation.h"
#include "exact/roots.h"
#include "expr/lumath.h"
#include "expr/nth_value.h"
#include "shell/luhilf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumatik;
  if (size == 0) return 0;
  // PrZ of a large argument legitimately takes long: leave it out.
  std::string term(reinterpret_cast<const char*>(data + 1), size - 1);
  if (term.find("PrZ") != std::string::npos) return 0;
  ParamLines().setLines(data[0] % 2 == 0 ? std::vector<std::string>{"x=2", "a=1/3", "n=10", "p=1/2"}
                                         : std::vector<std::string>{});
  const Calculation calculation = Calculate(term);
  if (calculation.failure.empty()) {
    RootText("sqrt", calculation.value);
    ExactText(calculation.value);
    GroupedDecimalText18(calculation.value);
  }
  NthValue(term, data[0] % 4);
  try {
    StrToExt(term);
  } catch (...) {
  }
  return 0;
}
