#pragma once

#include <string>
#include <vector>

namespace lumatik {

// The program's own path, set once at start; settings files are named after it.
void SetProgramPath(const std::string& path);
const std::string& ProgramPath();

// Where settings go when they cannot stay beside the program: the user's
// configuration folder (~/.config/lumatik), which the windowed program takes
// from Qt at start. Until it is set, settings stay beside the program.
void SetUserConfigFolder(const std::string& folder);

// The settings file with letter C: the program path without its extension,
// then ".in" and the letter (lumatik -> lumatik.in2), beside the program, so
// that a copy on a USB stick carries its settings along. An installed program
// (below /usr) or one in a folder the user cannot write uses the same name in
// the user's configuration folder.
std::string SettingsFileName(char letter);

// Reads a text file as Windows-1252 lines: valid UTF-8 is converted,
// anything else taken as Windows-1252; LF and CR LF both end a line.
// Returns false when the file cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);

// Writes the core's Windows-1252 lines as UTF-8 with LF, as every Linux
// editor expects, through a temporary file that then replaces the old one,
// so a failed write never destroys the saved version.
bool WriteTextLinesAtomically(const std::string& path, const std::vector<std::string>& lines);

}  // namespace lumatik
