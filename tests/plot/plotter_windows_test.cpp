// The function input window and the graph window, driven as a user drives
// them: clicks into fields, keys to the focused widget, menu items, clicks
// on the picture.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/forms.h"
#include "expr/lumath.h"
#include "plot/plotinput.h"
#include "plot/plotrender.h"
#include "plot/plotter_state.h"
#include "plot/windows/unit1sb.h"
#include "plot/windows/unit2sb.h"
#include "plot/windows/unit3sb.h"
#include "shell/codepage.h"
#include "shell/luhilf.h"
#include "shell/messagesink.h"
#include "shell/settingsfiles.h"
#include "shell/windows/forms.h"
#include "shell/windows/luinput.h"
#include "shell/windows/qtext.h"
#include "shell/windows/unitstart.h"
#include "shell/windows/window_front.h"
#include "support/window_test_support.h"
#include "plotter_window_fixture.h"

namespace lumatik {
namespace {

using testing::AnswerNextDialog;
using testing::kScreenRed;
using testing::kScreenWhite;

class PlotterWindows : public testing::PlotterOpened {};

TEST_F(PlotterWindows, OpeningThePlotterDrawsTheDefaultFunctionWithTheCaretInIt) {
  EXPECT_EQ(Form1sb->FunctionText(), "1/3*x^3-3*x");
  EXPECT_TRUE(Form2sb->isVisible());
  EXPECT_TRUE(Form1sb->isActiveWindow());
  EXPECT_TRUE(Form1sb->ComboBox1->hasFocus());
  // 1/3*1,5^3 - 3*1,5 = -3,375
  EXPECT_TRUE(PictureShows(kScreenWhite, 1.5L, -3.375L));
}

TEST_F(PlotterWindows, LExTypedAndEnterRedrawsAtTheNewScale) {
  TypeInto(Form1sb->ELEx, "2");
  EXPECT_EQ(Focused(), Form1sb->ELEx);
  PressEnter();
  EXPECT_EQ(Form1sb->ELEx->text(), QStringLiteral("2"));
  EXPECT_EQ(Form1sb->ELEy->text(), QStringLiteral("2"));
  EXPECT_EQ(Form1sb->FunctionText(), "1/3*x^3-3*x");
  // One unit is 2 cm now: the curve passes 2 cm right of the axis at
  // f(1) = -8/3, and nothing is left of it at 1,5 cm.
  EXPECT_TRUE(PictureShows(kScreenWhite, 1, -8.0L / 3));
  const PlotFrame frame{0, Form2sb->width(), Form2sb->height()};
  EXPECT_NE(Form2sb->Image1->picture().pixel(CmToPixelX(1.5L, frame), CmToPixelY(-3.375L, frame)), kScreenWhite);
}

TEST_F(PlotterWindows, ATermTypedIntoTheFunctionFieldIsDrawnAfterEnter) {
  DrawTyped("x^2-2");
  EXPECT_EQ(Form1sb->FunctionText(), "x^2-2");
  EXPECT_TRUE(PictureShows(kScreenWhite, 1.5L, 0.25L));
  EXPECT_TRUE(PictureShows(kScreenWhite, -1.5L, 0.25L));
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"x^2-2", "1/3*x^3-3*x"}));
  EXPECT_TRUE(Form1sb->isVisible());
  EXPECT_TRUE(Form1sb->ComboBox1->hasFocus());

  // The Enter of the number block draws as well.
  TypeInto(Form1sb->ComboBox1->lineEdit(), "x/2");
  PressEnter(Qt::Key_Enter);
  EXPECT_TRUE(PictureShows(kScreenWhite, 2.5L, 1.25L));
}

TEST_F(PlotterWindows, AClearedFunctionFieldStaysEmptyWhileTheUserTypes) {
  ClickInto(Form1sb->ComboBox1->lineEdit());
  QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(Focused(), Qt::Key_Backspace);
  // Long enough for the caret to blink.
  QTest::qWait(700);
  EXPECT_EQ(Form1sb->ComboBox1->currentText(), QString());
  QTest::keyClicks(Focused(), QStringLiteral("x^3"));
  QTest::qWait(700);
  EXPECT_EQ(Form1sb->ComboBox1->currentText(), QStringLiteral("x^3"));
  PressEnter();
  EXPECT_TRUE(PictureShows(kScreenWhite, 1.5L, 3.375L));
}

TEST_F(PlotterWindows, EveryFieldTakesWhatIsTyped) {
  for (QLineEdit* field : {Form1sb->ELEx, Form1sb->ELEy, Form1sb->Ex000, Form1sb->Ey000, Form1sb->Ex0, Form1sb->Ex}) {
    TypeInto(field, "3/4");
    QTest::qWait(600);
    EXPECT_EQ(field->text(), QStringLiteral("3/4")) << field->objectName().toStdString();
    EXPECT_EQ(Focused(), field) << field->objectName().toStdString();
  }
}

TEST_F(PlotterWindows, TheDerivativeExampleShowsItsRedDerivative) {
  Form1sb->Beispiel11->trigger();
  QTest::qWait(300);
  Settle();
  EXPECT_TRUE(Form1sb->CBAbleitung->isChecked());
  EXPECT_EQ(Form1sb->FunctionText(), "1/50*exp(abs(x))*sin(Pi/2*x)");
  EXPECT_EQ(Form1sb->ELEx->text(), QStringLiteral("1/2"));
  EXPECT_EQ(Form1sb->ELEy->text(), QStringLiteral("2"));
  EXPECT_GT(PixelsOfColour(kScreenRed), 200);

  // The same for the tangent: its derivative is drawn too.
  Form1sb->Beispiel31->trigger();
  Settle();
  EXPECT_TRUE(Form1sb->CBAbleitung->isChecked());
  EXPECT_GT(PixelsOfColour(kScreenRed), 200);
}

TEST_F(PlotterWindows, EnterInLExWithPiDoesNothing) {
  MathErrorText() = "unchanged";  // every redraw clears it first
  TypeInto(Form1sb->ELEx, "Pi");
  PressEnter();
  EXPECT_EQ(Form1sb->ELEy->text(), QStringLiteral("1"));
  EXPECT_EQ(MathErrorText(), "unchanged");
}

TEST_F(PlotterWindows, ATermInLEyWaitsForTheEnterOfAnotherField) {
  TypeInto(Form1sb->ELEy, "2*Pi");
  MathErrorText() = "unchanged";
  PressEnter();
  EXPECT_EQ(MathErrorText(), "unchanged");
  ClickInto(Form1sb->Ey000);
  PressEnter();
  EXPECT_EQ(MathErrorText(), "");
  // With LEy = 2 Pi the top of sin(x)/(2*Pi) lies 1 cm above the axis.
  DrawTyped("sin(x)/(2*Pi)");
  EXPECT_TRUE(PictureShows(kScreenWhite, 3.14159265358979323846L / 2, 1 / (2 * 3.14159265358979323846L)));
}

TEST_F(PlotterWindows, ACentreTypedIntoMIsDrawnAfterEnter) {
  DrawTyped("x");
  TypeInto(Form1sb->Ex000, "5");
  PressEnter(Qt::Key_Enter);
  // M(5|0) lies in the middle of the frame now: the line left it.
  const PlotFrame frame{0, Form2sb->width(), Form2sb->height()};
  EXPECT_NE(Form2sb->Image1->picture().pixel(CmToPixelX(0.5L, frame), CmToPixelY(0.5L, frame)), kScreenWhite);
  EXPECT_TRUE(PictureShows(kScreenWhite, 5.5L, 5.5L));
}

TEST_F(PlotterWindows, LastErrorReportsWhatTheLastDrawingMet) {
  DrawTyped("x^2");
  Form1sb->LezterFehler1->trigger();
  EXPECT_EQ(messages, (std::vector<std::string>{"Es ist kein Fehler aufgetreten"}));
  DrawTyped("1/x");
  messages.clear();
  Form1sb->LezterFehler1->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], Cp1252("Ungültige Funktionswerte werden nicht gezeichnet (zum Beispiel f(0) für f(x)=1/x).\r"
                                "Beim Schaubild berechnen wurde gemeldet:Div. durch Null"));
}

TEST_F(PlotterWindows, TheMenuItemSchaubildLeavesTheGraphAlone) {
  Form1sb->Schaubild1->trigger();
  EXPECT_TRUE(Form2sb->isVisible());
  EXPECT_FALSE(Form1sb->isVisible());
  QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_TRUE(Form1sb->isVisible());
  EXPECT_TRUE(BecomesActive(Form1sb));
  // The graph alone has the keys: Esc brings the input window back.
  Form1sb->Schaubild1->trigger();
  ASSERT_TRUE(BecomesActive(Form2sb));
  QTest::keyClick(QApplication::activeWindow(), Qt::Key_Escape);
  EXPECT_TRUE(Form1sb->isVisible());
}

TEST_F(PlotterWindows, ArrowDownInTheFunctionFieldDrawsTheNextLineOfTheList) {
  DrawTyped("x^2");
  ASSERT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"x^2", "1/3*x^3-3*x"}));
  ClickInto(Form1sb->ComboBox1->lineEdit());
  QTest::keyClick(Focused(), Qt::Key_Down);
  Settle();
  EXPECT_EQ(Form1sb->FunctionText(), "1/3*x^3-3*x");
  EXPECT_TRUE(PictureShows(kScreenWhite, 1.5L, -3.375L));
}

TEST_F(PlotterWindows, ExampleListFillsTheListInOrderAndOpensIt) {
  Form1sb->BeispielListe1->trigger();
  const std::vector<std::string> expected{
      "x", "x^2", "x^3", "x^4", "x^5", "1/x", "1/x^2", "Text -15 2,5  12 |Die Funktionen  x - > x, x^2, x^3, x^4, x^5",
      "Text -15 2,25 12 |sowie  x - > 1/x, 1/x^2"};
  EXPECT_EQ(MemoLines(Form3sb->Memo1), expected);
  EXPECT_TRUE(Form3sb->isVisible());
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

TEST_F(PlotterWindows, TheMExampleMovesTheCentre) {
  Form1sb->BeispielM751->trigger();
  Settle();
  EXPECT_EQ(Form1sb->Ex000->text(), QStringLiteral("7"));
  EXPECT_EQ(Form1sb->Ey000->text(), QStringLiteral("6"));
  EXPECT_TRUE(PictureShows(kScreenWhite, 10.5L, 10.5L / 4.5L / 2.5L + 5));
}

// Until the curve discussion is built its items say nothing: they are off.
TEST_F(PlotterWindows, HiddenItemsStayHiddenAndTheDiscussionItemsAreOff) {
  for (QAction* hidden : {Form1sb->BeispielmitAbleitung1, Form1sb->Beispiel41,
                          Form1sb->Beispielabschnittweisedefiniert1, Form1sb->Beispielunstetig1,
                          Form1sb->BeispielStreckeneinzeichnen1, Form1sb->BeispielmitParameter1,
                          Form1sb->Nullstellenbestimmung1->menuAction()})
    EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
  for (QAction* item : Form1sb->Nullstellenbestimmung1->actions())
    EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
}

TEST_F(PlotterWindows, SchrittweiteOfAHalfBecomesZeroAndStillDraws) {
  AnswerNextDialog([](QWidget* dialog) {
    EXPECT_TRUE(BecomesActive(dialog));
    EXPECT_EQ(QApplication::focusWidget(), static_cast<TFormluinput*>(dialog)->Edit1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0,5"));
    // The warning follows as soon as the input is confirmed.
    AnswerNextDialog([](QWidget* hint) { QTest::mouseClick(static_cast<TFormluinput*>(hint)->BOk, Qt::LeftButton); });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  Form1sb->Schrittweite1->trigger();
  EXPECT_EQ(Plotter().ValuesPerCm, 0);
  // One value per centimetre: the line y = x still passes through (2,5|2,5).
  DrawTyped("x");
  EXPECT_TRUE(PictureShows(kScreenWhite, 2.5L, 2.5L));
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

TEST_F(PlotterWindows, ClicksOnTheGraphHideAndShowTheInputWindow) {
  QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  EXPECT_FALSE(Form1sb->isVisible());
  QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  EXPECT_TRUE(Form1sb->isVisible());
  EXPECT_TRUE(BecomesActive(Form1sb));
  QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  QTest::keyClick(Form2sb, Qt::Key_Escape);
  EXPECT_TRUE(Form1sb->isVisible());
}

TEST_F(PlotterWindows, XBringsTheInputWindowBackAndItsHintAboveIt) {
  UseMessageBoxesForMessages();
  QWidget* boxParent = nullptr;
  bool onTop = false;
  AnswerNextDialog([&](QWidget* box) {
    boxParent = box->parentWidget();
    onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    QTest::keyClick(box, Qt::Key_Return);
  });
  QTest::mouseClick(Form2sb->BFom2sb_x, Qt::LeftButton);
  EXPECT_EQ(boxParent, Form1sb);
  EXPECT_TRUE(onTop);
  EXPECT_EQ(Form1sb->pos(), QPoint(0, 0));
  EXPECT_TRUE(BecomesActive(Form1sb));
  // The hint comes once in a run.
  SetMessageSink([this](const std::string& text) { messages.push_back(text); });
  QTest::mouseClick(Form2sb->BFom2sb_x, Qt::LeftButton);
  EXPECT_TRUE(messages.empty());
}

TEST_F(PlotterWindows, ListeOpensTheListWindowInFrontOfTheGraph) {
  Form1sb->Listebearbeiten1->trigger();
  ASSERT_TRUE(BecomesActive(Form3sb));
  EXPECT_EQ(Focused(), Form3sb->Memo1);
  EXPECT_EQ(MemoLines(Form3sb->Memo1), (std::vector<std::string>{"1/3*x^3-3*x"}));
}

TEST_F(PlotterWindows, ARightClickAfterTextEinfuegenLetsTheUserTypeTheText) {
  const QPoint centre(Form2sb->width() / 2, Form2sb->height() / 2);
  QTest::mouseClick(Form2sb->Image1, Qt::RightButton, Qt::NoModifier, centre);
  EXPECT_EQ(Form1sb->PlotList().size(), 1u);

  Form1sb->Texteinfgen1->trigger();
  QTest::mouseClick(Form2sb->Image1, Qt::RightButton, Qt::ShiftModifier, centre);
  EXPECT_EQ(Form1sb->PlotList().size(), 1u);
  messages.clear();
  QTest::mouseClick(Form2sb->Image1, Qt::RightButton, Qt::NoModifier, centre);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("In der Liste erscheint die Zeile:\rText 0 0 12 |\r\r", 0), 0u);

  ASSERT_TRUE(BecomesActive(Form3sb));
  QTest::keyClicks(Focused(), QStringLiteral("Mitte"));
  QTest::mouseClick(Form3sb->BOk, Qt::LeftButton);
  EXPECT_EQ(Form1sb->PlotList(), (std::vector<std::string>{"1/3*x^3-3*x", "Text 0 0 12 |Mitte"}));
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
  TypeInto(Form1sb->ComboBox1->lineEdit(), "x^2");
  Form1sb->SchaubildinZwischenablagefrWordetc1->trigger();
  EXPECT_TRUE(PictureShows(0xFF000000, 1.5L, 2.25L));
  EXPECT_TRUE(PictureShows(0xFFFFFFFF, 1.5L, -1.5L));
  EXPECT_FALSE(Form1sb->isVisible());
}

// The captions the program writes fit their labels, and a long number
// shows its beginning.
TEST_F(PlotterWindows, TheSlopeCaptionFitsAndLongNumbersShowTheirStart) {
  Form1sb->Beispiel02x2bei151->trigger();
  Form1sb->ZeichneTangente1->trigger();
  Settle();
  EXPECT_EQ(Form1sb->Lm->text(), QStringLiteral("Tangentensteigung"));
  EXPECT_GE(Form1sb->Lm->width(), Form1sb->Lm->fontMetrics().horizontalAdvance(Form1sb->Lm->text()));
  EXPECT_LE(Form1sb->Lm->geometry().right(), Form1sb->Em->geometry().left());

  TypeInto(Form1sb->Ex, "2");
  Form1sb->ZeichneSekantemit12dx1->trigger();
  Form1sb->ZeichneSekantemit12dx1->trigger();
  Form1sb->Lupe1->trigger();
  Settle();
  for (QLineEdit* field : {Form1sb->Ex, Form1sb->ELEx, Form1sb->ELEy, Form1sb->Ex000, Form1sb->Ey000, Form1sb->Em})
    EXPECT_EQ(field->cursorPosition(), 0) << field->objectName().toStdString();
}

}  // namespace
}  // namespace lumatik
