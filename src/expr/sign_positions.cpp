#include "expr/sign_positions.h"

#include "shell/extended.h"

namespace lumatik {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsSeparator(char c) { return c == ',' || c == '.'; }

bool IsOperator(char c) {
  return c == '+' || c == '-' || c == '*' || c == kMiddleDot || c == '/' || c == ':' || c == '^';
}

}  // namespace

bool IsExponentMark(const std::string& s, std::size_t i) {
  if (i == 0 || i >= s.size() || s[i] != 'E' || !IsDigit(s[i - 1])) return false;
  std::size_t begin = i - 1;  // first character of the mantissa
  while (begin > 0 && (IsDigit(s[begin - 1]) || IsSeparator(s[begin - 1]))) --begin;
  if (begin > 0 && IsAsciiLetter(s[begin - 1])) return false;
  std::size_t next = i + 1;
  if (next < s.size() && (s[next] == '+' || s[next] == '-')) ++next;
  return next < s.size() && IsDigit(s[next]);
}

bool IsExponentSign(const std::string& s, std::size_t i) {
  return i >= 1 && i < s.size() && (s[i] == '+' || s[i] == '-') && IsExponentMark(s, i - 1);
}

bool IsSignAfterOperator(const std::string& s, std::size_t i) {
  return i >= 1 && i < s.size() && (s[i] == '+' || s[i] == '-') && IsOperator(s[i - 1]);
}

bool IsSignPosition(const std::string& s, std::size_t i) {
  return IsSignAfterOperator(s, i) || IsExponentSign(s, i);
}

}  // namespace lumatik
