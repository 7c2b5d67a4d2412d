#include "shell/text_helpers.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "shell/decimal_separator.h"
#include "shell/floatformat.h"
#include "shell/textconvert.h"

namespace lumatik {

char CharAt(const std::string& s, int i) {
  return i >= 1 && i <= static_cast<int>(s.size()) ? s[i - 1] : '\0';
}

char CharAtOrBlank(const std::string& s, int i) {
  return i >= 1 && i <= static_cast<int>(s.size()) ? s[i - 1] : ' ';
}

std::string TailFrom(const std::string& s, int pos) {
  if (pos < 1) pos = 1;
  return pos > static_cast<int>(s.size()) ? std::string() : s.substr(pos - 1);
}

void DropLastChars(std::string& s, int n) {
  do {
    if (!s.empty()) s.pop_back();
  } while (--n > 0);
}

bool IsBlank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

std::string RemoveBlanks(const std::string& s) {
  std::string result;
  result.reserve(s.size());
  for (char c : s)
    if (c != ' ') result += c;
  return result;
}

std::string Spaces(int n) { return std::string(n > 0 ? n : 0, ' '); }

std::string PadRight(const std::string& s, int width) {
  return static_cast<int>(s.size()) >= width ? s : s + Spaces(width - static_cast<int>(s.size()));
}

std::string JoinFourDigitInteger(std::string s) {
  const std::size_t start = !s.empty() && s[0] == '-' ? 1 : 0;
  std::size_t end = start;
  while (end < s.size() && ((s[end] >= '0' && s[end] <= '9') || s[end] == ' ')) ++end;
  if (end - start == 5 && s[start + 1] == ' ') s.erase(start + 1, 1);
  return s;
}

std::string CollapseAfterFirst(std::string s) {
  while (s.size() >= 2 && s[1] == ' ') s.erase(1, 1);
  return s;
}

std::string SignChar(Extended x) { return x < 0 ? "-" : "+"; }

std::string Trim(const std::string& s) {
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && static_cast<unsigned char>(s[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(s[end - 1]) <= ' ') --end;
  return s.substr(begin, end - begin);
}

std::string NthWord(const std::string& s, int n) {
  std::string rest = s;
  for (;;) {
    const auto blank = rest.find(' ');
    if (blank == std::string::npos) return n <= 1 ? Trim(rest) : std::string();
    if (n <= 1) return Trim(rest.substr(0, blank));
    rest = Trim(rest.substr(blank + 1));
    --n;
  }
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int64_t NthInteger(const std::string& s, int n) {
  std::string rest = s;
  for (;;) {
    const auto start = rest.find_first_of("+-0123456789");
    rest = start == std::string::npos ? std::string() : rest.substr(start);
    const auto blank = rest.find(' ');
    const std::string word = rest.substr(0, blank);
    if (n <= 1) return StrToIntRounded(word);
    rest = blank == std::string::npos ? std::string() : rest.substr(blank + 1);
    --n;
  }
}

Extended StrToExt(const std::string& input) {
  const char separator = DecimalSeparator();
  // A leading label or unit is skipped: "x = 2,5 cm" reads 2.5.
  const auto start = input.find_first_of("+-0123456789");
  std::string s = start == std::string::npos ? std::string() : input.substr(start);
  while (s.size() >= 2 && (s[0] == '+' || s[0] == '-') && s[1] == ' ') s.erase(1, 1);
  const auto doubleBlank = s.find("  ");
  if (doubleBlank != std::string::npos) s.resize(doubleBlank);
  s = RemoveBlanks(s);
  const auto other = s.find(OtherDecimalSeparator());
  if (other != std::string::npos) s[other] = separator;
  const auto firstSeparator = s.find(separator);
  if (firstSeparator != std::string::npos) {
    const auto second = s.find(separator, firstSeparator + 1);
    if (second != std::string::npos) s.resize(second);
  }
  if (!s.empty()) {
    // The number runs on over digits, "E" and the separator; a sign right
    // after a digit's "E" is the exponent's, so "1,5E-20" reads whole.
    std::size_t end = 1;
    while (end < s.size() &&
           (IsDigit(s[end]) || s[end] == 'E' || s[end] == separator ||
            ((s[end] == '+' || s[end] == '-') && s[end - 1] == 'E' && end >= 2 && IsDigit(s[end - 2]))))
      ++end;
    s.resize(end);
  }
  if (s.empty()) s = "0";
  const auto e = s.find('E', 1);
  if (e != std::string::npos && s[e - 1] >= '1' && s[e - 1] <= '9') {
    // A well-formed literal is converted whole, which rounds once; the
    // product below is for texts such as "2E3E1" that the conversion refuses.
    try {
      return TextToFloat(s);
    } catch (const ConversionError&) {
    }
    const auto exponent = StrToIntRounded(s.substr(e + 1));
    return StrToExt(s.substr(0, e)) * PowerD(static_cast<double>(exponent), 10);
  }
  if (s == "+" || s == "-") return 0;
  return TextToFloat(s);
}

std::int64_t StrToIntRounded(const std::string& s) {
  const Extended v = StrToExt(s);
  const Extended rounded = std::round(std::fabs(v));
  if (!(rounded < 9.2e18L)) throw std::overflow_error("Ganzzahl\xFC" "berlauf");
  const auto magnitude = static_cast<std::int64_t>(rounded);
  return v < 0 ? -magnitude : magnitude;
}

double IntPowerD(std::int64_t n, double base) {
  if (n < 0) {
    const double denominator = IntPowerD(-n, base);
    if (denominator == 0) throw std::overflow_error("Division durch Null");
    return 1 / denominator;
  }
  double result = 1;
  for (std::int64_t i = 0; i < n; ++i) {
    result *= base;
    if (!std::isfinite(result)) throw std::overflow_error("Gleitkomma\xFC" "berlauf");
    if (result == 0 || result == 1) break;  // further factors change nothing
  }
  return result;
}

double PowerD(double exponent, double base) {
  if (exponent == 0) return 1;
  if (base == 0) return 0;
  if (exponent != std::trunc(exponent)) return std::exp(exponent * std::log(base));
  return IntPowerD(static_cast<std::int64_t>(std::nearbyint(exponent)), base);
}

namespace {

constexpr Extended kWholeTextLimit = 9223372036854775807.0L;  // what fits an int64

std::string WholeText(Extended absoluteValue) {
  if (!(absoluteValue < kWholeTextLimit)) throw std::overflow_error("Ganzzahl\xFC" "berlauf");
  return WholeDigits(absoluteValue);
}

// Counts the "#" in the first `length` characters of a digit pattern.
int PlaceholdersIn(const std::string& pattern, int length) {
  int count = 0;
  for (int i = 0; i < length && i < static_cast<int>(pattern.size()); ++i)
    if (pattern[i] == '#') ++count;
  return count;
}

// Steps 3 to 5 shared by the fixed and grouped writers.
std::string FinishNumberText(std::string text, Extended x) {
  if (text.empty()) text = "0";
  if (text[0] == DecimalSeparator()) text = "0" + text;
  if (x < 0 && text != "0") text = "-" + text;
  // A value that rounds away to nothing at this precision is no 0: it is
  // written with its exponent.
  if (text.find('E') != std::string::npos || (text == "0" && x != 0)) return GeneralFloatText(x, 15);
  return JoinFourDigitInteger(text);
}

const std::string kFractionPattern = "### ### ### ### ### ### ##";

}  // namespace

std::string FloatTextFixed(int decimals, Extended x) {
  try {
    const Extended ax = std::fabs(x);
    std::string text;
    if (IsWholeNumber(x, 1e-18L)) {
      text = WholeText(std::nearbyint(ax));
    } else {
      const Extended integerPart = std::trunc(ax);
      const FixedParts fraction = ToFixedParts(ax - integerPart, 18, std::min(decimals, 18));
      if (fraction.integer == "1") {
        text = WholeText(integerPart + 1);
      } else {
        text = WholeText(integerPart);
        if (!fraction.fraction.empty()) text += DecimalSeparator() + fraction.fraction;
      }
    }
    return FinishNumberText(text, x);
  } catch (const std::overflow_error&) {
    return GeneralFloatText(x, 15);  // an integer part beyond the pattern
  }
}

std::string FloatTextGrouped(int digits, Extended x) {
  try {
    const Extended ax = std::fabs(x);
    std::string text;
    if (IsWholeNumber(x, 1e-18L)) {
      text = GroupDigits3(WholeText(std::nearbyint(ax)));
    } else {
      const Extended integerPart = std::trunc(ax);
      const Extended fractionPart = ax - integerPart;
      // The round-up test reads fewer digits than the text writes.
      // The round-up test reads as many digits as the text writes: with
      // fewer, 1,9998 would show as 2 at four places.
      const int writtenDigits = PlaceholdersIn(kFractionPattern, digits + digits / 3);
      if (ToFixedParts(fractionPart, 18, writtenDigits).integer == "1") {
        text = GroupDigits3(WholeText(integerPart + 1));
      } else {
        const FixedParts fraction = ToFixedParts(fractionPart, 18, writtenDigits);
        text = integerPart == 0 ? std::string() : GroupDigits3(WholeText(integerPart));
        if (!fraction.fraction.empty())
          text += DecimalSeparator() + GroupFractionDigits3(fraction.fraction);
      }
    }
    return FinishNumberText(text, x);
  } catch (const std::overflow_error&) {
    return GeneralFloatText(x, 15);  // an integer part beyond the pattern
  }
}

std::string FloatText18(Extended x) { return FloatTextGrouped(18, x); }

std::string CleanFloatText(Extended x) {
  if (IsWholeNumber(1000 * x, 1e-12L)) {
    const Extended rounded = std::trunc(std::fabs(x) * 10000 + 0.5L) / 10000;
    x = x < 0 ? -rounded : rounded;
  }
  // The one failure left in floating point: a value that is no number.
  if (!std::isfinite(x)) return "";
  return GeneralFloatText(x, 18);
}

std::string GroupedDecimalText(int digits, Extended x) {
  std::string text;
  try {
    const Extended ax = std::fabs(x);
    const Extended integerPart = std::trunc(ax);
    if (ax == integerPart) {
      text = GroupDigits3(WholeText(ax));
    } else if (integerPart >= 1e18L) {
      text = "E";  // beyond the pattern: written in the general format below
    } else {
      const std::string groupedPattern = "### ### ### ### ### ### ###";
      FixedParts fraction =
          ToFixedParts(ax - integerPart, 18, PlaceholdersIn(groupedPattern, digits + digits / 3));
      // A fraction that rounds up to one carries into the integer part.
      const Extended whole = fraction.integer == "1" ? integerPart + 1 : integerPart;
      text = whole == 0 ? std::string() : GroupDigits3(WholeText(whole));
      if (fraction.integer != "1" && !fraction.fraction.empty())
        text += DecimalSeparator() + GroupFractionDigits3(fraction.fraction);
    }
    if (!text.empty() && text[0] == DecimalSeparator()) text = "0" + text;
    if (text.empty()) text = "0";
    if (x < 0 && text != "0") text = "-" + text;
    if (text.find('E') != std::string::npos) text = GeneralFloatText(x, 15);
    if (text == "0" && x != 0) return GeneralFloatText(x, 15);
    // Rounding noise such as 0.29999999999999999 is written again with fewer digits.
    if (digits > 9 && (text.find("000 000 000") != std::string::npos ||
                       text.find("999 999 999") != std::string::npos))
      return GroupedDecimalText(digits - 3, x);
    return JoinFourDigitInteger(text);
  } catch (const std::overflow_error&) {
    return GeneralFloatText(x, 15);  // an integer part beyond the pattern
  }
}

std::string GroupedDecimalText18(Extended x) { return GroupedDecimalText(18, x); }

int MemoCaretLine(const std::string& text, int caretPosition) {
  int line = 1;
  for (int i = 0; i < caretPosition && i < static_cast<int>(text.size()); ++i)
    if (text[i] == '\n') ++line;
  return line;
}

std::string MemoCurrentLine(const std::vector<std::string>& lines, int caretLine) {
  const int index = caretLine - 1;
  return index >= 0 && index < static_cast<int>(lines.size()) ? lines[index] : std::string();
}

}  // namespace lumatik
