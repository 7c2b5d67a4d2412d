#pragma once

#include <cstddef>
#include <functional>
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

// Writes Windows-1252 lines with CR LF. Every save of the program goes
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
