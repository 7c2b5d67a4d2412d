#pragma once

#include <cstddef>
#include <functional>
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

// Memos, lists and settings are small; a larger file is no text this
// program wrote, and loading it would stall the window that shows it.
inline constexpr std::size_t kLargestTextFile = 4 * 1024 * 1024;
inline constexpr std::size_t kLongestTextLine = 100000;

// Reads a text file as Windows-1252 lines: valid UTF-8 is converted,
// anything else taken as Windows-1252; LF and CR LF both end a line.
// Returns false, with the German reason in *refusal, for a file that
// cannot be read or is no such text: a folder or device, binary data (NUL
// bytes), more than kLargestTextFile bytes, a line longer than
// kLongestTextLine, or a file that changed while it was read. A FIFO does
// not block the read.
[[nodiscard]] bool ReadTextLines(const std::string& path, std::vector<std::string>& lines,
                                 std::string* refusal = nullptr);

// Writes the core's Windows-1252 lines as UTF-8 with LF, as every Linux
// editor expects. Every save of the program goes
// through here: the lines go to a new temporary file beside the target,
// reach the disk, and only then replace the old file by a rename, so an
// interrupted or failed save leaves the saved version as it was. The
// replaced file keeps its permissions; a symbolic link keeps pointing to
// the new version. A file that may not be written is not replaced either.
[[nodiscard]] bool WriteTextLinesAtomically(const std::string& path, const std::vector<std::string>& lines);

// Called between the blocks of a read, for tests that change a file while
// it is read; an empty function turns it off.
void SetBetweenReadBlocksHook(std::function<void()> hook);

}  // namespace lumatik
