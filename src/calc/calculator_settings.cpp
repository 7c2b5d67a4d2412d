#include "calc/calculator_settings.h"

#include "calc/calculation.h"
#include "shell/text_helpers.h"
#include "shell/settingsfiles.h"

namespace lumatik {

namespace {

// A settings file that is no text of ours (binary, huge, a folder) is
// refused by the reader and leaves the lines as they are.
bool ReadTextFile(char letter, std::vector<std::string>& lines) {
  return ReadTextLines(SettingsFileName(letter), lines);
}

}  // namespace

bool LoadCalculatorSettings(std::vector<std::string>& params, std::vector<std::string>& history) {
  return ReadTextFile(kParameterSettings, params) && ReadTextFile(kHistorySettings, history);
}

void TrimHistory(std::vector<std::string>& history) {
  if (history.size() > kHistoryLinesKept) history.resize(kHistoryLinesKept);
}

bool SaveCalculatorSettings(const std::vector<std::string>& params,
                            std::vector<std::string> history) {
  TrimHistory(history);
  // Both are tried: a history that cannot be written keeps the parameters.
  const bool paramsSaved = WriteTextLinesAtomically(SettingsFileName(kParameterSettings), params);
  const bool historySaved = WriteTextLinesAtomically(SettingsFileName(kHistorySettings), history);
  return paramsSaved && historySaved;
}

// Without the blank before the "=": computed again, the term must give the
// same history line, not a near twin of it.
std::string TermBeforeEquals(const std::string& line) { return Trim(line.substr(0, line.find('='))); }

}  // namespace lumatik
