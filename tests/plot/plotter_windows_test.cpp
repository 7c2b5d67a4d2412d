// The function input window and the graph window, driven as a user drives
// them: terms typed into the fields, menu items, clicks on the picture.

#include <QLabel>
#include <QPlainTextEdit>

#include "plot/windows/function_list_window.h"
#include "plotter_window_fixture.h"
#include "plot/plotinput.h"
#include "shell/windows/qtext.h"

namespace lumatik::testing {
namespace {

class PlotterWindows : public PlotterOpened {};

// Opening draws the default function with the caret in it; a term typed
// there, or a unit, is drawn after Enter; "Lezter Fehler" names what it met.
TEST_F(PlotterWindows, ATermTypedIntoTheFunctionFieldIsDrawnAfterEnter) {
  EXPECT_EQ(functionInputWindow->FunctionText(), "1/3*x^3-3*x");
  EXPECT_TRUE(functionInputWindow->ComboBox1->hasFocus());
  EXPECT_TRUE(PictureShows(kScreenWhite, 1.5L, -3.375L));  // 1/3*1,5^3 - 3*1,5
  DrawTyped("x^2-2");
  EXPECT_TRUE(PictureShows(kScreenWhite, -1.5L, 0.25L));
  EXPECT_EQ(functionInputWindow->PlotList(), (std::vector<std::string>{"x^2-2", "1/3*x^3-3*x"}));
  EXPECT_TRUE(functionInputWindow->ComboBox1->hasFocus());
  TypeInto(functionInputWindow->ComboBox1->lineEdit(), "x/2");
  PressEnter(Qt::Key_Enter);  // the Enter of the number block draws as well
  EXPECT_TRUE(PictureShows(kScreenWhite, 2.5L, 1.25L));
  QTest::keyClick(Focused(), Qt::Key_Down);  // the next line of the list
  Settle();
  EXPECT_EQ(functionInputWindow->FunctionText(), "x^2-2");
  TypeInto(functionInputWindow->ELEx, "1.5");  // a point or a comma
  PressEnter();
  EXPECT_EQ(functionInputWindow->ELEy->text(), QStringLiteral("1.5"));
  // One unit is 1,5 cm now: the curve passes 1,5 cm right of the axis at f(1) = -1.
  EXPECT_TRUE(PictureShows(kScreenWhite, 1, -1));
  DrawTyped("1/x");
  ChooseMenu(functionInputWindow, {"Hilfe", "Lezter Fehler"});
  EXPECT_EQ(messages, std::vector<std::string>{LastErrorReport("Div. durch Null")});
}

// Left through "Beenden" and opened again in the same run: the graph is
// there again, not an empty screen behind the input window.
TEST_F(PlotterWindows, SchaubildOpenedAgainShowsTheGraph) {
  ChooseMenu(functionInputWindow, {"Datei", "Beenden"});
  ASSERT_TRUE(BecomesActive(startWindow));
  EXPECT_FALSE(graphWindow->isVisible());
  OpenPlotter();
  EXPECT_TRUE(graphWindow->isVisible());
  EXPECT_TRUE(PictureShows(kScreenWhite, 1.5L, -3.375L));
}

// The frame's close button of the full-screen graph, with the input window
// hidden by a click, leads back to the input window as Esc does.
TEST_F(PlotterWindows, ClosingTheGraphWithTheInputWindowHiddenBringsTheInputWindowBack) {
  QTest::mouseClick(graphWindow->Image1, Qt::LeftButton, Qt::NoModifier, graphWindow->Image1->rect().center());
  Settle();
  ASSERT_FALSE(functionInputWindow->isVisible());
  graphWindow->close();
  Settle();
  EXPECT_TRUE(functionInputWindow->isVisible());
  EXPECT_TRUE(graphWindow->isVisible());
  EXPECT_TRUE(BecomesActive(functionInputWindow));
}

TEST_F(PlotterWindows, ExampleListFillsTheListAndIsSavedAtProgramEnd) {
  ChooseMenu(functionInputWindow, {"Hilfe", "Beispiel Liste"});
  const std::vector<std::string> list = MemoLines(functionListWindow->Memo1);
  ASSERT_EQ(list.size(), 9u);
  EXPECT_EQ(list.back(), "Text -15 2,25 12 |sowie  x - > 1/x, 1/x^2");
  EXPECT_TRUE(functionListWindow->isVisible());
  EXPECT_TRUE(PictureShows(kScreenWhite, 3, 1.0L / 3));
  DestroyForms();
  std::vector<std::string> saved;
  ASSERT_TRUE(ReadTextLines(SettingsFileName('1'), saved));
  EXPECT_EQ(saved, list);
  CreateForms();  // the next run starts with the default function alone
  OpenPlotter();
  EXPECT_EQ(functionInputWindow->PlotList(), (std::vector<std::string>{"1/3*x^3-3*x"}));
}

TEST_F(PlotterWindows, ARightClickAfterTextEinfuegenLetsTheUserTypeTheText) {
  const QPoint centre(graphWindow->width() / 2, graphWindow->height() / 2);
  ChooseMenu(functionInputWindow, {"Drucken", QString::fromUtf8("Text einfügen")});
  messages.clear();
  QTest::mouseClick(graphWindow->Image1, Qt::RightButton, Qt::NoModifier, centre);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("In der Liste erscheint die Zeile:\rText 0 0 12 |\r\r", 0), 0u);
  ASSERT_TRUE(BecomesActive(functionListWindow));
  QTest::keyClicks(Focused(), QStringLiteral("Mitte"));
  QTest::mouseClick(functionListWindow->BOk, Qt::LeftButton);
  EXPECT_EQ(functionInputWindow->PlotList(), (std::vector<std::string>{"1/3*x^3-3*x", "Text 0 0 12 |Mitte"}));
  EXPECT_TRUE(BecomesActive(functionInputWindow));  // over the graph the click had raised
}

// The menu "Von der Sekante zur Tangente": an example, then secant,
// halving, magnifier, tangent and normal, with the slope shown exactly.
class SecantMenu : public PlotterOpened {};

TEST_F(SecantMenu, FromTheSecantToTheTangent) {
  const QString menu = QStringLiteral("Von der Sekante zur Tangente");
  ChooseMenu(functionInputWindow, {menu, "Beispiel 0,2x^2 bei 1,5"});
  EXPECT_EQ(functionInputWindow->FunctionText(), "1/5*x^2");
  ChooseMenu(functionInputWindow, {menu, "Zeichne Sekante"});
  EXPECT_EQ(functionInputWindow->Lm->text(), "Sekantensteigung");
  EXPECT_EQ(functionInputWindow->Em->text(), "0,8=4/5");
  ChooseMenu(functionInputWindow, {menu, "Zeichne Sekante mit 1/2dx"});
  EXPECT_EQ(functionInputWindow->Ex->text(), "2");
  ChooseMenu(functionInputWindow, {menu, "Lupe"});
  EXPECT_EQ(functionInputWindow->Ex000->text(), "1,5");
  EXPECT_EQ(functionInputWindow->ELEx->text(), "2");
  ChooseMenu(functionInputWindow, {menu, "Zeichne Tangente"});
  EXPECT_EQ(functionInputWindow->Lm->text(), "Tangentensteigung");
  ChooseMenu(functionInputWindow, {menu, "Zeichne Normale"});
  EXPECT_EQ(functionInputWindow->Lm->text(), "Normalensteigung");
  ChooseMenu(functionInputWindow, {menu, QString::fromUtf8("Sekante löschen")});
  EXPECT_EQ(functionInputWindow->PlotList(), (std::vector<std::string>{"1/5*x^2"}));
  EXPECT_EQ(functionInputWindow->ELEx->text(), "1");
  EXPECT_EQ(functionInputWindow->Ex000->text(), "0");
}

}  // namespace
}  // namespace lumatik::testing
