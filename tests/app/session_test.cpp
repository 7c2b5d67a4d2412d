// The program's run as a whole: work written while the windows are in use,
// so that a killed program loses nothing but the last seconds, and random
// input from fixed seeds that must never crash, strand or corrupt anything.

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

#include "shell/windows/session.h"
#include "shell/windows/delayed_save.h"
#include "calc/windows/calculator_window.h"
#include "support/window_test_support.h"
#include "tools/random_input_driver.h"
#include "worksheet/windows/worksheet_window.h"

namespace lumatik::testing {
namespace {

std::vector<std::string> FileLines(char letter) {
  std::vector<std::string> lines;
  static_cast<void>(ReadTextLines(SettingsFileName(letter), lines));
  return lines;
}

class SessionTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    session = std::make_unique<Session>();
  }
  void TearDown() override {
    session.reset();
    FormsTest::TearDown();
  }
  std::unique_ptr<Session> session;
};

// Nothing is closed: what is on disk is what a kill -9 leaves behind.
TEST_F(SessionTest, AKilledProgramsNextStartShowsTheSheetAndTheHistory) {
  OpenFromStart(startWindow->BGeometrie, worksheetWindow);
  ClickInto(worksheetWindow->Memo1->viewport());
  TypeText(Focused(), QStringLiteral("A=(1|2|3)"));
  Press(Qt::Key_Return);
  ASSERT_FALSE(FileLines('g').empty());
  EXPECT_EQ(FileLines('g').front(), "A=(1|2|3)");
  // Typing alone is written a few seconds after the last key.
  TypeText(Focused(), QStringLiteral("B"));
  QTRY_COMPARE_WITH_TIMEOUT(FileLines('g').back(), std::string("B"), 2 * kDelayedSaveMs);
  OpenFromStart(startWindow->Button3, calculatorWindow);
  TypeInto(calculatorWindow->EEing, QStringLiteral("1+1"));
  Press(Qt::Key_Return);
  ASSERT_FALSE(FileLines('3').empty());
  EXPECT_EQ(FileLines('3').front().rfind("1+1", 0), 0u);
  session.reset();
  RestartForms();
  OpenFromStart(startWindow->BGeometrie, worksheetWindow);
  EXPECT_EQ(worksheetWindow->Lines(), (std::vector<std::string>{"A=(1|2|3)", "B"}));
}

// Each seed that once found a fault stays here.
TEST(RandomInput, FixedSeedsKeepTheProgramAliveVisibleAndItsFilesReadable) {
  QTemporaryDir folder;
  for (const std::uint32_t seed : {1u, 2u, 3u}) {
    RandomInputOptions options;
    options.seed = seed;
    options.maxSteps = 80;
    options.fileFolder = folder.path().toStdString();
    const RandomInputFigures figures = RunRandomInput(options);
    EXPECT_EQ(figures.steps, options.maxSteps);
    EXPECT_GT(figures.events, 0);
    EXPECT_EQ(figures.findings, std::vector<std::string>{}) << "seed " << seed;
  }
}

}  // namespace
}  // namespace lumatik::testing
