#include "calc/calculator_settings.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "calc/calculation.h"
#include "shell/settingsfiles.h"

namespace lumatik {

namespace {

// Only a regular file without NUL bytes is text someone saved from a memo.
bool ReadTextFile(char letter, std::vector<std::string>& lines) {
  const std::string path = SettingsFileName(letter);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::vector<std::string> read;
  try {
    if (!ReadTextLines(path, read)) return false;
  } catch (const std::exception&) {
    return false;
  }
  for (const std::string& line : read)
    if (line.find('\0') != std::string::npos) return false;
  lines = std::move(read);
  return true;
}

}  // namespace

bool LoadCalculatorSettings(std::vector<std::string>& params, std::vector<std::string>& history) {
  return ReadTextFile(kParameterSettings, params) && ReadTextFile(kHistorySettings, history);
}

void TrimHistory(std::vector<std::string>& history) {
  if (history.size() > kHistoryLinesKept) history.resize(kHistoryLinesKept);
}

void SaveCalculatorSettings(const std::vector<std::string>& params,
                            std::vector<std::string> history) {
  TrimHistory(history);
  WriteTextLinesAtomically(SettingsFileName(kParameterSettings), params);
  WriteTextLinesAtomically(SettingsFileName(kHistorySettings), history);
}

std::string TermBeforeEquals(const std::string& line) { return line.substr(0, line.find('=')); }

}  // namespace lumatik
