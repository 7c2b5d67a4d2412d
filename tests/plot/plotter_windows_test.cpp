// The function input window and the graph window, driven as a user drives
// them: menu items triggered, keys typed, clicks on the picture.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "expr/lumath.h"
#include "plot/plotinput.h"
#include "plot/plotrender.h"
#include "plot/unit1sb.h"
#include "plot/unit2sb.h"
#include "shell/codepage.h"
#include "shell/forms.h"
#include "shell/luhilf.h"
#include "shell/luinput.h"
#include "shell/messagesink.h"
#include "shell/settingsfiles.h"
#include "shell/unitstart.h"
#include "support/window_test_support.h"
#include "plotter_window_fixture.h"

namespace lumatik {
namespace {

using testing::AnswerNextDialog;

class PlotterWindows : public testing::PlotterOpened {
 protected:
  static void Enter(QWidget* field) { QTest::keyClick(field, Qt::Key_Return); }
  static void TypeInto(QLineEdit* field, const char* text) {
    field->clear();
    QTest::keyClicks(field, QString::fromUtf8(text));
  }
  // Whether the graph's picture has the colour at the user point (x|y).
  static bool PictureShows(QRgb colour, long double x, long double y) {
    const PlotFrame frame{0, Form2sb->width(), Form2sb->height()};
    const PlotScale scale = ComputePlotScale(Form1sb->PlotFields());
    const int px = CmToPixelX(x / scale.sx + scale.dx, frame);
    const int py = CmToPixelY(y / scale.sy + scale.dy, frame);
    return Form2sb->Image1->picture().pixel(px, py) == colour;
  }

};

constexpr QRgb kScreenWhite = 0xFFFFFFFF;

TEST_F(PlotterWindows, OpeningThePlotterDrawsTheDefaultFunction) {
  EXPECT_EQ(Form1sb->FunctionText(), "1/3*x^3-3*x");
  EXPECT_TRUE(Form1sb->CBAlle->isChecked());
  EXPECT_TRUE(Form2sb->isVisible());
  EXPECT_TRUE(Form1sb->isVisible());
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"1/3*x^3-3*x"}));
}

TEST_F(PlotterWindows, FirstExampleThenEnterDraws) {
  Form1sb->erstesBeispiel1->trigger();
  EXPECT_TRUE(Form2sb->isVisible());
  // Points off the whole centimetres: there the grids of later lines lie
  // over the curves.
  EXPECT_TRUE(PictureShows(kScreenWhite, 0.5L, 1.0L / 24 - 1.5L));
  EXPECT_FALSE(PictureShows(kScreenWhite, 1.5L, 2.25L));

  Form1sb->ComboBox1->setEditText(QStringLiteral("x^2"));
  Enter(Form1sb->ComboBox1->lineEdit());
  EXPECT_TRUE(PictureShows(kScreenWhite, 1.5L, 2.25L));
  EXPECT_TRUE(PictureShows(kScreenWhite, -1.5L, 2.25L));
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"x^2", "1/3*x^3-3*x"}));
  EXPECT_TRUE(Form1sb->isVisible());  // Enter brings the input window back
}

TEST_F(PlotterWindows, TheMenuItemSchaubildLeavesTheGraphAlone) {
  Form1sb->Schaubild1->trigger();
  EXPECT_TRUE(Form2sb->isVisible());
  EXPECT_FALSE(Form1sb->isVisible());
  QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_TRUE(Form1sb->isVisible());
}

TEST_F(PlotterWindows, ChoosingAListItemRedraws) {
  Form1sb->SetPlotList({"x^2", "x"});
  MathErrorText() = "unchanged";
  emit Form1sb->ComboBox1->activated(1);
  EXPECT_EQ(MathErrorText(), "");
}

TEST_F(PlotterWindows, EnterInLExWithAPlainNumberSetsBothUnits) {
  MathErrorText() = "unchanged";  // every redraw clears it first
  TypeInto(Form1sb->ELEx, "3");
  Enter(Form1sb->ELEx);
  EXPECT_EQ(Form1sb->ELEy->text(), QStringLiteral("3"));
  EXPECT_EQ(MathErrorText(), "");
}

TEST_F(PlotterWindows, EnterInLExWithPiDoesNothing) {
  MathErrorText() = "unchanged";
  TypeInto(Form1sb->ELEx, "Pi");
  Enter(Form1sb->ELEx);
  EXPECT_EQ(Form1sb->ELEy->text(), QStringLiteral("1"));
  EXPECT_EQ(MathErrorText(), "unchanged");
}

TEST_F(PlotterWindows, ATermInLEyWaitsForTheEnterOfAnotherField) {
  MathErrorText() = "unchanged";
  TypeInto(Form1sb->ELEy, "2*Pi");
  Enter(Form1sb->ELEy);
  EXPECT_EQ(MathErrorText(), "unchanged");
  Enter(Form1sb->Ex000);
  EXPECT_EQ(MathErrorText(), "");
  // With LEy = 2 Pi the top of sin(x)/(2*Pi) lies 1 cm above the axis.
  Form1sb->ComboBox1->setEditText(QStringLiteral("sin(x)/(2*Pi)"));
  Enter(Form1sb->ComboBox1->lineEdit());
  EXPECT_TRUE(PictureShows(kScreenWhite, 3.14159265358979323846L / 2, 1 / (2 * 3.14159265358979323846L)));
}

TEST_F(PlotterWindows, LastErrorAfterOneOverXReportsTheDivision) {
  Form1sb->ComboBox1->setEditText(QStringLiteral("1/x"));
  Enter(Form1sb->ComboBox1->lineEdit());
  messages.clear();
  Form1sb->LezterFehler1->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], Cp1252("Ungültige Funktionswerte werden nicht gezeichnet (zum Beispiel f(0) für f(x)=1/x).\r"
                                "Beim Schaubild berechnen wurde gemeldet:Div. durch Null"));
}

TEST_F(PlotterWindows, LastErrorAfterXSquaredReportsNone) {
  Form1sb->ComboBox1->setEditText(QStringLiteral("x^2"));
  Enter(Form1sb->ComboBox1->lineEdit());
  messages.clear();
  Form1sb->LezterFehler1->trigger();
  EXPECT_EQ(messages, (std::vector<std::string>{"Es ist kein Fehler aufgetreten"}));
}

TEST_F(PlotterWindows, ProgrammaticCheckBoxChangesRedrawOncePerChange) {
  const bool all = Form1sb->CBAlle->isChecked();
  MathErrorText() = "unchanged";
  Form1sb->CBAlle->setChecked(all);
  EXPECT_EQ(MathErrorText(), "unchanged");
  Form1sb->CBAlle->setChecked(!all);
  EXPECT_EQ(MathErrorText(), "");
  MathErrorText() = "unchanged";
  Form1sb->CBAbleitung->setChecked(!Form1sb->CBAbleitung->isChecked());
  EXPECT_EQ(MathErrorText(), "");
  EXPECT_FALSE(Form1sb->CBAlle->isVisible());
  EXPECT_FALSE(Form1sb->CBAbleitung->isVisible());
}

TEST_F(PlotterWindows, ExampleListFillsTheListInOrder) {
  Form1sb->BeispielListe1->trigger();
  const std::vector<std::string> expected{
      "x", "x^2", "x^3", "x^4", "x^5", "1/x", "1/x^2", "Text -15 2,5  12 |Die Funktionen  x - > x, x^2, x^3, x^4, x^5",
      "Text -15 2,25 12 |sowie  x - > 1/x, 1/x^2"};
  EXPECT_EQ(Form1sb->PlotList(), expected);
  EXPECT_EQ(Form1sb->ELEx->text(), QStringLiteral("1/2"));
  EXPECT_EQ(Form1sb->ELEy->text(), QStringLiteral("2"));
  EXPECT_TRUE(Form1sb->CBAlle->isChecked());
  EXPECT_TRUE(PictureShows(kScreenWhite, 3, 1.0L / 3));
}

TEST_F(PlotterWindows, ExampleListWritesItsCaptionsInsideTheFrame) {
  Form1sb->BeispielListe1->trigger();
  Settle();
  const QImage picture = Form2sb->Image1->picture();
  // LEx = 1/2, LEy = 2 and M(0|0): a caption at (x|y) has its upper left
  // corner x/2 cm right of and 2y cm above the middle.
  const double ppc = std::min(picture.width() / 16.0, picture.height() / 12.0);
  int captions = 0;
  for (const std::string& line : Form1sb->PlotList()) {
    if (line.rfind("Text", 0) != 0) continue;
    ++captions;
    const long double x = EvalTerm(NthWord(line, 2));
    const long double y = EvalTerm(NthWord(line, 3));
    const int left = static_cast<int>(std::lround(picture.width() / 2.0 + static_cast<double>(x) / 2 * ppc));
    const int top = static_cast<int>(std::lround(picture.height() / 2.0 - static_cast<double>(y) * 2 * ppc));
    ASSERT_GE(left, 0) << line;
    ASSERT_GE(top, 0) << line;
    // The text's white pixels lie in the 12-point line below the corner.
    int white = 0;
    for (int py = top; py < std::min(top + 16, picture.height()); ++py)
      for (int px = left; px < std::min(left + 120, picture.width()); ++px) white += picture.pixel(px, py) == kScreenWhite;
    EXPECT_GT(white, 40) << line;
  }
  EXPECT_EQ(captions, 2);
}

TEST_F(PlotterWindows, VisibleHelpExamplesSetTheirFields) {
  Form1sb->Beispiel11->trigger();
  EXPECT_EQ(Form1sb->FunctionText(), "1/50*exp(abs(x))*sin(Pi/2*x)");
  EXPECT_TRUE(Form1sb->CBAbleitung->isChecked());
  Form1sb->Beispiel31->trigger();
  EXPECT_EQ(Form1sb->FunctionText(), "tan(Pi*x)");
  EXPECT_EQ(Form1sb->ELEx->text(), QStringLiteral("2"));
  EXPECT_EQ(Form1sb->ELEy->text(), QStringLiteral("1/2"));
  Form1sb->BeispielM751->trigger();
  EXPECT_EQ(Form1sb->FunctionText(), "x/(x-6)/(x-8) + 5");
  EXPECT_EQ(Form1sb->Ex000->text(), QStringLiteral("7"));
  EXPECT_EQ(Form1sb->Ey000->text(), QStringLiteral("6"));
  EXPECT_FALSE(Form1sb->CBAlle->isChecked());
  EXPECT_TRUE(PictureShows(kScreenWhite, 10.5L, 10.5L / 4.5L / 2.5L + 5));
}

TEST_F(PlotterWindows, HiddenItemsAreThereButNotShown) {
  for (QAction* hidden : {Form1sb->BeispielmitAbleitung1, Form1sb->Beispiel41,
                          Form1sb->Beispielabschnittweisedefiniert1, Form1sb->Beispielunstetig1,
                          Form1sb->BeispielStreckeneinzeichnen1, Form1sb->BeispielmitParameter1,
                          Form1sb->Nullstellenbestimmung1->menuAction()})
    EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
  EXPECT_EQ(Form1sb->LezterFehler1->text(), QStringLiteral("Lezter Fehler"));
  EXPECT_EQ(Form1sb->BeispielM751->text(), QStringLiteral("Beispiel M( 7|6)"));
  EXPECT_EQ(Form1sb->VonderSekantezurTangente1->title(), QStringLiteral("Von der Sekante zur Tangente"));
}

TEST_F(PlotterWindows, SchrittweiteOfAHalfBecomesZeroAndStillDraws) {
  AnswerNextDialog([](QWidget* dialog) {
    auto* input = static_cast<TFormluinput*>(dialog);
    input->Edit1->setText(QStringLiteral("0,5"));
    // The warning follows as soon as the input is confirmed.
    AnswerNextDialog([](QWidget* hint) { static_cast<TFormluinput*>(hint)->BOkClick(); });
    input->BOkClick();
  });
  Form1sb->Schrittweite1->trigger();
  EXPECT_EQ(ValuesPerCm, 0);
  // One value per centimetre: the line y = x still passes through (2,5|2,5).
  Form1sb->ComboBox1->setEditText(QStringLiteral("x"));
  Enter(Form1sb->ComboBox1->lineEdit());
  EXPECT_TRUE(PictureShows(kScreenWhite, 2.5L, 2.5L));
}

TEST_F(PlotterWindows, HinweiseShowsTheHelpText) {
  QString shown;
  AnswerNextDialog([&shown](QWidget* dialog) {
    auto* hint = static_cast<TFormluinput*>(dialog);
    shown = hint->Memo1->toPlainText();
    hint->BOkClick();
  });
  Form1sb->Hinweise1->trigger();
  EXPECT_TRUE(shown.startsWith(QString::fromUtf8("Bei Klick auf das Schaubild erscheint oder verschwindet das Menü.")));
  EXPECT_TRUE(shown.contains(QStringLiteral("AGM(x)")));
}

TEST_F(PlotterWindows, BeendenRevealsTheAreasAndShowsTheStartWindow) {
  EXPECT_FALSE(FormStart->BLSG->isVisibleTo(FormStart));
  Form1sb->Beenden1->trigger();
  EXPECT_FALSE(Form1sb->isVisible());
  EXPECT_TRUE(FormStart->isVisible());
  for (QPushButton* b : {FormStart->Button3, FormStart->BLSG, FormStart->BCardano, FormStart->BGeometrie,
                         FormStart->B3D, FormStart->Button4})
    EXPECT_TRUE(b->isVisibleTo(FormStart)) << b->text().toStdString();
  EXPECT_FALSE(FormStart->BAlgebra->isVisibleTo(FormStart));
}

TEST_F(PlotterWindows, TheListIsSavedAtProgramEndAndNotShownAgain) {
  Form1sb->BeispielListe1->trigger();
  const std::vector<std::string> list = Form1sb->PlotList();
  DestroyForms();
  std::vector<std::string> saved;
  ASSERT_TRUE(ReadTextLines(SettingsFileName('1'), saved));
  EXPECT_EQ(saved, list);
  CreateForms();
  OpenPlotter();
  EXPECT_EQ(Form1sb->FunctionText(), "1/3*x^3-3*x");
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"1/3*x^3-3*x"}));
}

TEST_F(PlotterWindows, ClickOnTheGraphHidesAndShowsTheInputWindow) {
  ASSERT_TRUE(Form1sb->isVisible());
  Form2sb->Image1Click();
  EXPECT_FALSE(Form1sb->isVisible());
  QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  EXPECT_TRUE(Form1sb->isVisible());
  Form2sb->Image1Click();
  QTest::keyClick(Form2sb, Qt::Key_Escape);
  EXPECT_TRUE(Form1sb->isVisible());
}

TEST_F(PlotterWindows, XShowsItsHintOnlyOnce) {
  Form2sb->BFom2sb_x->click();
  Form2sb->BFom2sb_x->click();
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(Form1sb->pos(), QPoint(0, 0));
  EXPECT_EQ(Form2sb->BFom2sb_x->geometry().topRight(), QPoint(Form2sb->width() - 1, 0));
}

TEST_F(PlotterWindows, RightClickInsertsATextLineOnlyAfterTextEinfuegen) {
  const QPoint centre(Form2sb->width() / 2, Form2sb->height() / 2);
  const std::size_t before = Form1sb->PlotList().size();
  QTest::mouseClick(Form2sb->Image1, Qt::RightButton, Qt::NoModifier, centre);
  EXPECT_EQ(Form1sb->PlotList().size(), before);

  Form1sb->Texteinfgen1->trigger();
  ASSERT_TRUE(TextInsertMode);
  messages.clear();
  QTest::mouseClick(Form2sb->Image1, Qt::RightButton, Qt::ShiftModifier, centre);
  EXPECT_EQ(Form1sb->PlotList().size(), before);
  QTest::mouseClick(Form2sb->Image1, Qt::RightButton, Qt::NoModifier, centre);
  ASSERT_EQ(Form1sb->PlotList().size(), before + 1);
  EXPECT_EQ(Form1sb->PlotList().back(), "Text 0 0 12 |");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("In der Liste erscheint die Zeile:\rText 0 0 12 |\r\r", 0), 0u);
}

TEST_F(PlotterWindows, ThreeDimensionalMenuOnlyOutsideThePlotter) {
  Form2sb->FormActivate();
  EXPECT_EQ(Form2sb->Image1PopupMenu(), nullptr);
  StartMode = 4;
  Form2sb->FormActivate();
  ASSERT_EQ(Form2sb->Image1PopupMenu(), Form2sb->PopupMenu1);
  EXPECT_EQ(Form2sb->PopupMenu1->actions().size(), 13);
  Form2sb->Alphavergroessern->trigger();  // no scene yet: nothing happens

  std::vector<View3DParams> redrawn;
  Form2sb->View3D = View3DParams{30, 1, 1, 1, 0, 0};
  Form2sb->Redraw3D = [&redrawn](const View3DParams& v) { redrawn.push_back(v); };
  Form2sb->Alphavergroessern->trigger();
  Form2sb->Nachlinks1->trigger();
  ASSERT_EQ(redrawn.size(), 2u);
  EXPECT_EQ(redrawn[0].alpha, 35);
  EXPECT_EQ(redrawn[1].shiftHorizontal, -1);
  StartMode = 0;
}

TEST_F(PlotterWindows, ExportPictureIsBlackOnWhite) {
  Form1sb->ComboBox1->setEditText(QStringLiteral("x^2"));
  Form1sb->SchaubildinZwischenablagefrWordetc1->trigger();
  EXPECT_TRUE(PictureShows(0xFF000000, 1.5L, 2.25L));
  EXPECT_TRUE(PictureShows(0xFFFFFFFF, 1.5L, -1.5L));
  EXPECT_FALSE(Form1sb->isVisible());
}

}  // namespace
}  // namespace lumatik
