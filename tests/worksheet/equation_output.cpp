#include "equation_output.h"

#include <regex>
#include <sstream>

#include "expr/lumath.h"
#include "exact/rational.h"
#include "shell/codepage.h"

namespace lumatik::testing {

namespace {

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

// The value after "name=" in a word such as "x1=1'1/2".
long double ValueOfWord(const std::string& word) { return PrintedNumber(word.substr(word.find('=') + 1)); }

bool StartsWith(const std::string& line, const std::string& start) { return line.rfind(start, 0) == 0; }

}  // namespace

long double PrintedNumber(const std::string& text) {
  const auto value = ReadRationalLiteral(text);
  return value ? ToExtended(*value) : EvalTerm(text);
}

std::vector<long double> PrintedSolutions(const std::vector<std::string>& lines, EquationKind kind) {
  const std::string var = kind == EquationKind::Cubic ? "z" : "x";
  const std::string solution = Cp1252("Lösung:");
  const std::string oneSolution = Cp1252("Eine Lösung: ") + var + "=";
  std::vector<long double> solutions;
  for (const std::string& line : lines) {
    if (StartsWith(line, solution)) {
      for (const std::string& word : Words(line.substr(solution.size()))) solutions.push_back(ValueOfWord(word));
    } else if (StartsWith(line, oneSolution)) {
      solutions.push_back(ValueOfWord(Words(line)[2]));
    } else if (kind == EquationKind::ReducedCubic && StartsWith(line, "x=u+v=")) {
      solutions.push_back(PrintedNumber(Words(line)[0].substr(6)));
    } else if (kind == EquationKind::Cubic && StartsWith(line, std::string(13, ' ') + "z=")) {
      solutions.push_back(ValueOfWord(Words(line)[0]));
    }
  }
  return solutions;
}

std::string NoiseIn(const std::string& line) {
  // Digit groups of the long formats ("0,000 000 005") are read as one number.
  const std::string joined = std::regex_replace(line, std::regex("([0-9]) (?=[0-9])"), "$1");
  static const std::regex exponent("[0-9]E-");
  static const std::regex run("[0-9][,.][0-9]*(0000000[1-9]|9999999)");
  static const std::regex sign("[+/]-|[0-9a-z)]--");
  if (std::regex_search(joined, exponent)) return "a tiny number in E notation";
  if (std::regex_search(joined, run)) return "a decimal with a run of 0s or 9s";
  if (std::regex_search(joined, sign)) return "a sign after an operator";
  return "";
}

}  // namespace lumatik::testing
