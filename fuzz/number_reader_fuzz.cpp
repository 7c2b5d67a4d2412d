// The number readers: StrToNumber (the engine's literals), StrToExt and
// NthInteger (the lenient readers of worksheet fields). Contract: a finite
// value or the refusal each reader documents, never another exception; a
// text CouldBeNumber turns down is refused; what StrToNumber reads, written
// in the general format, reads back to the same value within its digits.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "expr/evaluate.h"
#include "fuzz_support.h"
#include "shell/decimal_separator.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"
#include "shell/textconvert.h"

namespace lumatik::fuzz {
namespace {

void CheckStrToNumber(const std::string& text) {
  Extended value = 0;
  try {
    value = StrToNumber(text);
  } catch (const ConversionError&) {
    return;
  }
  Require(CouldBeNumber(text), "gelesen, obwohl CouldBeNumber ablehnt", text);
  Require(std::isfinite(value), "StrToNumber nicht endlich", text);
  if (value == 0) return;
  // 18 significant digits: half a unit of the last one, and the rounding
  // of that text to the 64-bit mantissa.
  const std::string written = GeneralFloatText(value, 18);
  const Extended back = StrToNumber(written);
  const Extended tolerance = 0.505L * std::pow(10.0L, std::floor(std::log10(std::fabs(value))) - 17) +
                             std::fabs(value) * 0x1p-63L;
  Require(std::fabs(back - value) <= tolerance, "kein Rundweg durch den Zahltext", text + "\n-> " + written);
}

void CheckLenientReaders(const std::string& text) {
  try {
    Require(std::isfinite(StrToExt(text)), "StrToExt nicht endlich", text);
  } catch (const ConversionError&) {
  } catch (const std::overflow_error&) {
    // An exponent beyond the range, as in "9E99999".
  }
  for (int n = 1; n <= 3; ++n) {
    try {
      NthInteger(text, n);
    } catch (const ConversionError&) {
    } catch (const std::overflow_error&) {
    }
  }
}

}  // namespace
}  // namespace lumatik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumatik;
  using namespace lumatik::fuzz;
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const char separator : {',', '.'}) {
    SetDecimalSeparator(separator);
    CheckStrToNumber(text);
    CheckLenientReaders(text);
  }
  return 0;
}
