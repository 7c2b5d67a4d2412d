// The screenshot tool's four windows, driven as a user drives them. The
// offscreen platform has no window frames, so a window's outer rectangle is
// its inner one, and its screen is the offscreen platform's own picture.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

#include "screenshot/windows/unit_ba1.h"
#include "screenshot/windows/unit_ba2.h"
#include "screenshot/windows/unit_ba3.h"
#include "screenshot/windows/unit_ba4.h"
#include "shell/codepage.h"
#include "support/window_test_support.h"

namespace lumatik::testing {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// A picture whose four quarters differ, so that scaling and saving can be
// checked on its colours.
QImage QuarteredPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2;
      const bool lower = y >= height / 2;
      picture.setPixel(x, y, right ? (lower ? 0x0000ff : 0x00ff00) : (lower ? 0xffff00 : 0xff0000));
    }
  }
  return picture;
}

// Types the percentage into the next input box, or cancels it for an empty text.
void AnswerNextInputBox(const QString& typed, QString* label = nullptr, QString* preset = nullptr) {
  AnswerNextDialog([typed, label, preset](QWidget* modal) {
    auto* box = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(box, nullptr);
    if (label) *label = box->windowTitle() + QLatin1Char('|') + box->labelText();
    if (preset) *preset = box->textValue();
    if (typed.isEmpty()) {
      box->reject();
      return;
    }
    box->setTextValue(typed);
    box->accept();
  });
}

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) captions << (action->isSeparator() ? U("-") : action->text());
  return captions;
}

// What a save dialog offered when it came up.
struct SeenDialog {
  QString name;
  QStringList filters;
  QString suffix;
  QString folder;
};

// Records the next save dialog, then picks the file in it, or cancels it
// for an empty path.
void AnswerSaveDialog(const QString& path, SeenDialog* seen) {
  AnswerNextDialog([path, seen](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    *seen = {dialog->objectName(), dialog->nameFilters(), dialog->defaultSuffix(), dialog->directory().path()};
    if (path.isEmpty()) {
      dialog->reject();
      return;
    }
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

class ScreenshotTool : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    ASSERT_TRUE(folder.isValid());
    screen = QGuiApplication::primaryScreen()->geometry().size();
  }
  bool Said(const char* utf8) const {
    return std::find(messages.begin(), messages.end(), Cp1252(utf8)) != messages.end();
  }
  QString Path(const char* name) const { return folder.filePath(QLatin1String(name)); }
  // The markers where the test wants them, then "Vorschau".
  void CaptureBetween(QPoint upperLeft, QRect lowerRight) {
    Form_ba2->move(upperLeft);
    Form_ba3->setGeometry(lowerRight);
    Form_ba1->BvorschauClick();
  }

  QTemporaryDir folder;
  QSize screen;
};

TEST_F(ScreenshotTool, WindowsAndTheirCaptions) {
  EXPECT_EQ(Form_ba1->windowTitle(), U("Screenshot"));
  EXPECT_EQ(Form_ba2->windowTitle(), U("Links oben"));
  EXPECT_EQ(Form_ba3->windowTitle(), U("rechts unten"));
  EXPECT_EQ(Form_ba4->windowTitle(), U("Vorschau"));
  EXPECT_EQ(Form_ba1->Button2->text(), U("Markierungen"));
  EXPECT_EQ(Form_ba1->Bvorschau->text(), U("Vorschau"));
  EXPECT_EQ(Form_ba1->BTimer->text(), U("Timer"));
  EXPECT_EQ(Form_ba1->Button4->text(), U("?"));
  EXPECT_FALSE(Form_ba1->Timer1->isActive());
  EXPECT_EQ(Form_ba2->pos(), QPoint(194, 253));
  EXPECT_EQ(Form_ba3->pos(), QPoint(481, 453));
  EXPECT_EQ(Form_ba2->size(), QSize(112, 27));
  EXPECT_EQ(Form_ba3->maximumSize(), QSize(112, 55));
  EXPECT_EQ(Form_ba2->maximumSize(), QSize(112, 56));
  EXPECT_EQ(Form_ba2->minimumSize(), QSize(90, 25));
  EXPECT_FALSE(Form_ba1->isVisible());
  EXPECT_FALSE(Form_ba4->isVisible());
}

TEST_F(ScreenshotTool, PreviewMenusInOrder) {
  const QStringList file = {U("Zurück zur Aufnahme"),
                            U("Bild in die Zwischenablage und beenden"),
                            U("Speichern als BMP-Datei"),
                            U("Speichern als JPG-Datei (100%)"),
                            U("Speichern als JPG-Datei (90%)"),
                            U("Speichern als JPG-Datei (80%)"),
                            U("Speichern als JPG-Datei (70%)"),
                            U("Speichern als JPG-Datei (60%)"),
                            U("Speichern als JPG-Datei (50%)"),
                            U("Speichern als JPG-Datei (40%)"),
                            U("Speichern als JPG-Datei (30%)"),
                            U("Speichern als JPG-Datei (20%)"),
                            U("Speichern als JPG-Datei (10%)"),
                            U("Speichern als JPG-Datei (5%)"),
                            U("-"),
                            U("Beenden")};
  EXPECT_EQ(Captions(Form_ba4->Datei1), file);
  EXPECT_EQ(Captions(Form_ba4->Bearbeiten1), (QStringList{U("Größe verändern"), U("Ursprüngliches Bild")}));
  QStringList bar;
  for (const QAction* action : Form_ba4->menuBar()->actions()) bar << action->text();
  EXPECT_EQ(bar, (QStringList{U("Datei"), U("Bearbeiten")}));
}

TEST_F(ScreenshotTool, MarkierungenPlacesTheWindowsAroundTheMiddle) {
  Form_ba4->show();
  Form_ba1->show();
  Form_ba1->Button2->click();
  const QRect capture = Form_ba1->frameGeometry();
  EXPECT_EQ(capture.left(), (screen.width() - capture.width()) / 2);
  EXPECT_EQ(capture.top(), (screen.height() - capture.height()) / 2);
  EXPECT_EQ(Form_ba2->pos(), capture.topLeft() - QPoint(100, 100));
  EXPECT_EQ(Form_ba3->pos(), capture.topLeft() + QPoint(200, 100));
  EXPECT_TRUE(Form_ba2->isVisible());
  EXPECT_TRUE(Form_ba3->isVisible());
  EXPECT_FALSE(Form_ba4->isVisible());
  EXPECT_TRUE(Said("\"Ziehen\" Sie die Markierungen an die richtige Stelle. \rDer linke obere Punkt des Rechtecks "
                   "\"links oben\" und \rder rechte untere Punkt des Rechtecks \"rechts unten\" sind maßgeblich."));
}

TEST_F(ScreenshotTool, TimerClickedTwiceQuicklyShowsTwentyAndFourteenJumpsToThirty) {
  Form_ba1->BTimer->click();
  EXPECT_EQ(Form_ba1->BTimer->text(), U("10"));
  EXPECT_TRUE(Form_ba1->Timer1->isActive());
  EXPECT_EQ(Form_ba1->Timer1->interval(), 1000);
  Form_ba1->BTimer->click();
  EXPECT_EQ(Form_ba1->BTimer->text(), U("20"));
  Form_ba1->BTimer->setText(U("14"));
  Form_ba1->BTimer->click();
  EXPECT_EQ(Form_ba1->BTimer->text(), U("30"));
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0],
            Cp1252("In 10 Sekunten (bei einem weiteren Klick in 20 Sekunten etc.) wird der Bildschirmauschnitt "
                   "aufgenommen. Sie haben jetzt noch die Möglichkeit, Menüs aufzuklappen, Fenster sichtbar zu "
                   "machen u.s.w., so dass auch dies aufs Bild kommt.\r\r(Das Problem, dass Fenster verschwinden, "
                   "wenn Sie dieses Programm aktivieren, ist damit gelöst.)\r\rZurücksetzten des Timers: Klick auf "
                   "\"?\"!"));
  // "?" stops the countdown.
  Form_ba1->Button4->click();
  EXPECT_EQ(Form_ba1->BTimer->text(), U("Timer"));
  EXPECT_FALSE(Form_ba1->Timer1->isActive());
  EXPECT_TRUE(Said("Ziehen Sie die beiden Markierungen an die Stelle, die den Rechtecksauschnitt links oben und "
                   "rechts unten markieren. Bei Klick auf \"Vorschau\" wird das Bild in die Zwischenablage kopiert "
                   "und eine Vorschau gezeigt. Sie können den Vorgang mit \"Zurück\" beliebig oft wiederholen oder "
                   "das Bild in die Zwischenablage kopieren und das Programm beenden..\r\rDas Bild können Sie dann "
                   "beispielsweise in \"Word\" kopieren oder mit \"Paint\" bearbeiten.\r\rAchtung: Die Vorschau hat "
                   "dasselbe Aussehen wie Ihr Bildschirm.\r                Links oben sehen Sie aber den Titel "
                   "\"Vorschau\" und das Menu\r                \"Datei\" und \"Zurück\"."));
}

TEST_F(ScreenshotTool, CountdownHidesTheToolFromTheThirdTickAndCapturesOnTheEleventh) {
  Form_ba1->show();
  Form_ba1->BTimer->click();
  Form_ba1->Timer1->stop();  // the ticks come from the test, one by one
  Form_ba2->move(10, 20);
  Form_ba3->setGeometry(100, 80, 112, 27);
  Form_ba1->Timer1Timer();
  Form_ba1->Timer1Timer();
  EXPECT_TRUE(Form_ba1->isVisible());
  EXPECT_EQ(Form_ba1->BTimer->text(), U("8"));
  Form_ba1->Timer1Timer();
  EXPECT_FALSE(Form_ba1->isVisible());
  EXPECT_FALSE(Form_ba2->isVisible());
  for (int tick = 4; tick <= 10; ++tick) Form_ba1->Timer1Timer();
  EXPECT_EQ(Form_ba1->BTimer->text(), U("0"));
  EXPECT_FALSE(Form_ba4->isVisible());
  Form_ba1->Timer1Timer();
  EXPECT_EQ(Form_ba1->BTimer->text(), U("Timer"));
  EXPECT_TRUE(Form_ba4->isVisible());
  EXPECT_EQ(Form_ba4->windowTitle(), U("202x87"));
}

TEST_F(ScreenshotTool, CaptureShowsThePreviewAndFillsTheClipboard) {
  Form_ba1->show();
  CaptureBetween({30, 40}, {300, 200, 112, 27});
  EXPECT_FALSE(Form_ba1->isVisible());
  EXPECT_FALSE(Form_ba2->isVisible());
  ASSERT_TRUE(Form_ba4->isVisible());
  EXPECT_TRUE(Form_ba4->isMaximized());
  EXPECT_EQ(Form_ba4->windowTitle(), U("382x187"));
  EXPECT_EQ(Form_ba4->Picture().size(), QSize(382, 187));
  EXPECT_EQ(Form_ba4->Image1->pos(), QPoint(2, 2));
  EXPECT_EQ(Form_ba4->Image1->size(), QSize(382, 187));
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(382, 187));
  EXPECT_TRUE(messages.empty());
}

TEST_F(ScreenshotTool, MarkerPartlyOffTheLeftEdgeCapturesFromZero) {
  CaptureBetween({-40, 100}, {300, 400, 112, 27});
  EXPECT_EQ(Form_ba4->windowTitle(), U("412x327"));
}

TEST_F(ScreenshotTool, MarkerBeyondTheRightEdgeCapturesToTheEdgeAndMovesBack) {
  const QRect beyond(screen.width() - 50, 100, 112, 27);
  CaptureBetween({100, 50}, beyond);
  EXPECT_EQ(Form_ba4->windowTitle(), QString::number(screen.width() - 100) + U("x77"));
  EXPECT_EQ(Form_ba3->pos(), QPoint(screen.width() - 150, 100));
}

TEST_F(ScreenshotTool, EmptyRectangleSaysFehlerAndKeepsThePreview) {
  Form_ba4->SetPicture(QuarteredPicture(40, 30));
  CaptureBetween({500, 400}, {100, 100, 112, 27});
  EXPECT_TRUE(Said("Fehler"));
  EXPECT_EQ(Form_ba4->Picture().size(), QSize(40, 30));
  EXPECT_EQ(Form_ba4->windowTitle(), U("Vorschau"));
}

TEST_F(ScreenshotTool, HalfSizeAndBackToTheOriginal) {
  const QImage original = QuarteredPicture(400, 300);
  QGuiApplication::clipboard()->setImage(original);  // as the capture leaves it
  Form_ba4->SetPicture(original);
  QString label;
  QString preset;
  AnswerNextInputBox(U("50"), &label, &preset);
  Form_ba4->kleiner->trigger();
  EXPECT_EQ(label, U("Vergrößern Verkleinern|Um welchen Prozentsatz"));
  EXPECT_EQ(preset, U("100"));
  EXPECT_EQ(Form_ba4->Picture().size(), QSize(200, 150));
  EXPECT_EQ(Form_ba4->Image1->size(), QSize(200, 150));
  EXPECT_EQ(Form_ba4->windowTitle(), U("200*150"));
  // The whole picture is in the smaller one: each quarter keeps its colour.
  EXPECT_EQ(QColor(Form_ba4->Picture().pixel(20, 20)), QColor(0xff0000));
  EXPECT_EQ(QColor(Form_ba4->Picture().pixel(180, 130)), QColor(0x0000ff));
  EXPECT_EQ(QColor(Form_ba4->Picture().pixel(0, 0)), QColor(0xff0000));

  Form_ba4->UrsprnglichesBild1->trigger();
  EXPECT_EQ(Form_ba4->Picture().size(), QSize(400, 300));
  EXPECT_EQ(Form_ba4->windowTitle(), U("400*300"));
  EXPECT_EQ(Form_ba4->Picture().convertToFormat(QImage::Format_RGB32), original);
}

TEST_F(ScreenshotTool, TypedPercentagesThatChangeNothing) {
  struct Case {
    const char* typed;
    const char* caption;
  };
  // No number, no pixel left, a picture too large to hold: all keep the picture.
  const Case cases[] = {{"abc", "Vorschau"}, {"0", "Vorschau"}, {"-50", "Vorschau"}, {"100000", "Vorschau"}};
  Form_ba4->SetPicture(QuarteredPicture(400, 300));
  for (const Case& c : cases) {
    AnswerNextInputBox(U(c.typed));
    Form_ba4->kleiner->trigger();
    EXPECT_EQ(Form_ba4->Picture().size(), QSize(400, 300)) << c.typed;
    EXPECT_EQ(Form_ba4->windowTitle(), U(c.caption)) << c.typed;
  }
  // A cancelled input box answers "100".
  AnswerNextInputBox(QString());
  Form_ba4->kleiner->trigger();
  EXPECT_EQ(Form_ba4->Picture().size(), QSize(400, 300));
  EXPECT_EQ(Form_ba4->windowTitle(), U("400*300"));
  // The decimal comma.
  AnswerNextInputBox(U("12,5"));
  Form_ba4->kleiner->trigger();
  EXPECT_EQ(Form_ba4->windowTitle(), U("50*38"));  // 37.5 goes to the even 38
}

TEST_F(ScreenshotTool, CancelledSavesSayNichtGespeichert) {
  Form_ba4->SetPicture(QuarteredPicture(40, 30));
  AnswerNextFileDialog(QString());
  Form_ba4->Speichern1->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Nicht gespeichert");
  AnswerNextFileDialog(QString());
  Form_ba4->JpgItems.back()->trigger();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1], "Nicht gespeichert");
  EXPECT_EQ(Form_ba4->windowTitle(), U("40*30"));
}

TEST_F(ScreenshotTool, SaveDialogsOfferTheirKindOfFileAndTheJpegOneStartsWhereTheLastLeftOff) {
  Form_ba4->SetPicture(QuarteredPicture(40, 30));
  SeenDialog bmp;
  AnswerSaveDialog(Path("erstes.bmp"), &bmp);
  Form_ba4->Speichern1->trigger();
  EXPECT_EQ(bmp.name, U("SaveDialog1"));
  EXPECT_EQ(bmp.filters, QStringList{U("Bitmap-Dateien (*.bmp)")});
  EXPECT_EQ(bmp.suffix, U("bmp"));
  EXPECT_EQ(bmp.folder, QDir::homePath());
  SeenDialog jpeg;
  AnswerSaveDialog(QString(), &jpeg);
  Form_ba4->JpgItems[1]->trigger();
  EXPECT_EQ(jpeg.name, U("SaveDialog2"));
  EXPECT_EQ(jpeg.filters, QStringList{U("JPG-Dateien (*.jpg)")});
  EXPECT_EQ(jpeg.suffix, U("jpg"));
  EXPECT_EQ(QDir(jpeg.folder), QDir(folder.path()));
  EXPECT_EQ(messages, std::vector<std::string>{"Nicht gespeichert"});
}

TEST_F(ScreenshotTool, BmpFileHoldsThePicture) {
  const QImage original = QuarteredPicture(40, 30);
  Form_ba4->SetPicture(original);
  AnswerNextFileDialog(Path("bild"));
  Form_ba4->Speichern1->trigger();
  EXPECT_TRUE(messages.empty());
  const QImage back(Path("bild.bmp"), "BMP");  // the default extension was added
  ASSERT_FALSE(back.isNull());
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), original);
}

TEST_F(ScreenshotTool, JpegAtFivePercentIsSmallerThanAtHundred) {
  Form_ba4->SetPicture(QuarteredPicture(400, 300));
  AnswerNextFileDialog(Path("fuenf.jpg"));
  Form_ba4->JpgItems.back()->trigger();  // "(5%)"
  AnswerNextFileDialog(Path("hundert"));
  Form_ba4->JpgItems.front()->trigger();  // "(100%)"
  EXPECT_TRUE(messages.empty());
  const QImage five(Path("fuenf.jpg"), "JPG");
  const QImage hundred(Path("hundert.jpg"), "JPG");
  ASSERT_FALSE(five.isNull());
  ASSERT_FALSE(hundred.isNull());
  EXPECT_EQ(five.size(), QSize(400, 300));
  EXPECT_EQ(hundred.size(), QSize(400, 300));
  EXPECT_LT(QFileInfo(Path("fuenf.jpg")).size(), QFileInfo(Path("hundert.jpg")).size());
  // Quality 100 keeps the colours of the quarters.
  EXPECT_LT(std::abs(QColor(hundred.pixel(300, 250)).blue() - 255), 4);
  EXPECT_LT(QColor(hundred.pixel(300, 250)).red(), 4);
}

TEST_F(ScreenshotTool, JpegIntoAFolderThatIsNotThereIsNotSaved) {
  Form_ba4->SetPicture(QuarteredPicture(40, 30));
  AnswerNextFileDialog(Path("fehlt/bild.jpg"));
  Form_ba4->JpgItems[5]->trigger();
  EXPECT_TRUE(Said("Nicht gespeichert"));
}

TEST_F(ScreenshotTool, BmpIntoAFolderThatIsNotThereIsNotSaved) {
  Form_ba4->SetPicture(QuarteredPicture(40, 30));
  AnswerNextFileDialog(Path("fehlt/bild.bmp"));
  Form_ba4->Speichern1->trigger();
  EXPECT_TRUE(Said("Nicht gespeichert"));
}

TEST_F(ScreenshotTool, BackToTheCaptureAndToTheClipboard) {
  Form_ba4->SetPicture(QuarteredPicture(40, 30));
  Form_ba4->show();
  Form_ba4->Zurck1->trigger();
  EXPECT_FALSE(Form_ba4->isVisible());
  EXPECT_TRUE(Form_ba1->isVisible());
  EXPECT_TRUE(Form_ba2->isVisible());
  EXPECT_TRUE(Form_ba3->isVisible());

  QGuiApplication::clipboard()->clear();
  Form_ba4->BildindieZwischenablageundschlieen1->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(40, 30));
  EXPECT_FALSE(Form_ba1->isVisible());
  EXPECT_FALSE(Form_ba2->isVisible());
  EXPECT_FALSE(Form_ba3->isVisible());
}

TEST_F(ScreenshotTool, BeendenClosesCaptureAndPreview) {
  Form_ba1->show();
  Form_ba4->show();
  Form_ba4->Beenden1->trigger();
  EXPECT_FALSE(Form_ba1->isVisible());
  EXPECT_FALSE(Form_ba2->isVisible());
  EXPECT_FALSE(Form_ba4->isVisible());
}

}  // namespace
}  // namespace lumatik::testing
