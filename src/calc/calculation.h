#pragma once

// What the calculator's commands compute, apart from its window: the
// window reads EEing and the parameter memo, calls these, and writes the
// texts back into EAusg, EBruch and the history.

#include <string>
#include <vector>

#include "shell/extended.h"

namespace lumatik {

struct Calculation {
  Extended value = 0;
  std::string result;    // the grouped decimal
  std::string message;   // what the engine reported on the way, or empty
  std::string fraction;  // EBruch: fraction and mixed number, or empty
  bool primeFactorsEnabled = false;  // "PFZ"
  bool rootEnabled = true;           // "Als Wurzel"
  std::string failure;  // set when the parameter x itself cannot be read
};

// A computation the engine reported a message for is no result: EAusg shows
// the substitute value with the message beside it, "0  ungültig: Div. durch
// Null", there is no exact form, and "PFZ" and "Als Wurzel" stay disabled.
inline constexpr const char* kInvalidResultMark = "  ung\xFCltig: ";

// EAusg: the grouped decimal, and the message beside it if there is one.
std::string ShownResult(const Calculation& calculation);

// What "Zahl kopieren" and Ctrl+C in EAusg give: the shown number (or the
// part of it the user selected) without its grouping blanks and without a
// message beside it, "1,6329004329004329", so that it pastes into a
// spreadsheet as one number.
std::string PlainNumberText(const std::string& shown);

// The term as typed, with "sqrt(", "round(" and "°" rewritten.
std::string ReadTerm(const std::string& typed);

// The grouped decimal of "Rechne": 18 significant digits, integer digits
// grouped by threes, at most 18 fraction digits grouped from the separator.
std::string ResultText(Extended v);

// "Rechne": rebuilds the parameter line from the parameter lines and
// evaluates the typed term.
Calculation Calculate(const std::string& typed);

// term = EAusg [= fraction]
std::string HistoryLine(const std::string& typed, const Calculation& calculation);

// Inserts the line as the newest unless the history already holds it.
void AddToHistory(std::vector<std::string>& history, const std::string& line);
// Whole lines are compared: "1 = 1" is not in a history holding "11 = 11".
bool HistoryContains(const std::vector<std::string>& history, const std::string& line);

// "PFZ": the factorisation for EBruch when the value is a whole result
// (otherwise EBruch as "Rechne" left it) and the history line it adds.
struct PrimeFactorCalculation {
  Calculation calculation;
  std::string historyLine;  // result=factors, empty when the history holds it already
};
PrimeFactorCalculation CalculatePrimeFactors(const std::string& typed,
                                            const std::vector<std::string>& history);

// "Als Wurzel": the root form for EBruch, or nothing while the command is
// disabled (whole numbers, short fractions) or the value is beyond 2^31.
struct RootCalculation {
  Calculation calculation;
  bool written = false;
  std::string rootText;
};
RootCalculation CalculateRoot(const std::string& typed);

// The history keeps the newest lines.
inline constexpr std::size_t kHistoryLinesKept = 30;

}  // namespace lumatik
