// The geometry worksheet as a pupil meets it: the "Geometrie" area of the
// start window, an example from the menu, own values typed into the memo,
// the same menu item again for the worked solution.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <cstdio>

#include "shell/codepage.h"
#include "shell/forms.h"
#include "shell/messagesink.h"
#include "shell/settingsfiles.h"
#include "shell/unitstart.h"
#include "support/window_test_support.h"
#include "worksheet/unitlsg.h"

namespace lumatik {
namespace {

class GeometryWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::remove(SettingsFileName('g').c_str());
    SetMessageSink([](const std::string&) {});
    CreateForms();
    FormStart->show();
    FormStart->RevealAreaButtons();
    FormStart->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FormStart));
    QTest::mouseClick(FormStart->BGeometrie, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(FormLSG));
  }
  void TearDown() override {
    DestroyForms();
    SetMessageSink(nullptr);
  }
  void Click(const char* caption) { FormLSG->MenuItem(WorksheetMenu::Geometrie, Cp1252(caption))->trigger(); }
  QString Memo() const { return FormLSG->Memo1->toPlainText(); }
};

TEST_F(GeometryWindowTest, ExampleThenOwnValuesGiveTheWorkedTriangle) {
  Click("Dreieck");
  EXPECT_TRUE(Memo().startsWith("Dreieck A(6|4|4) B(2|6|5) C(3|4|1)\n")) << Memo().toStdString();
  // The pupil replaces the example by a triangle of their own.
  FormLSG->MenuAction(WorksheetMenu::AllesLoeschen)->trigger();
  QTest::mouseClick(FormLSG->Memo1->viewport(), Qt::LeftButton);
  QTest::keyClicks(QApplication::focusWidget(), "Dreieck A(0|0|0) B(4|0|0) C(0|3|0)");
  Click("Dreieck");
  EXPECT_TRUE(Memo().contains(QString::fromUtf8("\nalpha=90°\n"))) << Memo().toStdString();
  EXPECT_TRUE(Memo().contains("\nUmkreis U(2|1'1/2|0) r=2'1/2\n"));
  EXPECT_TRUE(Memo().endsWith(QString::fromUtf8("\nDreiecksfläche=6")));
}

TEST_F(GeometryWindowTest, AWrongFirstLineOnlyShowsTheHint) {
  QTest::mouseClick(FormLSG->Memo1->viewport(), Qt::LeftButton);
  QTest::keyClicks(QApplication::focusWidget(), "Punkt A(1|2|3)");
  QString hint;
  testing::AnswerNextHint(hint);
  Click("Kugel durch ABCD");
  EXPECT_TRUE(hint.startsWith(QString::fromUtf8("In die erste Zeile muss \"Kugel durch ...\" stehen!"))) << hint.toStdString();
  EXPECT_EQ(Memo(), "Punkt A(1|2|3)");
}

}  // namespace
}  // namespace lumatik
