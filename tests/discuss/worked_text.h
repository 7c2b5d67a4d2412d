#pragma once

// Reads the discussion's worked text back into numbers, so that tests can
// compare what the user reads with independent references.

#include <string>
#include <vector>

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
  std::vector<Entry> zerosOf(char kind) const;
};

// Splits the memo lines under their headings. Numbers use the decimal comma.
WorkedText ParseWorkedText(const std::vector<std::string>& lines);

// Runs "Diskussion" on a term with the engine's evaluator.
std::vector<std::string> DiscussTerm(const std::string& term, double a, double b, double d);

}  // namespace lumatik::testing
