// Every worksheet command, through the entry the command line uses
// (FindWorksheetCommand, RunWorksheetCommand). Input: one byte that picks
// the command (and with it the area), then the worksheet, one line per line.
// Questions ("Weitermachen?") are answered "no", as without a user.
// Contract: the command ends; no line it writes and no hint shows INF, NAN
// or a library's own exception text; the worksheet stays of bounded size.

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "expr/evaluate.h"
#include "fuzz_support.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik::fuzz {
namespace {

struct Command {
  int area;
  std::string caption;
  WorksheetCommandFunction run;
};

// Every item that computes something, for every area that shows it, found
// by its caption as the command line finds it.
const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = [] {
    std::vector<Command> found;
    for (int area = 1; area <= 6; ++area) {
      for (const WorksheetMenuInfo& menu : WorksheetMenus()) {
        std::vector<std::string> captions;
        if (menu.items.empty()) captions.push_back(menu.caption);
        for (const WorksheetMenuItem& item : menu.items) captions.push_back(item.caption);
        for (const std::string& caption : captions) {
          const WorksheetCommandLookup lookup = FindWorksheetCommand(area, caption);
          if (lookup.found && lookup.run) found.push_back({area, caption, lookup.run});
        }
      }
    }
    return found;
  }();
  return commands;
}

// Texts of the C++ library that would mean an exception escaped a command
// unexplained.
bool ShowsLibraryText(const std::string& text) {
  for (const char* marker : {"std::", "basic_string", "bad_alloc", "vector", "stoi", "stol", "out of range",
                             "out_of_range", "invalid_argument", "bad_function_call"})
    if (text.find(marker) != std::string::npos) return true;
  return false;
}

// A command writes its worked solution; none writes a book.
constexpr std::size_t kMaxNewLines = 20000;
constexpr std::size_t kMaxLineLength = 100000;

}  // namespace
}  // namespace lumatik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumatik;
  using namespace lumatik::fuzz;
  if (size == 0) return 0;
  const Command& command = Commands()[data[0] % Commands().size()];
  const std::vector<std::string> lines =
      SplitLines(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  ResetEngine("");

  Worksheet sheet(lines, command.area);
  int questions = 0;
  sheet.setAsker([&questions](const std::string& question, const std::vector<std::string>&) {
    Require(question == "Weitermachen?", "unerwartete Frage", question);
    ++questions;
    return false;
  });
  const Worksheet done = RunWorksheetCommand(command.run, std::move(sheet));
  const std::string what = command.caption + "\n" + std::string(reinterpret_cast<const char*>(data + 1), size - 1);

  Require(questions <= 1, "nach \"nein\" weiter gefragt", what);
  Require(done.lines().size() <= lines.size() + kMaxNewLines, "zu viele Zeilen", what);
  const std::unordered_set<std::string> typed(lines.begin(), lines.end());
  // A worked solution echoes what the user typed; an "inf" or a
  // "bad_alloc" typed there may come back.
  const bool typedNonFinite = ShowsNonFinite(what);
  const bool typedLibraryText = ShowsLibraryText(what);
  for (const std::string& line : done.lines()) {
    if (line.size() > kMaxLineLength) Fail("zu lange Zeile", what);
    if (typed.count(line) != 0) continue;
    if (!typedNonFinite && ShowsNonFinite(line)) Fail("INF/NAN im Arbeitsblatt", what + "\n-> " + line);
    if (!typedLibraryText && ShowsLibraryText(line)) Fail("Bibliothekstext im Arbeitsblatt", what + "\n-> " + line);
  }
  for (const WorksheetNotice& notice : done.notices()) {
    if (!typedNonFinite && ShowsNonFinite(notice.text)) Fail("INF/NAN im Hinweis", what + "\n-> " + notice.text);
    if (!typedLibraryText && ShowsLibraryText(notice.text)) Fail("Bibliothekstext im Hinweis", what + "\n-> " + notice.text);
  }
  return 0;
}
