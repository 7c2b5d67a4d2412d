#include "shell/settingsfiles.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "shell/codepage.h"

namespace lumatik {

namespace fs = std::filesystem;

namespace {

std::string& StoredProgramPath() {
  static std::string path = "lumatik";
  return path;
}

fs::path UserConfigFolder() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0')
    return fs::path(xdg) / "lumatik";
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return fs::path(home) / ".config" / "lumatik";
  return fs::temp_directory_path() / "lumatik";
}

bool FolderIsWritable(const fs::path& folder) {
  return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

}  // namespace

void SetProgramPath(const std::string& path) { StoredProgramPath() = path; }

const std::string& ProgramPath() { return StoredProgramPath(); }

std::string SettingsFileName(char letter) {
  fs::path program(ProgramPath());
  const std::string name = program.stem().string() + ".in" + letter;
  if (FolderIsWritable(program.parent_path())) return (program.parent_path() / name).string();
  std::error_code ignored;
  fs::create_directories(UserConfigFolder(), ignored);
  return (UserConfigFolder() / name).string();
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return false;
  std::string content;
  try {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
  } catch (const std::exception&) {
    return false;  // the file system refused the read
  }
  if (content.size() >= 3 && content.compare(0, 3, "\xEF\xBB\xBF") == 0) content.erase(0, 3);
  if (IsValidUtf8(content)) content = Utf8ToCp1252(content);
  lines.clear();
  std::string line;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') {
      continue;  // the LF that follows ends the line
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return true;
}

bool WriteTextLinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
  const std::string temporary = path + ".tmp";
  std::FILE* out = std::fopen(temporary.c_str(), "wb");
  if (out == nullptr) return false;
  bool written = true;
  for (const std::string& line : lines) {
    written = written && std::fwrite(line.data(), 1, line.size(), out) == line.size() &&
              std::fwrite("\r\n", 1, 2, out) == 2;
  }
  // The data must be on disk before the rename makes it the saved version.
  written = written && std::fflush(out) == 0 && ::fsync(::fileno(out)) == 0;
  written = std::fclose(out) == 0 && written;
  std::error_code error;
  if (written) fs::rename(temporary, path, error);
  if (!written || error) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace lumatik
