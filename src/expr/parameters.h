#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/extended.h"

namespace lumatik {

// The parameter lines, one name=term per line. The calculator's parameter
// memo mirrors this list: it copies its lines in before a computation and
// listens for the lines the engine appends.
class ParamLineList {
 public:
  const std::vector<std::string>& lines() const { return lines_; }
  void setLines(std::vector<std::string> lines);
  void append(const std::string& line);
  void removeBlankLines();
  // Called after every change the engine makes.
  void setOnChanged(std::function<void()> listener) { onChanged_ = std::move(listener); }

 private:
  void changed();

  std::vector<std::string> lines_{"x=1", "x0=0", "x'=0"};
  std::function<void()> onChanged_;
};

ParamLineList& ParamLines();

// The parameter line: a blank, then name=term entries separated by blanks,
// then a blank (" a=1/3 b=-3 ").
std::string& ParamLine();

bool HasParam(const std::string& name);
// The entry's term as written, "" without the entry.
std::string ParamTerm(const std::string& name);
// Throws when the entry's term is no number (or divides by zero).
Extended ParamValue(const std::string& name);
// The reduced evaluator for parameter terms: + - * / ^ and brackets only.
Extended ParamTermValue(const std::string& text);
// Split position of the parameter evaluator, 0-based, or npos. "+", "*"
// and "^" take the first position at depth 0, "-" and "/" the last. Signs
// are skipped as in the evaluator: b=2*-3 is -6 and c=1,5E-20 a number.
std::size_t FindParamSplit(const std::string& s, char op, bool takeLast);
// ParamLine := the parameter lines joined by blanks; blank lines are dropped.
void ReadParams();
// Adds Name=DefaultTerm when Name is missing and says so in a message.
Extended EnsureParam(const std::string& name, const std::string& defaultTerm);
// "a*x^3+b*x  a=1/3 b=-3": the term before the double blank, the rest
// becomes the parameter line.
void SplitTermAndParams(const std::string& line, std::string& term);

}  // namespace lumatik
