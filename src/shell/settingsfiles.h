#pragma once

#include <string>
#include <vector>

namespace lumatik {

// The program's own path, set once at start; settings files are named after it.
void SetProgramPath(const std::string& path);
const std::string& ProgramPath();

// The settings file with letter C: the program path without its extension,
// then ".in" and the letter (lumatik -> lumatik.in2). Where the program's
// folder cannot be written, the same name in the user's configuration
// folder (~/.config/lumatik).
std::string SettingsFileName(char letter);

// Reads a text file as Windows-1252 lines: valid UTF-8 is converted,
// anything else taken as Windows-1252; LF and CR LF both end a line.
// Returns false when the file cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);

// Writes Windows-1252 lines with CR LF through a temporary file that then
// replaces the old one, so a failed write never destroys the saved version.
bool WriteTextLinesAtomically(const std::string& path, const std::vector<std::string>& lines);

}  // namespace lumatik
