#include "shell/textconvert.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "shell/decimal_separator.h"

namespace lumatik {

namespace {

[[noreturn]] void Fail(const std::string& text) {
  throw ConversionError("'" + text + "' ist kein g\xFCltiger Gleitkommawert");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Extended TextToFloat(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;

  // Rebuild the number in the C notation that from_chars reads.
  std::string plain;
  std::size_t i = begin;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::size_t mantissaDigits = 0;
  while (i < end && IsDigit(text[i])) plain += text[i++], ++mantissaDigits;
  if (i < end && text[i] == DecimalSeparator()) {
    plain += '.';
    ++i;
    while (i < end && IsDigit(text[i])) plain += text[i++], ++mantissaDigits;
  }
  if (mantissaDigits == 0) Fail(text);
  bool negativeExponent = false;
  if (i < end && (text[i] == 'E' || text[i] == 'e')) {
    plain += 'e';
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      plain += text[i++];
    }
    std::size_t exponentDigits = 0;
    while (i < end && IsDigit(text[i])) plain += text[i++], ++exponentDigits;
    if (exponentDigits == 0) Fail(text);
  }
  if (i != end) Fail(text);

  Extended value = 0;
  const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (!negativeExponent) Fail(text);
    value = 0;  // too small to hold: reads as zero
  } else if (ec != std::errc() || ptr != plain.data() + plain.size()) {
    Fail(text);
  }
  return negative ? -value : value;
}

}  // namespace lumatik
