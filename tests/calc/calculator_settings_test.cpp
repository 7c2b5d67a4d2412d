// The calculator's settings files, apart from its window.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/calculator_settings.h"
#include "shell/file_test_folder.h"
#include "shell/settingsfiles.h"

namespace lumatik::testing {
namespace {

namespace fs = std::filesystem;

// The settings files lie beside a program in the test's own folder.
class CalculatorSettingsTest : public FileTest {
 protected:
  void SetUp() override {
    FileTest::SetUp();
    SetProgramPath((folder / "lumatik").string());
  }
  void TearDown() override {
    SetProgramPath(saved_);
    FileTest::TearDown();
  }
  const std::string saved_ = ProgramPath();
};

TEST(TermBeforeEqualsTest, CutsBeforeTheFirstEquals) {
  const std::pair<const char*, const char*> cases[] = {
      {"2*8+4*(27-3/2) = 118", "2*8+4*(27-3/2)"}, {"524 287=524287(PZ)", "524 287"}, {"=5", ""}, {"a=b=c", "a"}};
  for (const auto& [line, term] : cases) EXPECT_EQ(TermBeforeEquals(line), term) << line;
}

// A missing parameter file skips the history; binary files and folders are no settings files.
TEST_F(CalculatorSettingsTest, BinaryFilesAndFoldersAreNoSettingsFiles) {
  ASSERT_TRUE(SaveCalculatorSettings({"x=1"}, {"1+1 = 2"}));
  fs::remove(SettingsFileName('2'));
  std::vector<std::string> params{"x=1"};
  std::vector<std::string> history;
  EXPECT_FALSE(LoadCalculatorSettings(params, history));
  EXPECT_TRUE(history.empty());
  std::ofstream(SettingsFileName('2'), std::ios::binary) << std::string("a\0b", 3);
  EXPECT_FALSE(LoadCalculatorSettings(params, history));
  EXPECT_EQ(params, std::vector<std::string>{"x=1"});
  fs::remove(SettingsFileName('2'));
  fs::create_directories(SettingsFileName('2'));
  EXPECT_FALSE(LoadCalculatorSettings(params, history));
  EXPECT_EQ(params, std::vector<std::string>{"x=1"});
  // Saving over it fails and says so; the history is saved all the same.
  EXPECT_FALSE(SaveCalculatorSettings({"x=2"}, {"1+1 = 2"}));
  std::vector<std::string> saved;
  ASSERT_TRUE(ReadTextLines(SettingsFileName('3'), saved));
  EXPECT_EQ(saved, std::vector<std::string>{"1+1 = 2"});
  EXPECT_TRUE(fs::is_directory(SettingsFileName('2')));
}

}  // namespace
}  // namespace lumatik::testing
