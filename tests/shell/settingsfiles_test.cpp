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

TEST_F(SettingsFiles, NamedAfterTheProgramWithoutItsExtension) {
  SetProgramPath((folder / "name.exe").string());
  EXPECT_EQ(SettingsFileName('2'), (folder / "name.in2").string());
  // Without a configuration folder settings stay beside the program.
  SetProgramPath("/usr/bin/lumatik");
  EXPECT_EQ(SettingsFileName('1'), "/usr/bin/lumatik.in1");
}

struct ProgramPlace {
  const char* program;  // below the test folder unless it starts with "/"
  bool beside;
};

class SettingsPlaces : public SettingsFiles, public ::testing::WithParamInterface<ProgramPlace> {};

TEST_P(SettingsPlaces, BesideAPortableCopyElseInTheUsersConfigFolder) {
  const std::string program = GetParam().program;
  const fs::path programPath = program.front() == '/' ? fs::path(program) : folder / program;
  fs::create_directories(folder / "portable");
  SetProgramPath(programPath.string());
  const fs::path config = folder / "config" / "lumatik";
  SetUserConfigFolder(config.string());
  const fs::path expected = (GetParam().beside ? programPath.parent_path() : config) / "lumatik.in3";
  EXPECT_EQ(SettingsFileName('3'), expected.string());
  EXPECT_EQ(fs::is_directory(config), !GetParam().beside);
}

// Installed: not even root writes among the system's programs; "missing":
// a folder nobody can write (it does not exist).
INSTANTIATE_TEST_SUITE_P(Places, SettingsPlaces,
                         ::testing::Values(ProgramPlace{"portable/lumatik", true}, ProgramPlace{"/usr/bin/lumatik", false},
                                           ProgramPlace{"missing/bin/lumatik", false}));

// Older files (Windows-1252, CR LF) and new ones (UTF-8, LF) read to the same
// lines, and whatever was read is written back as UTF-8 with LF.
struct StoredForm {
  const char* name;
  bool utf8;
  const char* lineEnd;
};

class StoredForms : public SettingsFiles, public ::testing::WithParamInterface<StoredForm> {};

// Every Windows-1252 character a user can type (the five unassigned codes
// and the line ends left out), in lines of random length from a fixed seed.
std::vector<std::string> GeneratedLines() {
  std::string alphabet;
  for (int c = 1; c < 256; ++c)
    if (c != '\r' && c != '\n' && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
      alphabet += static_cast<char>(c);
  std::mt19937 random(18);
  std::vector<std::string> lines;
  for (int i = 0; i < 60; ++i) {
    std::string line(random() % 40, ' ');
    for (char& c : line) c = alphabet[random() % alphabet.size()];
    lines.push_back(line);
  }
  lines.push_back(alphabet);
  return lines;
}

TEST_P(StoredForms, ReadToTheSameLinesAndWrittenBackAsUtf8WithLf) {
  for (const std::vector<std::string>& expected : {{"", "   a*x^3+b*x  a=1/3 b=-3"}, GeneratedLines()}) {
    std::string stored, written;
    for (const std::string& line : expected) {
      stored += (GetParam().utf8 ? Cp1252ToUtf8(line) : line) + GetParam().lineEnd;
      written += Cp1252ToUtf8(line) + "\n";
    }
    const std::string path = Write(GetParam().name, stored);
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(path, lines));
    EXPECT_EQ(lines, expected);
    ASSERT_TRUE(WriteTextLinesAtomically(path, lines));
    EXPECT_EQ(Bytes(path), written);
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left
    ASSERT_TRUE(ReadTextLines(path, lines));
    EXPECT_EQ(lines, expected);
  }
}

INSTANTIATE_TEST_SUITE_P(EncodingsAndLineEnds, StoredForms,
                         ::testing::Values(StoredForm{"utf8_lf", true, "\n"}, StoredForm{"utf8_crlf", true, "\r\n"},
                                           StoredForm{"cp1252_lf", false, "\n"},
                                           StoredForm{"cp1252_crlf", false, "\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumatik
