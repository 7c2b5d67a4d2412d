#include "expr/parameters.h"

#include <algorithm>
#include <cmath>

#include "expr/limits.h"
#include "expr/evaluate.h"
#include "expr/sign_positions.h"
#include "shell/text_helpers.h"
#include "shell/messagesink.h"

namespace lumatik {

void ParamLineList::setLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
}

void ParamLineList::append(const std::string& line) {
  lines_.push_back(line);
  changed();
}

void ParamLineList::removeBlankLines() {
  const auto before = lines_.size();
  std::erase_if(lines_, [](const std::string& line) { return IsBlank(line); });
  if (lines_.size() != before) changed();
}

void ParamLineList::changed() {
  if (onChanged_) onChanged_();
}

ParamLineList& ParamLines() {
  static ParamLineList lines;
  return lines;
}

std::string& ParamLine() {
  static std::string line;
  return line;
}

bool HasParam(const std::string& name) {
  return ParamLine().find(" " + name + "=") != std::string::npos;
}

std::string ParamTerm(const std::string& name) {
  const std::string& line = ParamLine();
  const auto entry = line.find(" " + name + "=");
  if (entry == std::string::npos) return "";
  const auto termStart = line.find('=', entry) + 1;
  const auto termEnd = line.find(' ', termStart);
  return line.substr(termStart, termEnd == std::string::npos ? std::string::npos : termEnd - termStart);
}

Extended ParamValue(const std::string& name) { return ParamTermValue(ParamTerm(name)); }

std::size_t FindParamSplit(const std::string& s, char op, bool takeLast) {
  int depth = 0;
  std::size_t found = std::string::npos;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '(') ++depth;
    if (s[i] == ')') --depth;
    if (s[i] == op && depth == 0 && !IsSignPosition(s, i)) {
      found = i;
      if (!takeLast) break;
    }
  }
  return found;
}

namespace {

Extended Finite(Extended value) {
  if (!std::isfinite(value)) throw EMathError("Gleitkomma\xFC" "berlauf");
  return value;
}

Extended ParamTermValueAt(const std::string& s, int depth) {
  if (depth > kMaxTermDepth || s.size() > kMaxTermLength) throw EMathError(kTermTooDeepMessage);
  struct Operator {
    char symbol;
    bool takeLast;
  };
  for (const Operator op : {Operator{'+', false}, Operator{'-', true}, Operator{'*', false},
                            Operator{'/', true}, Operator{'^', false}}) {
    const auto p = FindParamSplit(s, op.symbol, op.takeLast);
    if (p == std::string::npos) continue;
    const Extended left = ParamTermValueAt(s.substr(0, p), depth + 1);
    const Extended right = ParamTermValueAt(s.substr(p + 1), depth + 1);
    switch (op.symbol) {
      case '+': return Finite(left + right);
      case '-': return Finite(left - right);
      case '*': return Finite(left * right);
      case '/':
        if (right == 0) throw EMathError("Division durch Null");
        return Finite(left / right);
      default: return PowerOf(left, right);
    }
  }
  if (!s.empty() && s[0] == '(') return ParamTermValueAt(s.size() >= 2 ? s.substr(1, s.size() - 2) : "", depth + 1);
  if (s.empty()) return 0;
  return StrToNumber(s);
}

}  // namespace

Extended ParamTermValue(const std::string& text) { return ParamTermValueAt(text, 0); }

void ReadParams() {
  std::string whole;
  for (const std::string& line : ParamLines().lines()) whole += line + "\r\n";
  for (char& c : whole)
    if (c == '\r' || c == '\n') c = ' ';
  ParamLine() = " " + whole + " ";
  ParamLines().removeBlankLines();
}

Extended EnsureParam(const std::string& name, const std::string& defaultTerm) {
  if (!HasParam(name)) {
    // A plot line or the discussion sets its own parameter line before every
    // value, so the same default is asked for again and again: the lines
    // hold it once, or they would grow by a line per value computed.
    const std::string line = name + "=" + defaultTerm;
    const std::vector<std::string>& lines = ParamLines().lines();
    if (std::find(lines.begin(), lines.end(), line) == lines.end()) ParamLines().append(line);
    ReadParams();
    ShowMessage("Neuen Parameter gesetzt:" + name + "=" + defaultTerm);
  }
  return ParamValue(name);
}

void SplitTermAndParams(const std::string& line, std::string& term) {
  if (line.find('=') == std::string::npos) {
    term = line;
    return;
  }
  const auto doubleBlank = line.find("  ");
  if (doubleBlank == std::string::npos) {
    ParamLine() = line + " ";
    term.clear();
    return;
  }
  ParamLine() = line.substr(doubleBlank + 1) + " ";
  term = line.substr(0, doubleBlank);
}

}  // namespace lumatik
