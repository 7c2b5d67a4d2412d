// Settings files: their names and places, and their encodings.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "file_test_folder.h"
#include "shell/codepage.h"
#include "shell/settingsfiles.h"

namespace lumatik {
namespace {

namespace fs = std::filesystem;

class SettingsFiles : public testing::FileTest {
 protected:
  void TearDown() override {
    SetUserConfigFolder("");
    FileTest::TearDown();
  }
};

// Beside a portable copy, named after it without its extension; else in the
// user's configuration folder: when installed (not even root writes among the
// system's programs) or in a folder nobody can write (it does not exist).
TEST_F(SettingsFiles, BesideAPortableCopyElseInTheUsersConfigFolder) {
  fs::create_directories(folder / "portable");
  const fs::path config = folder / "config" / "lumatik";
  for (const auto& [program, beside] : {std::pair{folder / "portable" / "name.exe", true},
                                        {folder / "missing" / "bin" / "lumatik", false},
                                        {fs::path("/usr/bin/lumatik"), false}}) {
    fs::remove_all(folder / "config");
    SetProgramPath(program.string());
    SetUserConfigFolder(config.string());
    const fs::path expected = (beside ? program.parent_path() : config) / (program.stem().string() + ".in3");
    EXPECT_EQ(SettingsFileName('3'), expected.string());
    EXPECT_EQ(fs::is_directory(config), !beside) << program;
  }
  // Without a configuration folder settings stay beside even an installed program.
  SetUserConfigFolder("");
  EXPECT_EQ(SettingsFileName('1'), "/usr/bin/lumatik.in1");
}

// Older files (Windows-1252, CR LF) and new ones (UTF-8, LF) read to the same
// lines, and whatever was read is written back as UTF-8 with LF. The lines:
// every Windows-1252 character a user can type (the five unassigned codes and
// the line ends left out), in lines of random length from a fixed seed.
TEST_F(SettingsFiles, StoredFormsReadToTheSameLinesAndAreWrittenBackAsUtf8WithLf) {
  std::string alphabet;
  for (int c = 1; c < 256; ++c)
    if (c != '\r' && c != '\n' && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
      alphabet += static_cast<char>(c);
  std::mt19937 random(18);
  std::vector<std::string> generated;
  for (int i = 0; i < 60; ++i) {
    std::string line(random() % 40, ' ');
    for (char& c : line) c = alphabet[random() % alphabet.size()];
    generated.push_back(line);
  }
  generated.push_back(alphabet);
  for (const auto& [utf8, lineEnd] : {std::pair{true, "\n"}, {true, "\r\n"}, {false, "\n"}, {false, "\r\n"}}) {
    for (const std::vector<std::string>& expected : {{"", "   a*x^3+b*x  a=1/3 b=-3"}, generated}) {
      std::string stored, written;
      for (const std::string& line : expected) {
        stored += (utf8 ? Cp1252ToUtf8(line) : line) + lineEnd;
        written += Cp1252ToUtf8(line) + "\n";
      }
      const std::string path = Write("stored", stored);
      std::vector<std::string> lines;
      ASSERT_TRUE(ReadTextLines(path, lines)) << utf8 << lineEnd;
      EXPECT_EQ(lines, expected) << utf8 << lineEnd;
      ASSERT_TRUE(WriteTextLinesAtomically(path, lines));
      EXPECT_EQ(Bytes(path), written);
      EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left
      ASSERT_TRUE(ReadTextLines(path, lines));
      EXPECT_EQ(lines, expected);
    }
  }
}

}  // namespace
}  // namespace lumatik
