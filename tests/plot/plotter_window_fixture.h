#pragma once

// The plotter opened as a user opens it: a click on "Schaubild" in the start
// window; the input window then fills the function field and draws. The
// helpers type as a user types: a click into a field, then keys to the
// widget that has the focus. Messages are recorded, not shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

#include "app/forms.h"
#include "expr/lumath.h"
#include "expr/parameters.h"
#include "plot/plotinput.h"
#include "plot/plotrender.h"
#include "plot/plotter_state.h"
#include "plot/windows/unit1sb.h"
#include "plot/windows/unit2sb.h"
#include "shell/messagesink.h"
#include "shell/windows/forms.h"
#include "shell/windows/unitstart.h"
#include "support/window_test_support.h"

namespace lumatik::testing {

class PlotterOpened : public ::testing::Test {
 protected:
  void SetUp() override {
    ParamLine() = " ";
    MathErrorText().clear();
    ResetPlotterState();
    StartMode = 0;
    SetMessageSink([this](const std::string& text) { messages.push_back(text); });
    CreateForms();
    OpenPlotter();
  }
  static void OpenPlotter() {
    FormStart->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FormStart));
    QTest::mouseClick(FormStart->BSchaubild, Qt::LeftButton);
    ASSERT_TRUE(BecomesActive(Form1sb));
    Settle();
  }
  void TearDown() override {
    DestroyForms();
    SetMessageSink(nullptr);
  }
  // Lets what follows a user's action run: paints, caret blinks, the passes
  // a window makes when it is shown.
  static void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }

  static QWidget* Focused() { return testing::Focused(); }
  static bool BecomesActive(QWidget* window) { return testing::BecomesActive(window); }
  static void ClickInto(QWidget* control) {
    testing::ClickInto(control);
    Settle();
  }
  // The text of the field with the caret selected and typed over.
  static void TypeOver(const char* text) {
    ASSERT_NE(Focused(), nullptr);
    QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
    testing::TypeText(Focused(), QString::fromUtf8(text));
    Settle();
  }
  static void TypeInto(QWidget* control, const char* text) {
    ClickInto(control);
    TypeOver(text);
  }
  static void PressEnter(Qt::Key key = Qt::Key_Return) {
    ASSERT_NE(Focused(), nullptr);
    QTest::keyClick(Focused(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    Settle();
  }
  // A new term typed into f(x)= and confirmed with Enter.
  static void DrawTyped(const char* term) {
    TypeInto(Form1sb->ComboBox1->lineEdit(), term);
    PressEnter();
  }

  // Whether the graph's picture has the colour at the user point (x|y) of
  // the scale the fields now show.
  static bool PictureShows(QRgb colour, long double x, long double y) {
    const PlotFrame frame{0, Form2sb->width(), Form2sb->height()};
    const PlotScale scale = ComputePlotScale(Form1sb->PlotFields());
    const int px = CmToPixelX(x / scale.sx + scale.dx, frame);
    const int py = CmToPixelY(y / scale.sy + scale.dy, frame);
    return Form2sb->Image1->picture().pixel(px, py) == colour;
  }
  static int PixelsOfColour(QRgb colour) {
    const QImage& picture = Form2sb->Image1->picture();
    int count = 0;
    for (int y = 0; y < Form2sb->height(); ++y)
      for (int x = 0; x < Form2sb->width(); ++x) count += picture.pixel(x, y) == colour;
    return count;
  }

  std::vector<std::string> messages;
};

constexpr QRgb kScreenWhite = 0xFFFFFFFF;
constexpr QRgb kScreenRed = 0xFFFF0000;

}  // namespace lumatik::testing
