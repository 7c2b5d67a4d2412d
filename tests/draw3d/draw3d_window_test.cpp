// The 3-D scene as a user draws it: "Beispiele" and "Zeichne" in the
// worksheet, the picture in the graph window, the popup menu's view
// changes, and the way back to the worksheet.

#include <QImage>
#include <QTextBlock>

#include <optional>

#include "draw3d/scene_commands.h"
#include "draw3d/scene_view.h"
#include "plot/paint/plot_picture.h"
#include "plot/windows/unit2sb.h"
#include "shell/codepage.h"
#include "shell/windows/luinput.h"
#include "support/window_test_support.h"
#include "worksheet/windows/unitlsg.h"

namespace lumatik {
namespace {

using testing::AnswerNextDialog;
using testing::AnswerNextHint;
using testing::BecomesActive;
using testing::Focused;

class Draw3dWindowTest : public testing::FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    FormStart->show();
    FormStart->RevealAreaButtons();
  }

  void Open(QPushButton* TFormStart::*button) {
    FormStart->activateWindow();
    ASSERT_TRUE(BecomesActive(FormStart));
    QTest::mouseClick(FormStart->*button, Qt::LeftButton);
    ASSERT_TRUE(BecomesActive(FormLSG));
  }
  void Type(const char* lines) {
    testing::ClickInto(FormLSG->Memo1);
    for (const QString& line : QString::fromUtf8(lines).split('\n')) {
      QTest::keyClicks(Focused(), line);
      QTest::keyClick(Focused(), Qt::Key_Return);
    }
  }
  QAction* Item(WorksheetMenu menu, const char* caption) { return FormLSG->MenuItem(menu, Cp1252(caption)); }
  QStringList Memo() const { return FormLSG->Memo1->toPlainText().split('\n'); }

  // The graph window shows what the scene core draws for these lines with
  // this view on a picture of the window's size.
  void ExpectPictureOf(const std::vector<std::string>& lines, const View3DParams& view) {
    const SceneTarget target{Form2sb->width(), Form2sb->height()};
    QImage expected = NewPlotPicture(QSize(target.width, target.height), Qt::black);
    CanvasState state;
    PaintPlot(expected, state, [&](Canvas& canvas) { Draw3DScene(lines, view, canvas, target, ScreenColours()); });
    const QImage shown = Form2sb->Image1->picture().copy(0, 0, target.width, target.height);
    EXPECT_TRUE(shown == expected.convertToFormat(shown.format()));
  }
};

TEST_F(Draw3dWindowTest, CtrlZOnAnEmptySheetOffersExamplesAndDrawsThePickedLine) {
  Open(&TFormStart::B3D);
  QString caption, offered;
  AnswerNextDialog([&](QWidget* modal) {
    auto* dialog = qobject_cast<TFormluinput*>(modal);
    ASSERT_NE(dialog, nullptr);
    caption = dialog->windowTitle();
    offered = dialog->Edit1->text();
    // The ninth line of the list is the sphere: a click picks it.
    const QTextBlock sphere = dialog->Memo1->document()->findBlockByNumber(8);
    const QPoint at = dialog->Memo1->cursorRect(QTextCursor(sphere)).center() + QPoint(20, 0);
    QTest::mouseClick(dialog->Memo1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseClick(dialog->BOk, Qt::LeftButton);
  });
  QTest::keyClick(Focused(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(caption, "Punkt, Gerade, ...");
  EXPECT_EQ(offered, "KREIS M(6|5.5|6) r=2 n=(0 1 1)");
  EXPECT_EQ(Memo(), QStringList{"KUGEL M(2|9|2) r=2"});
  ASSERT_TRUE(BecomesActive(Form2sb));
  ExpectPictureOf({"KUGEL M(2|9|2) r=2"}, FirstDrawingView());
}

TEST_F(Draw3dWindowTest, GeometryZeichneWritesComputedPointsAndNamesWhatItCannotDraw) {
  Open(&TFormStart::BGeometrie);
  Type("Parallelogramm A(5|7|7) B(5|10|7) C(4|8|5)\nDreieck A(1|2|3) B(4|5|6)");
  QString hint;
  AnswerNextHint(hint);
  Item(WorksheetMenu::Geometrie, "Zeichne")->trigger();
  EXPECT_TRUE(hint.startsWith(QString::fromUtf8("Nicht alles ließ sich zeichnen:\nZeile 2 ("))) << hint.toStdString();
  EXPECT_TRUE(hint.contains("es fehlen Zahlen (6 statt 9)")) << hint.toStdString();
  EXPECT_EQ(Memo(), (QStringList{"Parallelogramm A(5|7|7) B(5|10|7) C(4|8|5) D(4|5|5)",
                                 "Dreieck A(1|2|3) B(4|5|6)", ""}));
  // The caret stays on the open last line, where the user goes on typing.
  EXPECT_EQ(FormLSG->Memo1->textCursor().blockNumber(), 2);
  EXPECT_TRUE(Form2sb->isVisible());
}

TEST_F(Draw3dWindowTest, PopupMenuTurnsTheSceneAndStandardUnitsResetIt) {
  Open(&TFormStart::B3D);
  Type("DREIECK A(1|0|1) B(11|7|5) C(2|3|2)");
  Item(WorksheetMenu::Zeichnen3D, "Zeichne")->trigger();
  ASSERT_TRUE(BecomesActive(Form2sb));
  // Through the window system, which turns the right click into the request for the menu.
  QTest::mouseClick(Form2sb->windowHandle(), Qt::RightButton, Qt::NoModifier, QPoint(300, 300));
  QMenu* menu = Form2sb->PopupMenu1;
  ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
  QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(Form2sb->Alphavergroessern).center());
  const std::vector<std::string> lines{"DREIECK A(1|0|1) B(11|7|5) C(2|3|2)"};
  View3DParams turned = FirstDrawingView();
  turned.alpha = 140;
  EXPECT_EQ(Form2sb->View3D->alpha, 140);
  ExpectPictureOf(lines, turned);

  Item(WorksheetMenu::Zeichnen3D, "Zeichne mit Standardeinheiten")->trigger();
  EXPECT_EQ(Form2sb->View3D->alpha, 135);
  EXPECT_EQ(Form2sb->View3D->shiftHorizontal, 1);
  ExpectPictureOf(lines, StandardUnitsView());
}

TEST_F(Draw3dWindowTest, EscAndAClickOnTheGraphLeadBackToTheWorksheet) {
  Open(&TFormStart::B3D);
  Type("Punkt P(1|2|3)");
  QTest::keyClick(Focused(), Qt::Key_Z, Qt::ControlModifier);
  ASSERT_TRUE(BecomesActive(Form2sb));
  QTest::keyClick(QApplication::activeWindow(), Qt::Key_Escape);
  // The worksheet comes back (the Esc did not reach it and close it).
  ASSERT_TRUE(BecomesActive(FormLSG));
  QTest::keyClick(Focused(), Qt::Key_Z, Qt::ControlModifier);
  ASSERT_TRUE(BecomesActive(Form2sb));
  QTest::mouseClick(Form2sb->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
  EXPECT_TRUE(BecomesActive(FormLSG));
}

}  // namespace
}  // namespace lumatik
