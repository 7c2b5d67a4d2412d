#include "shell/floatformat.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "shell/decimal_separator.h"

namespace lumatik {

bool IsWholeNumber(Extended x, Extended eps) {
  const Extended shifted = std::fabs(x) + eps;
  return shifted - std::trunc(shifted) < 2 * eps;
}

DecimalDigits ToDecimalDigits(Extended x, int significantDigits) {
  DecimalDigits result;
  result.negative = std::signbit(x) && x != 0;
  if (x == 0 || !std::isfinite(x)) return result;
  char buffer[64];
  // Scientific notation with the wanted number of digits; to_chars rounds
  // correctly and ignores the C locale.
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                 std::chars_format::scientific, significantDigits - 1);
  if (ec != std::errc()) return result;
  std::string text(buffer, end);
  const auto ePos = text.find('e');
  std::string mantissa = text.substr(0, ePos);
  int exponent = std::stoi(text.substr(ePos + 1));
  for (char c : mantissa)
    if (c != '.') result.digits += c;
  while (!result.digits.empty() && result.digits.back() == '0') result.digits.pop_back();
  result.exponent = exponent + 1;
  return result;
}

namespace {

// Adds one unit in the last place of a digit string; true when it carries out.
bool IncrementDigits(std::string& digits) {
  for (auto i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

}  // namespace

FixedParts ToFixedParts(Extended x, int significantDigits, int maxFractionDigits) {
  const DecimalDigits d = ToDecimalDigits(x, significantDigits);
  FixedParts parts;
  parts.negative = d.negative;
  if (d.digits.empty()) return parts;
  std::string integer;
  std::string fraction;
  if (d.exponent > 0) {
    std::string digits = d.digits;
    if (static_cast<int>(digits.size()) < d.exponent) digits.append(d.exponent - digits.size(), '0');
    integer = digits.substr(0, d.exponent);
    fraction = digits.substr(d.exponent);
  } else {
    fraction = std::string(-d.exponent, '0') + d.digits;
  }
  if (static_cast<int>(fraction.size()) > maxFractionDigits) {
    const bool roundUp = fraction[maxFractionDigits] >= '5';
    fraction.resize(maxFractionDigits);
    if (roundUp && IncrementDigits(fraction)) {
      if (integer.empty()) integer = "0";
      if (IncrementDigits(integer)) integer.insert(integer.begin(), '1');
    }
  }
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  while (!integer.empty() && integer.front() == '0') integer.erase(integer.begin());
  parts.integer = integer;
  parts.fraction = fraction;
  if (integer.empty() && fraction.empty()) parts.negative = false;
  return parts;
}

std::string GeneralFloatText(Extended x, int significantDigits) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
  const DecimalDigits d = ToDecimalDigits(x, significantDigits);
  if (d.digits.empty()) return "0";
  const std::string sign = d.negative ? "-" : "";
  const char separator = DecimalSeparator();
  if (d.exponent > significantDigits || d.exponent < -4) {
    std::string text = sign + d.digits.substr(0, 1);
    if (d.digits.size() > 1) text += separator + d.digits.substr(1);
    return text + "E" + std::to_string(d.exponent - 1);
  }
  if (d.exponent <= 0) return sign + "0" + separator + std::string(-d.exponent, '0') + d.digits;
  std::string digits = d.digits;
  if (static_cast<int>(digits.size()) <= d.exponent)
    return sign + digits + std::string(d.exponent - digits.size(), '0');
  return sign + digits.substr(0, d.exponent) + separator + digits.substr(d.exponent);
}

std::string GroupDigits3(const std::string& digits) {
  std::string result;
  const auto n = digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) result += ' ';
    result += digits[i];
  }
  return result;
}

std::string GroupFractionDigits3(const std::string& digits) {
  std::string result;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && i % 3 == 0) result += ' ';
    result += digits[i];
  }
  return result;
}

std::string WholeDigits(Extended absoluteValue) {
  return std::to_string(static_cast<std::uint64_t>(std::nearbyint(absoluteValue)));
}

}  // namespace lumatik
