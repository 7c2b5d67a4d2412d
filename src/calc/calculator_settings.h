#pragma once

// The calculator's memory between runs: settings file "2" holds the
// parameter lines, "3" the history, newest line first.

#include <string>
#include <vector>

namespace lumatik {

inline constexpr char kParameterSettings = '2';
inline constexpr char kHistorySettings = '3';

// Reads both files into the given lines. The history is read only after the
// parameters were: a missing, unreadable or non-text file "2" leaves both
// as they are, a bad file "3" leaves the history. Returns whether both were
// read.
bool LoadCalculatorSettings(std::vector<std::string>& params, std::vector<std::string>& history);

// The history keeps its newest lines; each file is replaced atomically.
// Returns false when either could not be written.
[[nodiscard]] bool SaveCalculatorSettings(const std::vector<std::string>& params,
                            std::vector<std::string> history);

// Drops the oldest lines beyond kHistoryLinesKept.
void TrimHistory(std::vector<std::string>& history);

// The term of a history line: everything before its first "=", trimmed, or
// the whole line.
std::string TermBeforeEquals(const std::string& line);

}  // namespace lumatik
