#include "shell/settingsfiles.h"

#include <unistd.h>

#include <cstdio>
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

std::string& StoredUserConfigFolder() {
  static std::string folder;
  return folder;
}

bool FolderIsWritable(const fs::path& folder) {
  return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

// The package manager owns /usr: even root running an installed lumatik
// must not leave settings files among the system's programs.
bool IsSystemProgramFolder(const fs::path& folder) {
  const std::string path = folder.lexically_normal().string();
  for (const char* system : {"/usr", "/bin", "/sbin"}) {
    const std::string prefix = system;
    if (path == prefix || path.rfind(prefix + "/", 0) == 0) return true;
  }
  return false;
}

}  // namespace

void SetProgramPath(const std::string& path) { StoredProgramPath() = path; }

const std::string& ProgramPath() { return StoredProgramPath(); }

void SetUserConfigFolder(const std::string& folder) { StoredUserConfigFolder() = folder; }

std::string SettingsFileName(char letter) {
  const fs::path program(ProgramPath());
  const std::string name = program.stem().string() + ".in" + letter;
  const fs::path configFolder(StoredUserConfigFolder());
  const bool besideTheProgram = configFolder.empty() || (FolderIsWritable(program.parent_path()) &&
                                                         !IsSystemProgramFolder(program.parent_path()));
  if (besideTheProgram) return (program.parent_path() / name).string();
  std::error_code ignored;
  fs::create_directories(configFolder, ignored);
  return (configFolder / name).string();
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
    const std::string utf8 = Cp1252ToUtf8(line) + '\n';
    written = written && std::fwrite(utf8.data(), 1, utf8.size(), out) == utf8.size();
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
