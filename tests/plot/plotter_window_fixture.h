#pragma once

// The plotter opened as a user opens it: a click on "Schaubild" in the start
// window; the input window then fills the function field and draws.

#include <QComboBox>
#include <QLineEdit>

#include "plot/plotrender.h"
#include "plot/windows/function_input_window.h"
#include "plot/windows/graph_window.h"
#include "support/window_test_support.h"

namespace lumatik::testing {

class PlotterOpened : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    OpenPlotter();
  }
  static void OpenPlotter() {
    startWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(startWindow));
    QTest::mouseClick(startWindow->BSchaubild, Qt::LeftButton);
    ASSERT_TRUE(BecomesActive(functionInputWindow));
    Settle();
  }
  static void TypeInto(QWidget* control, const char* text) { testing::TypeInto(control, QString::fromUtf8(text)); }
  static void PressEnter(Qt::Key key = Qt::Key_Return) {
    ASSERT_NE(Focused(), nullptr);
    QTest::keyClick(Focused(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    Settle();
  }
  // A new term typed into f(x)= and confirmed with Enter.
  static void DrawTyped(const char* term) {
    TypeInto(functionInputWindow->ComboBox1->lineEdit(), term);
    PressEnter();
  }
  // Whether the graph's picture has the colour at the user point (x|y) of
  // the scale the fields now show.
  static bool PictureShows(QRgb colour, long double x, long double y) {
    const PlotFrame frame{0, graphWindow->width(), graphWindow->height()};
    const PlotScale scale = ComputePlotScale(functionInputWindow->PlotFields());
    const int px = CmToPixelX(x / scale.sx + scale.dx, frame);
    const int py = CmToPixelY(y / scale.sy + scale.dy, frame);
    return graphWindow->Image1->picture().pixel(px, py) == colour;
  }
};

constexpr QRgb kScreenWhite = 0xFFFFFFFF;
constexpr QRgb kScreenRed = 0xFFFF0000;

}  // namespace lumatik::testing
