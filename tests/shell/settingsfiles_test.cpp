// Settings files: their names, their encodings and their safe replacement.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/codepage.h"
#include "shell/settingsfiles.h"

namespace lumatik {
namespace {

namespace fs = std::filesystem;

class SettingsFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("lumatik-test-" + std::to_string(::getpid()));
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  fs::path folder;
};

TEST_F(SettingsFiles, NamedAfterTheProgramWithoutItsExtension) {
  SetProgramPath((folder / "lumatik").string());
  EXPECT_EQ(SettingsFileName('2'), (folder / "lumatik.in2").string());
  SetProgramPath((folder / "name.exe").string());
  EXPECT_EQ(SettingsFileName('2'), (folder / "name.in2").string());
}

TEST_F(SettingsFiles, ReadsUtf8AndWindows1252WithEitherLineEnd) {
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadTextLines(Write("utf8", "sin(45\xC2\xB0)\r\nzwei\n"), lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"sin(45\xB0)", "zwei"}));
  ASSERT_TRUE(ReadTextLines(Write("ansi", "sin(45\xB0)\nGr\xF6\xDF" "e"), lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"sin(45\xB0)", "Gr\xF6\xDF" "e"}));
  EXPECT_FALSE(ReadTextLines((folder / "missing").string(), lines));
  EXPECT_FALSE(ReadTextLines(folder.string(), lines));
}

TEST_F(SettingsFiles, WritesWindows1252WithCrLfAndReplacesAtomically) {
  const std::string path = (folder / "list").string();
  ASSERT_TRUE(WriteTextLinesAtomically(path, {"alt"}));
  ASSERT_TRUE(WriteTextLinesAtomically(path, {"sin(45\xB0)", "x"}));
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "sin(45\xB0)\r\nx\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);  // no temporary left
}

TEST(CodePage, RoundTripsTheWindows1252Characters) {
  std::string all;
  for (int c = 32; c < 256; ++c)
    if (c < 0x80 || c > 0x9F || Cp1252ToUtf8(std::string(1, static_cast<char>(c))).size() == 3)
      all += static_cast<char>(c);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), "\x80");
  EXPECT_FALSE(IsValidUtf8("Gr\xF6\xDF" "e"));
  EXPECT_TRUE(IsValidUtf8("Gr\xC3\xB6\xC3\x9F" "e"));
}

}  // namespace
}  // namespace lumatik
