#pragma once

// A file that no save of this program wrote, and a disk that fills up:
// what loading and saving must survive.

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

namespace lumatik::testing {

// Bytes of a picture, with NUL bytes among them.
inline std::string MakeBinaryFile(const std::filesystem::path& path) {
  std::ofstream(path, std::ios::binary) << std::string("BM\x36\0\0\0\x01\x02\xFF", 9);
  return path.string();
}

// While it lives, writes beyond the given size fail in this process as on
// a full disk (the size limit's signal is ignored, so write returns EFBIG).
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;
  ~FullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  struct rlimit saved_ = {};
  void (*previous_)(int) = nullptr;
};

}  // namespace lumatik::testing
