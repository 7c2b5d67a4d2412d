// The screenshot tool's four windows, driven as a user drives them. The
// offscreen platform has no window frames, so a window's outer rectangle is
// its inner one, and its screen is the offscreen platform's own picture.

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTemporaryDir>

#include "screenshot/windows/capture_window.h"
#include "screenshot/windows/top_left_marker.h"
#include "screenshot/windows/bottom_right_marker.h"
#include "screenshot/windows/preview_window.h"
#include "quartered_picture.h"
#include "shell/codepage.h"
#include "support/window_test_support.h"

namespace lumatik::testing {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

class ScreenshotTool : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    ASSERT_TRUE(folder.isValid());
    captureWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(captureWindow));
  }
  QString Path(const char* name) const { return folder.filePath(QLatin1String(name)); }
  static void Click(QWidget* button) {
    ActivateOnClick(button->window());
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
  }
  // The markers dragged where the test wants them, then "Vorschau".
  static void CaptureBetween(QPoint upperLeft, QRect lowerRight) {
    topLeftMarker->move(upperLeft);
    bottomRightMarker->setGeometry(lowerRight);
    Click(captureWindow->Bvorschau);
  }

  QTemporaryDir folder;
};

TEST_F(ScreenshotTool, MarkierungenThenVorschauShowsThePreviewAndFillsTheClipboard) {
  Click(captureWindow->Button2);
  const QRect capture = captureWindow->frameGeometry();
  EXPECT_EQ(topLeftMarker->pos(), capture.topLeft() - QPoint(100, 100));
  EXPECT_EQ(bottomRightMarker->pos(), capture.topLeft() + QPoint(200, 100));
  EXPECT_TRUE(topLeftMarker->isVisible());
  CaptureBetween({30, 40}, {300, 200, 112, 27});
  EXPECT_FALSE(captureWindow->isVisible());
  ASSERT_TRUE(previewWindow->isVisible());
  // From the upper left marker's corner to the lower right one's (382x187
  // without window frames).
  const QSize size = QGuiApplication::clipboard()->image().size();
  EXPECT_NEAR(size.width(), 382, 2);
  EXPECT_NEAR(size.height(), 187, 2);
  // The title the help of "?" names, and the size.
  EXPECT_EQ(previewWindow->windowTitle(), QStringLiteral("Vorschau %1x%2").arg(size.width()).arg(size.height()));
  EXPECT_EQ(previewWindow->Image1->size(), size);
  captureWindow->show();
  CaptureBetween({500, 400}, {100, 100, 112, 27});  // an empty rectangle
  EXPECT_NE(std::find(messages.begin(), messages.end(), "Fehler"), messages.end());
  ChooseMenu(previewWindow, {U("Datei"), U("Bild in die Zwischenablage und beenden")});
  EXPECT_FALSE(previewWindow->isVisible());  // the tool has ended, its preview too
  EXPECT_FALSE(captureWindow->isVisible());
}

TEST_F(ScreenshotTool, SavedBmpAndJpegFilesHoldThePicture) {
  const QImage original = QuarteredPicture({400, 300});
  previewWindow->SetPicture(original);  // as a capture leaves it
  previewWindow->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(previewWindow));
  AnswerNextFileDialog(Path("bild"));
  ChooseMenu(previewWindow, {U("Datei"), U("Speichern als BMP-Datei")});
  const QImage back(Path("bild.bmp"), "BMP");  // the default extension was added
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), original);
  AnswerNextFileDialog(Path("hundert"));
  ChooseMenu(previewWindow, {U("Datei"), U("Speichern als JPG-Datei (100%)")});
  EXPECT_TRUE(messages.empty());
  const QImage hundred(Path("hundert.jpg"), "JPG");
  EXPECT_EQ(hundred.size(), QSize(400, 300));
  EXPECT_LT(std::abs(QColor(hundred.pixel(300, 250)).blue() - 255), 4);
  AnswerNextFileDialog(QString());
  ChooseMenu(previewWindow, {U("Datei"), U("Speichern als BMP-Datei")});
  EXPECT_EQ(messages, std::vector<std::string>{"Nicht gespeichert"});
}

}  // namespace
}  // namespace lumatik::testing
