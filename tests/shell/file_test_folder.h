#pragma once

// A folder of the test's own for files to read and save, removed afterwards.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace lumatik::testing {

class FileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("lumatik-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
  static std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
  }

  std::filesystem::path folder;
};

}  // namespace lumatik::testing
