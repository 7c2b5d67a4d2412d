// The function input window and the graph window, driven as a user drives
// them: terms typed into the fields, menu items, clicks on the picture.

#include <QCheckBox>
#include <QPlainTextEdit>

#include "plot/plotter_state.h"
#include "plot/windows/unit3sb.h"
#include "plotter_window_fixture.h"
#include "plot/plotinput.h"
#include "shell/windows/qtext.h"

namespace lumatik::testing {
namespace {

class PlotterWindows : public PlotterOpened {};

TEST_F(PlotterWindows, OpeningThePlotterDrawsTheDefaultFunctionWithTheCaretInIt) {
  EXPECT_EQ(Form1sb->FunctionText(), "1/3*x^3-3*x");
  EXPECT_TRUE(Form2sb->isVisible());
  EXPECT_TRUE(Form1sb->ComboBox1->hasFocus());
  EXPECT_TRUE(PictureShows(kScreenWhite, 1.5L, -3.375L));  // 1/3*1,5^3 - 3*1,5
}

TEST_F(PlotterWindows, ATermTypedIntoTheFunctionFieldIsDrawnAfterEnter) {
  DrawTyped("x^2-2");
  EXPECT_TRUE(PictureShows(kScreenWhite, 1.5L, 0.25L));
  EXPECT_TRUE(PictureShows(kScreenWhite, -1.5L, 0.25L));
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"x^2-2", "1/3*x^3-3*x"}));
  EXPECT_TRUE(Form1sb->ComboBox1->hasFocus());
  TypeInto(Form1sb->ComboBox1->lineEdit(), "x/2");
  PressEnter(Qt::Key_Enter);  // the Enter of the number block draws as well
  EXPECT_TRUE(PictureShows(kScreenWhite, 2.5L, 1.25L));
  QTest::keyClick(Focused(), Qt::Key_Down);  // the next line of the list
  Settle();
  EXPECT_EQ(Form1sb->FunctionText(), "x^2-2");
  EXPECT_TRUE(PictureShows(kScreenWhite, 1.5L, 0.25L));
}

TEST_F(PlotterWindows, TheUnitTypedAndEnterRedraw) {
  TypeInto(Form1sb->ELEx, "2");
  PressEnter();
  EXPECT_EQ(Form1sb->ELEy->text(), QStringLiteral("2"));
  // One unit is 2 cm now: the curve passes 2 cm right of the axis at f(1) = -8/3.
  EXPECT_TRUE(PictureShows(kScreenWhite, 1, -8.0L / 3));
}

TEST_F(PlotterWindows, TheDerivativeExampleShowsItsRedDerivative) {
  ChooseMenu(Form1sb, {"Hilfe", QString::fromUtf8("Beispiel  veränderte Längeneinheiten")});
  EXPECT_TRUE(Form1sb->CBAbleitung->isChecked());
  EXPECT_EQ(Form1sb->FunctionText(), "1/50*exp(abs(x))*sin(Pi/2*x)");
  EXPECT_EQ(Form1sb->ELEx->text(), QStringLiteral("1/2"));
  EXPECT_GT(PixelsOfColour(kScreenRed), 200);
}

TEST_F(PlotterWindows, LastErrorReportsWhatTheLastDrawingMet) {
  DrawTyped("x^2");
  ChooseMenu(Form1sb, {"Hilfe", "Lezter Fehler"});
  EXPECT_EQ(messages, (std::vector<std::string>{"Es ist kein Fehler aufgetreten"}));
  DrawTyped("1/x");
  messages.clear();
  ChooseMenu(Form1sb, {"Hilfe", "Lezter Fehler"});
  EXPECT_EQ(messages, std::vector<std::string>{LastErrorReport("Div. durch Null")});
}

TEST_F(PlotterWindows, ClicksOnTheGraphHideAndShowTheInputWindow) {
  QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  EXPECT_FALSE(Form1sb->isVisible());
  QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  EXPECT_TRUE(BecomesActive(Form1sb));
  QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  QTest::keyClick(Form2sb, Qt::Key_Escape);
  EXPECT_TRUE(Form1sb->isVisible());
}

TEST_F(PlotterWindows, ExampleListFillsTheListAndIsSavedAtProgramEnd) {
  ChooseMenu(Form1sb, {"Hilfe", "Beispiel Liste"});
  const std::vector<std::string> list{
      "x", "x^2", "x^3", "x^4", "x^5", "1/x", "1/x^2", "Text -15 2,5  12 |Die Funktionen  x - > x, x^2, x^3, x^4, x^5",
      "Text -15 2,25 12 |sowie  x - > 1/x, 1/x^2"};
  EXPECT_EQ(MemoLines(Form3sb->Memo1), list);
  EXPECT_TRUE(Form3sb->isVisible());
  EXPECT_TRUE(PictureShows(kScreenWhite, 3, 1.0L / 3));
  DestroyForms();
  std::vector<std::string> saved;
  ASSERT_TRUE(ReadTextLines(SettingsFileName('1'), saved));
  EXPECT_EQ(saved, list);
  CreateForms();  // the next run starts with the default function alone
  OpenPlotter();
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"1/3*x^3-3*x"}));
}

TEST_F(PlotterWindows, ARightClickAfterTextEinfuegenLetsTheUserTypeTheText) {
  const QPoint centre(Form2sb->width() / 2, Form2sb->height() / 2);
  ChooseMenu(Form1sb, {"Drucken", QString::fromUtf8("Text einfügen")});
  messages.clear();
  QTest::mouseClick(Form2sb->Image1, Qt::RightButton, Qt::NoModifier, centre);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("In der Liste erscheint die Zeile:\rText 0 0 12 |\r\r", 0), 0u);
  ASSERT_TRUE(BecomesActive(Form3sb));
  QTest::keyClicks(Focused(), QStringLiteral("Mitte"));
  QTest::mouseClick(Form3sb->BOk, Qt::LeftButton);
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"1/3*x^3-3*x", "Text 0 0 12 |Mitte"}));
}

TEST_F(PlotterWindows, ExportPictureIsBlackOnWhite) {
  TypeInto(Form1sb->ComboBox1->lineEdit(), "x^2");
  ChooseMenu(Form1sb, {"Drucken", "Bildschirmausschnitt speichern"});
  EXPECT_TRUE(PictureShows(0xFF000000, 1.5L, 2.25L));
  EXPECT_TRUE(PictureShows(0xFFFFFFFF, 1.5L, -1.5L));
  EXPECT_FALSE(Form1sb->isVisible());
}

}  // namespace
}  // namespace lumatik::testing
