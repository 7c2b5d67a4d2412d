// lumatik-cli worksheet: runs one menu command of the worksheet window on a
// worksheet file and prints the worksheet afterwards, one line per line.
// The hints the window would show go to standard error.

#include <iostream>
#include <stdexcept>
#include <string>

#include "cli_support.h"
#include "commands.h"
#include "shell/codepage.h"
#include "shell/settingsfiles.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik::cli {

namespace {

bool ParseArea(const std::string& text, int& area) {
  try {
    std::size_t used = 0;
    area = std::stoi(text, &used);
    return used == text.size();
  } catch (const std::logic_error&) {  // std::stoi: no number, or out of range
    return false;
  }
}

}  // namespace

int RunWorksheet(Arguments args) {
  if (!ApplyDecimalOption(args)) return 2;
  const auto areaText = TakeOption(args, "area");
  const auto caption = TakeOption(args, "command");
  int area = 0;
  if (!areaText || !ParseArea(*areaText, area) || !caption || args.size() > 1) {
    std::cerr << "Aufruf: lumatik-cli worksheet --area N [--decimal=,|.] --command \"MEN\xC3\x9CPUNKT\" [DATEI]\n";
    return 2;
  }
  RouteMessagesToStderr();

  std::vector<std::string> lines;
  std::string refusal;
  if (!args.empty() && !ReadTextLines(args.front(), lines, &refusal)) {
    std::cerr << "Datei nicht lesbar: " << args.front() << '\n' << Cp1252ToUtf8(refusal) << '\n';
    return 1;
  }
  const WorksheetCommandLookup command = FindWorksheetCommand(area, Utf8ToCp1252(*caption));
  if (!command.found) {
    std::cerr << "Bereich " << area << " hat keinen Men\xC3\xBCpunkt \"" << *caption << "\"\n";
    return 2;
  }
  if (!command.run) {
    std::cerr << "\"" << *caption << "\": noch nicht verf\xC3\xBCgbar\n";
    return 2;
  }
  const Worksheet sheet = RunWorksheetCommand(command.run, std::move(lines), area);
  for (const WorksheetNotice& notice : sheet.notices()) PrintDialogText(notice.text);
  for (const std::string& line : sheet.lines()) PrintLine(line);
  return 0;
}

}  // namespace lumatik::cli
