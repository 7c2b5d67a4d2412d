// Texts across the window boundary, and the program's twelve windows.

#include <QPlainTextEdit>

#include "shell/windows/qtext.h"
#include "support/window_test_support.h"

namespace lumatik::testing {
namespace {

TEST(QtTextTest, Windows1252BytesBecomeTheirCharacters) {
  // 0x80 is the euro sign and 0x97 the long dash, not Latin-1 controls.
  EXPECT_EQ(QtText("\x80 \x97 \xB0 \xB7 \xE4"), QString::fromUtf8("€ — ° · ä"));
  EXPECT_EQ(CoreText(QString::fromUtf8("€ — ° · ä")), "\x80 \x97 \xB0 \xB7 \xE4");
  EXPECT_EQ(CoreText(QString::fromUtf8("ℵ")), "?");
}

TEST(QtTextTest, LineBreaksBecomeLineFeeds) {
  EXPECT_EQ(QtText("a\r\nb\rc\nd"), "a\nb\nc\nd");
  EXPECT_EQ(Ui("Zeile 1\r\nZeile 2\rZeile 3"), "Zeile 1\nZeile 2\nZeile 3");
}

TEST(MemoLinesTest, CountsLinesAsAListBoxWould) {
  QPlainTextEdit memo;
  EXPECT_TRUE(MemoLines(&memo).empty());
  for (const auto& [text, lines] : {std::pair<QString, std::vector<std::string>>{"a\nb\n", {"a", "b"}},
                                    {"a\n\nb", {"a", "", "b"}}}) {
    memo.setPlainText(text);
    EXPECT_EQ(MemoLines(&memo), lines);
  }
  AddMemoLine(&memo, "c");
  EXPECT_EQ(memo.toPlainText(), "a\n\nb\nc");
  memo.setPlainText("a\n");
  AddMemoLine(&memo, "\xE4");
  EXPECT_EQ(memo.toPlainText(), QString::fromUtf8("a\nä"));
  memo.clear();
  AddMemoLine(&memo, "erste");
  EXPECT_EQ(memo.toPlainText(), "erste");
  SetMemoLines(&memo, {"x=1", "x0=0"});
  EXPECT_EQ(memo.toPlainText(), "x=1\nx0=0");
}

TEST(MemoLinesTest, TheCaretLine) {
  QPlainTextEdit memo;
  EXPECT_EQ(MemoCaretText(&memo), "");
  memo.setPlainText("eins\nzwei\ndrei\n");
  memo.moveCursor(QTextCursor::Start);
  EXPECT_EQ(MemoCaretText(&memo), "eins");
  memo.moveCursor(QTextCursor::Down);
  EXPECT_EQ(MemoCaretText(&memo), "zwei");
  memo.moveCursor(QTextCursor::End);
  EXPECT_EQ(MemoCaretText(&memo), "");
}

class ProgramStartTest : public FormsTest {};

TEST_F(ProgramStartTest, DestroyingLeavesNoWindowBehind) {
  DestroyForms();
  EXPECT_EQ(FormStart, nullptr);
  EXPECT_EQ(FRechne, nullptr);
  EXPECT_EQ(Formluinput, nullptr);
  EXPECT_EQ(Form2sb, nullptr);
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
  CreateForms();
}

}  // namespace
}  // namespace lumatik::testing
