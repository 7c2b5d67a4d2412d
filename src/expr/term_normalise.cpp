#include "expr/term_normalise.h"

#include "exact/fractions.h"
#include "expr/evaluate.h"
#include "expr/sign_positions.h"
#include "shell/extended.h"

namespace lumatik {

namespace {

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
  for (auto p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
    s.replace(p, from.size(), to);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string RewriteWords(const std::string& s) {
  if (s.find("sqrt") == std::string::npos && s.find("round") == std::string::npos &&
      s.find(kDegreeSign) == std::string::npos)
    return s;
  std::string result = s;
  ReplaceAll(result, "sqrt(", "wur(");
  ReplaceAll(result, "round(", "rou(");
  ReplaceAll(result, std::string(1, kDegreeSign), "*Pi/180");
  return result;
}

std::string RewriteMixedNumbers(const std::string& s) {
  // Only digits and "/" are evaluated here, so x plays no part.
  return RewriteMixedNumbersWith(s, [](const std::string& sum) { return NumberText(EvalTermAt(sum, 0)); });
}

std::string RewriteMixedNumbersWith(const std::string& s, const std::function<std::string(const std::string&)>& valueText) {
  std::string result;
  std::string rest = s;
  for (auto p = rest.find('\''); p != std::string::npos; p = rest.find('\'')) {
    auto e = p;  // last character of the fraction part
    while (e + 1 < rest.size() && (rest[e + 1] == ' ' || rest[e + 1] == '/' || IsDigit(rest[e + 1]))) ++e;
    auto b = p;  // first character of the whole part
    while (b > 0 && (rest[b - 1] == ' ' || IsDigit(rest[b - 1]))) --b;
    const std::string value = valueText(rest.substr(b, p - b) + "+" + rest.substr(p + 1, e - p));
    if (value.empty()) return "";
    result += rest.substr(0, b) + "(" + value + ")";
    rest = rest.substr(e + 1);
  }
  return result + rest;
}

std::string InsertImplicitMultiplication(const std::string& s) {
  std::string result;
  result.reserve(s.size() + s.size() / 4);
  for (std::size_t i = 0; i < s.size(); ++i) {
    result += s[i];
    if (i + 1 < s.size() && (IsDigit(s[i]) || s[i] == ')') &&
        (s[i + 1] == '(' || IsAsciiLetter(s[i + 1])) && !IsExponentMark(s, i + 1))
      result += '*';
  }
  return result;
}

}  // namespace lumatik
