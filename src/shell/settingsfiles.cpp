#include "shell/settingsfiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

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

namespace {

std::function<void()>& BetweenReadBlocksHook() {
  static std::function<void()> hook;
  return hook;
}

// Closes a file descriptor on every way out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and tells whether the last written data were accepted.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool Refuse(std::string* refusal, const std::string& reason) {
  if (refusal != nullptr) *refusal = Cp1252(reason);
  return false;
}

// The whole content of a regular file of at most kLargestTextFile bytes.
bool ReadSmallRegularFile(const std::string& path, std::string& content, std::string* refusal) {
  // O_NONBLOCK: opening a FIFO must not wait for a writer.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) {
    if (errno == ENOENT) return Refuse(refusal, "Die Datei gibt es nicht.");
    if (errno == EISDIR) return Refuse(refusal, "Das ist ein Ordner, keine Datei.");
    return Refuse(refusal, "Die Datei kann nicht gelesen werden.");
  }
  struct stat status = {};
  if (::fstat(file.get(), &status) != 0) return Refuse(refusal, "Die Datei kann nicht gelesen werden.");
  if (S_ISDIR(status.st_mode)) return Refuse(refusal, "Das ist ein Ordner, keine Datei.");
  if (!S_ISREG(status.st_mode)) return Refuse(refusal, "Das ist keine gewöhnliche Datei.");
  const auto size = static_cast<std::size_t>(status.st_size);
  if (size > kLargestTextFile) return Refuse(refusal, "Die Datei ist zu groß (mehr als 4 MB).");
  content.clear();
  content.reserve(size);
  // One byte more than announced shows a file that grew while it was read.
  char block[65536];
  while (content.size() <= size) {
    const std::size_t wanted = std::min(sizeof block, size + 1 - content.size());
    const ssize_t n = ::read(file.get(), block, wanted);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Refuse(refusal, "Die Datei kann nicht gelesen werden.");
    if (n == 0) break;
    content.append(block, static_cast<std::size_t>(n));
    if (BetweenReadBlocksHook()) BetweenReadBlocksHook()();
  }
  if (content.size() != size) return Refuse(refusal, "Die Datei hat sich beim Lesen verändert.");
  return true;
}

}  // namespace

void SetBetweenReadBlocksHook(std::function<void()> hook) { BetweenReadBlocksHook() = std::move(hook); }

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string* refusal) {
  std::string content;
  if (!ReadSmallRegularFile(path, content, refusal)) return false;
  if (content.find('\0') != std::string::npos) return Refuse(refusal, "Das ist keine Textdatei.");
  if (content.size() >= 3 && content.compare(0, 3, "\xEF\xBB\xBF") == 0) content.erase(0, 3);
  if (IsValidUtf8(content)) content = Utf8ToCp1252(content);
  std::vector<std::string> read;
  std::string line;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c == '\n') {
      read.push_back(line);
      line.clear();
    } else if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') {
      continue;  // the LF that follows ends the line
    } else {
      line += c;
      if (line.size() > kLongestTextLine)
        return Refuse(refusal, "Zeile " + std::to_string(read.size() + 1) +
                                   " ist zu lang (mehr als 100000 Zeichen).");
    }
  }
  if (!line.empty()) read.push_back(line);
  lines = std::move(read);
  return true;
}

namespace {

// The file a save replaces: a symbolic link is followed, so that the link
// stays and its target gets the new version.
fs::path SaveTarget(const std::string& path) {
  std::error_code error;
  if (fs::is_symlink(path, error)) {
    const fs::path resolved = fs::weakly_canonical(path, error);
    if (!error) return resolved;
  }
  return fs::path(path);
}

// A new file beside the target that no one else uses; -1 when the folder
// takes none.
int CreateTemporaryBeside(const fs::path& target, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target.string() + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// After the rename the folder entry itself must reach the disk.
void SyncFolderOf(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

bool WriteTextLinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += Cp1252ToUtf8(line) + '\n';

  const fs::path target = SaveTarget(path);
  struct stat old = {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing && (!S_ISREG(old.st_mode) || ::access(target.c_str(), W_OK) != 0)) return false;
  std::string temporary;
  FileDescriptor out(CreateTemporaryBeside(target, temporary));
  if (out.get() < 0) return false;
  // The data must be on disk before the rename makes them the saved version.
  bool written = WriteAll(out.get(), bytes) && ::fsync(out.get()) == 0;
  if (written && replacing) written = ::fchmod(out.get(), old.st_mode & 07777) == 0;
  written = out.close() && written;
  std::error_code error;
  if (written) fs::rename(temporary, target, error);
  if (!written || error) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolderOf(target);
  return true;
}

}  // namespace lumatik
