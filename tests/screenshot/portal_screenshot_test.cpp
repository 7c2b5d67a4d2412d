// The screenshot tool on a Wayland session: the desktop portal's picture, cut
// to the marked rectangle, or a German explanation - never a black picture.
// Runs on a private session bus (dbus-run-session) with a stand-in portal.

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QUrl>
#include <QVariantMap>

#include <algorithm>

#include "screenshot/windows/portal_screenshot.h"
#include "screenshot/windows/screen_capture.h"
#include "screenshot/windows/capture_window.h"
#include "screenshot/windows/top_left_marker.h"
#include "screenshot/windows/bottom_right_marker.h"
#include "screenshot/windows/preview_window.h"
#include "quartered_picture.h"
#include "shell/codepage.h"
#include "support/window_test_support.h"

namespace lumatik::testing {

// Answers Screenshot as xdg-desktop-portal does: the request's object path
// at once, the Response signal on it a moment later.
class StandInPortal : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

 public:
  explicit StandInPortal(QDBusConnection bus) : bus_(bus) {}

  uint answer = 0;
  QString pictureFile;
  QVariantMap seenOptions;
  int calls = 0;

 public slots:
  QDBusObjectPath Screenshot(const QString& /*parentWindow*/, const QVariantMap& options,
                             const QDBusMessage& message) {
    ++calls;
    seenOptions = options;
    QString sender = message.service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender + QLatin1Char('/') +
                         options.value(QStringLiteral("handle_token")).toString();
    QTimer::singleShot(10, this, [this, path] {
      QDBusMessage response =
          QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
      response << answer << QVariantMap{{QStringLiteral("uri"), QUrl::fromLocalFile(pictureFile).toString()}};
      bus_.send(response);
    });
    return QDBusObjectPath(path);
  }

 private:
  QDBusConnection bus_;
};

namespace {

class WaylandScreenshot : public FormsTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "runs under dbus-run-session";
    FormsTest::SetUp();
    sessionType = qgetenv("XDG_SESSION_TYPE");
    qputenv("XDG_SESSION_TYPE", "wayland");
    portalBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("stand-in portal"));
    portal = new StandInPortal(portalBus);
    ASSERT_TRUE(portalBus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), portal,
                                         QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(portalBus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    portal->pictureFile = folder.filePath(QStringLiteral("Bildschirmfoto.png"));
    ASSERT_TRUE(QuarteredPicture(desktop.size()).save(portal->pictureFile));
  }
  void TearDown() override {
    portalBus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
    portalBus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
    delete portal;
    QDBusConnection::disconnectFromBus(QStringLiteral("stand-in portal"));
    qputenv("XDG_SESSION_TYPE", sessionType);
    FormsTest::TearDown();
  }
  void ClosePortal() { portalBus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop")); }
  // The markers where the user dragged them, then a click on "Vorschau".
  void MarkAndClickVorschau(QPoint upperLeft, QRect lowerRight) {
    captureWindow->show();
    topLeftMarker->move(upperLeft);
    bottomRightMarker->setGeometry(lowerRight);
    QTest::mouseClick(captureWindow->Bvorschau, Qt::LeftButton);
  }

  QByteArray sessionType;
  QDBusConnection portalBus{QString()};
  StandInPortal* portal = nullptr;
  QTemporaryDir folder;
  QRect desktop;
};

constexpr const char* kNoCaptureHere =
    "Ein Bildschirmfoto ist hier nicht möglich: Unter Wayland gibt der Desktop den Bildschirm nur über sein "
    "Bildschirmfoto-Portal (xdg-desktop-portal) heraus, und das hat kein Bild geliefert.";

// The portal hands over the whole desktop without asking the user.
TEST_F(WaylandScreenshot, VorschauShowsTheMarkedRectangleOfThePortalsPicture) {
  const QPoint upperLeft(desktop.width() / 2 - 100, desktop.height() / 2 - 50);
  MarkAndClickVorschau(upperLeft, {desktop.width() / 2 + 100, desktop.height() / 2 + 30, 112, 27});
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(portal->calls, 1);
  EXPECT_EQ(portal->seenOptions.value(QStringLiteral("interactive")), QVariant(false));
  EXPECT_FALSE(portal->seenOptions.value(QStringLiteral("handle_token")).toString().isEmpty());
  ASSERT_TRUE(previewWindow->isVisible());
  EXPECT_EQ(previewWindow->windowTitle(), QStringLiteral("Vorschau 312x107"));
  const QImage expected = QuarteredPicture(desktop.size()).copy(QRect(upperLeft, QSize(312, 107)));
  EXPECT_EQ(previewWindow->Picture().convertToFormat(QImage::Format_RGB32), expected);
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), expected);
}

// A portal that says no, or none at all: Vorschau says why and keeps the preview.
TEST_F(WaylandScreenshot, WithoutAPortalVorschauSaysWhyAndKeepsThePreview) {
  portal->answer = 1;  // the user said no
  EXPECT_TRUE(PortalScreenshot(5000).isNull());
  portal->answer = 0;
  ClosePortal();
  previewWindow->SetPicture(QuarteredPicture({40, 30}));
  MarkAndClickVorschau({30, 40}, {300, 200, 112, 27});
  EXPECT_NE(std::find(messages.begin(), messages.end(), Cp1252(kNoCaptureHere)), messages.end());
  EXPECT_EQ(previewWindow->Picture().size(), QSize(40, 30));
  EXPECT_EQ(previewWindow->windowTitle(), QStringLiteral("Vorschau"));
}

// A desktop at 200 % gives the portal's picture twice the pixels; the cut
// has the size the markers show.
TEST(DesktopRectangle, CutAtTheDesktopsScale) {
  const QImage doubled = QuarteredPicture({1600, 1200});
  const QImage cut = CutDesktopRectangle(doubled, QRect(0, 0, 800, 600), QRect(390, 290, 20, 20));
  ASSERT_EQ(cut.size(), QSize(20, 20));
  EXPECT_EQ(cut.pixel(2, 2) & 0xFFFFFF, 0xff0000u);
  EXPECT_EQ(cut.pixel(17, 2) & 0xFFFFFF, 0x00ff00u);
  EXPECT_EQ(cut.pixel(2, 17) & 0xFFFFFF, 0xffff00u);
  EXPECT_EQ(cut.pixel(17, 17) & 0xFFFFFF, 0x0000ffu);
  const QImage shifted = CutDesktopRectangle(QuarteredPicture({800, 600}), QRect(-800, 0, 800, 600), QRect(-800, 0, 10, 10));
  EXPECT_EQ(shifted.pixel(0, 0) & 0xFFFFFF, 0xff0000u);
  EXPECT_TRUE(CutDesktopRectangle(QImage(), QRect(0, 0, 800, 600), QRect(0, 0, 10, 10)).isNull());
}

}  // namespace
}  // namespace lumatik::testing

#include "portal_screenshot_test.moc"
