// The menu "Von der Sekante zur Tangente", driven through its items, with
// the fields typed into as a user types.

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "plot/plotter_window_fixture.h"
#include "plot/windows/unit3sb.h"
#include "shell/codepage.h"
#include "shell/windows/qtext.h"

namespace lumatik {
namespace {

class SecantMenu : public testing::PlotterOpened {
 protected:
  static std::string Text(const QLineEdit* field) { return CoreText(field->text()); }
  static std::string Caption(const QLabel* label) { return CoreText(label->text()); }
  // No line of the list may carry a value that is no number.
  static bool ListHoldsOnlyNumbers() {
    for (const std::string& line : Form1sb->PlotList())
      for (const char* bad : {"inf", "INF", "nan", "NAN"})
        if (line.find(bad) != std::string::npos) return false;
    return true;
  }
};

TEST_F(SecantMenu, ParabolaExampleThenSecant) {
  Form1sb->Listebearbeiten1->trigger();
  Form1sb->Beispiel02x2bei151->trigger();
  EXPECT_EQ(Form1sb->FunctionText(), "1/5*x^2");
  EXPECT_EQ(Text(Form1sb->Ex0), "1,5");
  EXPECT_EQ(Text(Form1sb->Ex), "2,5");
  EXPECT_TRUE(Form3sb->Memo1->toPlainText().isEmpty());

  Form1sb->ZeichneSekante1->trigger();
  EXPECT_EQ(Caption(Form1sb->Lm), "Sekantensteigung");
  EXPECT_EQ(Text(Form1sb->Em), "0,8=4/5");
  // P(3/2|9/20) red, Q(5/2|5/4) white, dots 1/20 wide, and the line through
  // both: slope (5/4-9/20)/(5/2-3/2) = 4/5, intercept 9/20-4/5*3/2 = -3/4.
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"1/5*x^2", "Kreis 3/2 9/20 1/20 rot",
                                                            "Kreis 5/2 5/4 1/20", "4/5*x-3/4"}));
  EXPECT_TRUE(Form2sb->isVisible());
  EXPECT_TRUE(Form1sb->isVisible());
}

TEST_F(SecantMenu, MagnifierAfterTheSecant) {
  Form1sb->Beispiel02x2bei151->trigger();
  Form1sb->ZeichneSekante1->trigger();
  const std::vector<std::string> list = Form1sb->PlotList();
  Form1sb->Lupe1->trigger();
  EXPECT_EQ(Text(Form1sb->Ex000), "1,5");
  EXPECT_EQ(Text(Form1sb->Ey000), "0,45");
  EXPECT_EQ(Text(Form1sb->ELEx), "1");
  EXPECT_EQ(Text(Form1sb->ELEy), "1,25");
  EXPECT_EQ(Form1sb->PlotList(), list);
}

TEST_F(SecantMenu, HalvingDxMovesQHalfwayToP) {
  Form1sb->Beispiel02x2bei151->trigger();
  Form1sb->ZeichneSekantemit12dx1->trigger();
  EXPECT_EQ(Text(Form1sb->Ex), "2");
  // Q(2|4/5); slope (4/5-9/20)/(1/2) = 7/10.
  const std::vector<std::string> list = Form1sb->PlotList();
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[2], "Kreis 2 4/5 1/20");
  EXPECT_EQ(Text(Form1sb->Em), "0,7=7/10");

  // Each halving followed by the magnifier doubles the magnification.
  Form1sb->Lupe1->trigger();
  EXPECT_EQ(Text(Form1sb->ELEx), "2");
  Form1sb->ZeichneSekantemit12dx1->trigger();
  Form1sb->Lupe1->trigger();
  EXPECT_EQ(Text(Form1sb->ELEx), "4");
}

TEST_F(SecantMenu, TangentAndNormal) {
  Form1sb->Beispiel02x2bei151->trigger();
  Form1sb->ZeichneTangente1->trigger();
  EXPECT_EQ(Caption(Form1sb->Lm), "Tangentensteigung");
  EXPECT_EQ(Text(Form1sb->Em), "0,6");
  EXPECT_EQ(Form1sb->PlotList().size(), 3u);

  Form1sb->ZeichneNormale1->trigger();
  EXPECT_EQ(Caption(Form1sb->Lm), "Normalensteigung");
  // -1/0,6 = -5/3.
  EXPECT_EQ(Text(Form1sb->Em).substr(0, 8), "-1,66667");
}

TEST_F(SecantMenu, EqualXAndX0KeepsTheListFreeOfInfinity) {
  Form1sb->Beispiel02x2bei151->trigger();
  TypeInto(Form1sb->Ex, "3/2");
  const std::vector<std::string> list = Form1sb->PlotList();
  messages.clear();
  Form1sb->ZeichneSekante1->trigger();
  Form1sb->Lupe1->trigger();
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_EQ(Form1sb->PlotList(), list);
  EXPECT_EQ(Text(Form1sb->ELEx), "1");
  EXPECT_TRUE(ListHoldsOnlyNumbers());
}

TEST_F(SecantMenu, NormalOfAHorizontalTangentIsDrawnUpright) {
  // A constant: the difference quotient is exactly 0.
  TypeInto(Form1sb->ComboBox1->lineEdit(), "2");
  TypeInto(Form1sb->Ex0, "3");
  Form1sb->ZeichneNormale1->trigger();
  EXPECT_EQ(Text(Form1sb->Em), "unendlich");
  EXPECT_TRUE(ListHoldsOnlyNumbers());
  ASSERT_EQ(Form1sb->PlotList().size(), 3u);
  EXPECT_EQ(Form1sb->PlotList()[2].rfind("Strecke 3 ", 0), 0u);

  // x^2 at 0: the backward quotient is -1e-6, the quotient's own error; the
  // tangent is horizontal and the normal upright.
  TypeInto(Form1sb->ComboBox1->lineEdit(), "x^2");
  TypeInto(Form1sb->Ex0, "0");
  Form1sb->ZeichneTangente1->trigger();
  EXPECT_EQ(Text(Form1sb->Em), "0");
  EXPECT_EQ(Form1sb->PlotList().back(), "0*x+0");
  Form1sb->ZeichneNormale1->trigger();
  EXPECT_EQ(Text(Form1sb->Em), "unendlich");
  EXPECT_EQ(Form1sb->PlotList().back().rfind("Strecke 0 ", 0), 0u);
}

TEST_F(SecantMenu, TangentAtAPoleSaysThereIsNone) {
  Form1sb->Beispiel1xbei21->trigger();
  TypeInto(Form1sb->Ex0, "0");
  const std::vector<std::string> list = Form1sb->PlotList();
  messages.clear();
  Form1sb->ZeichneTangente1->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("keine Tangente"), std::string::npos) << messages[0];
  EXPECT_EQ(Form1sb->PlotList(), list);
}

TEST_F(SecantMenu, MagnifierDrawsTheAxesWhereZeroLies) {
  Form1sb->Beispiel02x2bei151->trigger();
  Form1sb->ZeichneSekante1->trigger();
  Form1sb->Lupe1->trigger();
  Settle();
  // M(1,5|0,45), LEx = 1, LEy = 1,25: x = 0 lies 1,5 cm left of the middle,
  // y = 0 lies 0,5625 cm below it, with the same pixels per cm both ways.
  const QImage picture = Form2sb->Image1->picture();
  const double ppc = std::min(picture.width() / 16.0, picture.height() / 12.0);
  const int yAxis = static_cast<int>(std::lround(picture.width() / 2.0 - 1.5 * ppc));
  const int xAxis = static_cast<int>(std::lround(picture.height() / 2.0 + 0.5625 * ppc));
  const QRgb grey = 0xFF858585;
  int onYAxis = 0;
  int onXAxis = 0;
  for (int y = 0; y < picture.height(); ++y) onYAxis += picture.pixel(yAxis, y) == grey;
  for (int x = 0; x < picture.width(); ++x) onXAxis += picture.pixel(x, xAxis) == grey;
  EXPECT_GT(onYAxis, picture.height() * 9 / 10);
  EXPECT_GT(onXAxis, picture.width() * 9 / 10);
}

TEST_F(SecantMenu, ClearingLeavesTheFunctionAndResetsTheView) {
  Form1sb->Beispiel02x2bei151->trigger();
  Form1sb->ZeichneSekante1->trigger();
  Form1sb->Lupe1->trigger();
  Form1sb->Sekantenlschen1->trigger();
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"1/5*x^2"}));
  EXPECT_EQ(Text(Form1sb->Em), "");
  EXPECT_EQ(Caption(Form1sb->Lm), "Sekantensteigung");
  EXPECT_EQ(Text(Form1sb->ELEx), "1");
  EXPECT_EQ(Text(Form1sb->ELEy), "1");
  EXPECT_EQ(Text(Form1sb->Ex000), "0");
  EXPECT_EQ(Text(Form1sb->Ey000), "0");
}

TEST_F(SecantMenu, ExamplesSetTheirFields) {
  TypeInto(Form1sb->Ex000, "3");
  TypeInto(Form1sb->Ey000, "-2");
  Form1sb->Beispielsqrtxbei41->trigger();
  EXPECT_EQ(Form1sb->FunctionText(), "sqrt(x) [0;8]");
  EXPECT_EQ(Text(Form1sb->Ex0), "4");
  EXPECT_EQ(Text(Form1sb->Ex), "2");
  // This example keeps the centre.
  EXPECT_EQ(Text(Form1sb->Ex000), "3");
  EXPECT_EQ(Text(Form1sb->Ey000), "-2");

  Form1sb->BeispielKreisr5bei41->trigger();
  EXPECT_EQ(Form1sb->FunctionText(), "sqrt(25 - x^2)");
  EXPECT_EQ(Text(Form1sb->Ex000), "0");
  EXPECT_EQ(Text(Form1sb->Ey000), "0");

  Form1sb->Beispiel1xbei21->trigger();
  EXPECT_EQ(Form1sb->FunctionText(), "1/x");
  EXPECT_EQ(Text(Form1sb->Ex0), "2");
  EXPECT_EQ(Text(Form1sb->Ex), "3");
  Form1sb->ZeichneSekante1->trigger();
  // (1/3-1/2)/(3-2) = -1/6.
  EXPECT_EQ(Text(Form1sb->Em), "-0,16667=-1/6");
}

TEST_F(SecantMenu, HintExplainsTheCommands) {
  messages.clear();
  Form1sb->Hinweis1->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("Die Sekante wird gezeichnet durch:\rP(x0|f(x0))", 0), 0u);
  EXPECT_NE(messages[0].find(Cp1252("nur noch halb so groß ist.")), std::string::npos);
}

}  // namespace
}  // namespace lumatik
