// The menu "Von der Sekante zur Tangente" on the user's road: an example,
// then secant, halving, magnifier, tangent and normal, with the slope shown
// exactly.

#include <QLabel>

#include "plotter_window_fixture.h"
#include "shell/windows/qtext.h"

namespace lumatik::testing {
namespace {

const QString kMenu = QStringLiteral("Von der Sekante zur Tangente");

class SecantMenu : public PlotterOpened {
 protected:
  static std::string Text(const QLineEdit* field) { return CoreText(field->text()); }
  static std::string Caption(const QLabel* label) { return CoreText(label->text()); }
};

TEST_F(SecantMenu, FromTheSecantToTheTangent) {
  ChooseMenu(Form1sb, {kMenu, "Beispiel 0,2x^2 bei 1,5"});
  EXPECT_EQ(Form1sb->FunctionText(), "1/5*x^2");
  ChooseMenu(Form1sb, {kMenu, "Zeichne Sekante"});
  EXPECT_EQ(Caption(Form1sb->Lm), "Sekantensteigung");
  EXPECT_EQ(Text(Form1sb->Em), "0,8=4/5");
  EXPECT_EQ(Form1sb->PlotList().size(), 4u);
  ChooseMenu(Form1sb, {kMenu, "Zeichne Sekante mit 1/2dx"});
  EXPECT_EQ(Text(Form1sb->Ex), "2");
  EXPECT_EQ(Text(Form1sb->Em), "0,7=7/10");
  ChooseMenu(Form1sb, {kMenu, "Lupe"});
  EXPECT_EQ(Text(Form1sb->Ex000), "1,5");
  EXPECT_EQ(Text(Form1sb->Ey000), "0,45");
  EXPECT_EQ(Text(Form1sb->ELEx), "2");
  ChooseMenu(Form1sb, {kMenu, "Zeichne Tangente"});
  EXPECT_EQ(Caption(Form1sb->Lm), "Tangentensteigung");
  EXPECT_EQ(Text(Form1sb->Em), "0,6");
  ChooseMenu(Form1sb, {kMenu, "Zeichne Normale"});
  EXPECT_EQ(Caption(Form1sb->Lm), "Normalensteigung");
  EXPECT_EQ(Text(Form1sb->Em).substr(0, 8), "-1,66667");
  ChooseMenu(Form1sb, {kMenu, QString::fromUtf8("Sekante löschen")});
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"1/5*x^2"}));
  EXPECT_EQ(Text(Form1sb->ELEx), "1");
  EXPECT_EQ(Text(Form1sb->Ex000), "0");
}

TEST_F(SecantMenu, TypedPointsWithoutASecantOrTangentSaySo) {
  ChooseMenu(Form1sb, {kMenu, "Beispiel 1/x bei 2"});
  TypeInto(Form1sb->Ex0, "0");
  const std::vector<std::string> list = Form1sb->PlotList();
  messages.clear();
  ChooseMenu(Form1sb, {kMenu, "Zeichne Tangente"});
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("keine Tangente"), std::string::npos) << messages[0];
  TypeInto(Form1sb->Ex0, "3");
  TypeInto(Form1sb->Ex, "3");
  ChooseMenu(Form1sb, {kMenu, "Zeichne Sekante"});
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_EQ(Form1sb->PlotList(), list);
}

}  // namespace
}  // namespace lumatik::testing
