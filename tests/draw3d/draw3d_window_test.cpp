// The 3-D scene as a user draws it: "Beispiele" and "Zeichne" in the
// worksheet, and the way back from the graph window.

#include <QImage>
#include <QTextBlock>

#include "draw3d/scene_commands.h"
#include "draw3d/scene_view.h"
#include "plot/paint/plot_picture.h"
#include "plot/windows/graph_window.h"
#include "shell/codepage.h"
#include "shell/windows/hint_input_dialog.h"
#include "support/window_test_support.h"
#include "worksheet/windows/worksheet_window.h"

namespace lumatik {
namespace {

using testing::AnswerNextDialog;
using testing::BecomesActive;
using testing::Focused;

class Draw3dWindowTest : public testing::FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    startWindow->show();
    startWindow->RevealAreaButtons();
  }

  void Open(QPushButton* StartWindow::*button) {
    startWindow->activateWindow();
    ASSERT_TRUE(BecomesActive(startWindow));
    QTest::mouseClick(startWindow->*button, Qt::LeftButton);
    ASSERT_TRUE(BecomesActive(worksheetWindow));
  }
  QStringList Memo() const { return worksheetWindow->Memo1->toPlainText().split('\n'); }

};

TEST_F(Draw3dWindowTest, CtrlZOnAnEmptySheetOffersExamplesAndDrawsThePickedLine) {
  Open(&StartWindow::B3D);
  QString caption, offered;
  AnswerNextDialog([&](QWidget* modal) {
    auto* dialog = qobject_cast<HintInputDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    caption = dialog->windowTitle();
    offered = dialog->Edit1->text();
    // The ninth line of the list is the sphere: a click picks it, Enter takes it.
    ASSERT_TRUE(BecomesActive(dialog));
    const QTextBlock sphere = dialog->Memo1->document()->findBlockByNumber(8);
    const QPoint at = dialog->Memo1->cursorRect(QTextCursor(sphere)).center() + QPoint(20, 0);
    QTest::mouseClick(dialog->Memo1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::keyClick(Focused(), Qt::Key_Return);
  });
  QTest::keyClick(Focused(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(caption, "Punkt, Gerade, ...");
  EXPECT_EQ(offered, "KREIS M(6|5.5|6) r=2 n=(0 1 1)");
  EXPECT_EQ(Memo(), QStringList{"KUGEL M(2|9|2) r=2"});
  ASSERT_TRUE(BecomesActive(graphWindow));
  // The graph window shows what the scene core draws on a picture of its size.
  const SceneTarget target{graphWindow->width(), graphWindow->height()};
  QImage expected = NewPlotPicture(QSize(target.width, target.height), Qt::black);
  CanvasState state;
  PaintPlot(expected, state, [&](Canvas& canvas) {
    Draw3DScene({"KUGEL M(2|9|2) r=2"}, FirstDrawingView(), canvas, target, ScreenColours());
  });
  const QImage shown = graphWindow->Image1->picture().copy(0, 0, target.width, target.height);
  EXPECT_TRUE(shown == expected.convertToFormat(shown.format()));
}

TEST_F(Draw3dWindowTest, EscAndAClickOnTheGraphLeadBackToTheWorksheet) {
  Open(&StartWindow::B3D);
  testing::ClickInto(worksheetWindow->Memo1);
  QTest::keyClicks(Focused(), QStringLiteral("Punkt P(1|2|3)"));
  QTest::keyClick(Focused(), Qt::Key_Return);
  QTest::keyClick(Focused(), Qt::Key_Z, Qt::ControlModifier);
  ASSERT_TRUE(BecomesActive(graphWindow));
  QTest::keyClick(QApplication::activeWindow(), Qt::Key_Escape);
  // The worksheet comes back (the Esc did not reach it and close it).
  ASSERT_TRUE(BecomesActive(worksheetWindow));
  QTest::keyClick(Focused(), Qt::Key_Z, Qt::ControlModifier);
  ASSERT_TRUE(BecomesActive(graphWindow));
  QTest::mouseClick(graphWindow->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
  EXPECT_TRUE(BecomesActive(worksheetWindow));
}

}  // namespace
}  // namespace lumatik
