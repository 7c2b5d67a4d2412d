#pragma once

// Reads the discussion's worked text back into numbers, so that tests can
// compare what the user reads with independent references.

#include <cstdlib>
#include <string>
#include <vector>

#include "discuss/curve_scan.h"
#include "discuss/discuss_texts.h"
#include "discuss/term_function.h"
#include "expr/evaluate.h"

namespace lumatik::testing {

struct Entry {
  char kind = 0;  // 'N' numbered zero, 'n' zero without sign change, 'H', 'T', 'W'
  int number = 0;
  long double x = 0, y = 0;
  long double slope = 0;  // numbered zeros and inflection points
  std::string text;
};

struct WorkedText {
  std::vector<Entry> zeros;  // numbered and unnumbered, in text order
  std::vector<Entry> tangents;
  std::vector<Entry> inflections;
  bool inflectionSectionWritten = false;
  std::string symmetry;

  // The zeros of one kind: 'N' with a change of sign, 'n' touching ones.
  std::vector<Entry> zerosOf(char kind) const {
    std::vector<Entry> result;
    for (const Entry& e : zeros)
      if (e.kind == kind) result.push_back(e);
    return result;
  }
};

// "1,25" -> 1.25; "-0,5=-1/2" reads the decimal before "="; slopes are
// written as fractions or mixed numbers: "-1225/8192", "1'57/64".
inline long double ReadNumber(const std::string& text) {
  std::string plain = text.substr(0, text.find('='));
  for (char& c : plain)
    if (c == ',') c = '.';
  const bool negative = !plain.empty() && plain[0] == '-';
  if (negative) plain.erase(0, 1);
  long double whole = 0;
  if (const auto apostrophe = plain.find('\''); apostrophe != std::string::npos) {
    whole = std::strtold(plain.substr(0, apostrophe).c_str(), nullptr);
    plain.erase(0, apostrophe + 1);
  }
  long double value = std::strtold(plain.c_str(), nullptr);
  if (const auto slash = plain.find('/'); slash != std::string::npos)
    value /= std::strtold(plain.substr(slash + 1).c_str(), nullptr);
  return negative ? -(value + whole) : value + whole;
}

// "x|y" or "x|y;s" between the brackets of an entry.
inline Entry ReadEntry(char kind, const std::string& line) {
  Entry entry;
  entry.kind = kind;
  entry.text = line;
  const auto open = line.find('(');
  if (kind == 'N' && open > 1) entry.number = std::atoi(line.substr(1, open - 1).c_str());
  const std::string inner = line.substr(open + 1, line.rfind(')') - open - 1);
  const auto bar = inner.find('|'), semicolon = inner.find(';');
  entry.x = ReadNumber(inner.substr(0, bar));
  entry.y = ReadNumber(inner.substr(bar + 1, semicolon == std::string::npos ? semicolon : semicolon - bar - 1));
  if (semicolon != std::string::npos) entry.slope = ReadNumber(inner.substr(semicolon + 1));
  return entry;
}

// 'n' for "N(", 'N' for "N1(", the letter of "H(", "T(" and "W(".
inline char KindOf(const std::string& line) {
  if (line.size() < 2) return 0;
  if (line[0] == 'N') return line[1] == '(' ? 'n' : (line[1] >= '0' && line[1] <= '9' ? 'N' : 0);
  return std::string("HTW").find(line[0]) != std::string::npos && line[1] == '(' ? line[0] : 0;
}

// Splits the memo lines under their headings. Numbers use the decimal comma.
inline WorkedText ParseWorkedText(const std::vector<std::string>& lines) {
  namespace t = discusstexts;
  WorkedText parsed;
  std::vector<Entry>* section = nullptr;
  for (const std::string& line : lines) {
    if (line == t::kZeroHeading) {
      section = &parsed.zeros;
    } else if (line == t::kTangentHeading) {
      section = &parsed.tangents;
    } else if (line == t::kInflectionHeading) {
      section = &parsed.inflections;
      parsed.inflectionSectionWritten = true;
    } else if (line == t::kNoInflection) {
      parsed.inflectionSectionWritten = true;
      section = nullptr;
    } else if (line.rfind(t::kAxisSymmetry, 0) == 0 || line.rfind(t::kPointSymmetry, 0) == 0) {
      parsed.symmetry = line;
      section = nullptr;
    } else if (const char kind = KindOf(line); kind != 0 && section != nullptr) {
      section->push_back(ReadEntry(kind, line));
    } else if (kind == 0) {
      section = nullptr;
    }
  }
  return parsed;
}

// Runs "Diskussion" on a term with the engine's evaluator.
inline std::vector<std::string> DiscussTerm(const std::string& term, double a, double b, double d) {
  const auto result = DiscussCurve(EngineTermFunction(term, ParamLine()), term, a, b, d, [] { return true; },
                                   EngineSlopeFunction(term, ParamLine()));
  return result ? result->lines : std::vector<std::string>{};
}

}  // namespace lumatik::testing
