// The calculator's settings files, apart from its window.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/calculator_settings.h"
#include "shell/settingsfiles.h"

namespace lumatik::testing {
namespace {

namespace fs = std::filesystem;

class CalculatorSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = ProgramPath();
    folder_ = fs::temp_directory_path() / ("lumatik-calc-settings-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    SetProgramPath((folder_ / "lumatik").string());
  }
  void TearDown() override {
    SetProgramPath(saved_);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  std::string saved_;
  fs::path folder_;
};

TEST_F(CalculatorSettingsTest, SavedLinesComeBack) {
  std::vector<std::string> history;
  for (int i = 0; i < 40; ++i) history.push_back("Zeile " + std::to_string(i));
  ASSERT_TRUE(SaveCalculatorSettings({"x=1", "a=1/3"}, history));
  std::vector<std::string> params{"alt"};
  std::vector<std::string> loaded;
  EXPECT_TRUE(LoadCalculatorSettings(params, loaded));
  EXPECT_EQ(params, (std::vector<std::string>{"x=1", "a=1/3"}));
  ASSERT_EQ(loaded.size(), 30u);
  EXPECT_EQ(loaded.front(), "Zeile 0");
  EXPECT_EQ(loaded.back(), "Zeile 29");
  EXPECT_EQ(SettingsFileName('2'), (folder_ / "lumatik.in2").string());
}

TEST_F(CalculatorSettingsTest, MissingParameterFileSkipsTheHistory) {
  ASSERT_TRUE(SaveCalculatorSettings({"x=1"}, {"1+1 = 2"}));
  fs::remove(SettingsFileName('2'));
  std::vector<std::string> params{"x=1", "x0=0"};
  std::vector<std::string> history;
  EXPECT_FALSE(LoadCalculatorSettings(params, history));
  EXPECT_EQ(params, (std::vector<std::string>{"x=1", "x0=0"}));
  EXPECT_TRUE(history.empty());
}

TEST(TermBeforeEqualsTest, CutsBeforeTheFirstEquals) {
  const std::pair<const char*, const char*> cases[] = {
      {"2*8+4*(27-3/2) = 118", "2*8+4*(27-3/2) "},
      {"524 287=524287(PZ)", "524 287"},
      {"2 3*5*7 11*13", "2 3*5*7 11*13"},
      {"=5", ""},
      {"", ""},
      {"a=b=c", "a"},
  };
  for (const auto& [line, term] : cases) EXPECT_EQ(TermBeforeEquals(line), term) << line;
}

TEST_F(CalculatorSettingsTest, BinaryFilesAndFoldersAreNoSettingsFiles) {
  std::ofstream(SettingsFileName('2'), std::ios::binary) << std::string("a\0b", 3);
  std::vector<std::string> params{"x=1"};
  std::vector<std::string> history;
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
