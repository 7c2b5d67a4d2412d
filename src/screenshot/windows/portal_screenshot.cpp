#include "screenshot/windows/portal_screenshot.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

#include "screenshot/windows/portal_response.h"

namespace lumatik {

namespace {

constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* kScreenshotInterface = "org.freedesktop.portal.Screenshot";
constexpr const char* kRequestInterface = "org.freedesktop.portal.Request";

// The portal answers on a request object whose path it builds from our bus
// name and a token we choose; listening there before the call means no
// answer can slip past.
QString RequestPath(const QDBusConnection& bus, const QString& token) {
  QString sender = bus.baseService().mid(1);
  sender.replace(QLatin1Char('.'), QLatin1Char('_'));
  return QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender + QLatin1Char('/') + token;
}

bool ListenForResponse(QDBusConnection& bus, const QString& path, PortalResponse* response, bool listen) {
  const QString service = QLatin1String(kPortalService);
  const QString interface = QLatin1String(kRequestInterface);
  const QString name = QStringLiteral("Response");
  const char* slot = SLOT(Receive(uint, QVariantMap));
  return listen ? bus.connect(service, path, interface, name, response, slot)
                : bus.disconnect(service, path, interface, name, response, slot);
}

// The windows keep repainting while the portal works; the user's input
// waits, so that no second capture starts meanwhile.
template <typename Sender, typename Signal>
void WaitUntil(const Sender* sender, Signal signal, int timeoutMilliseconds) {
  QEventLoop loop;
  QObject::connect(sender, signal, &loop, &QEventLoop::quit);
  QTimer::singleShot(timeoutMilliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

QImage PortalScreenshot(int timeoutMilliseconds) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return QImage();
  static int requests = 0;
  const QString token = QStringLiteral("lumatik%1").arg(++requests);
  PortalResponse response;
  QString listening = RequestPath(bus, token);
  ListenForResponse(bus, listening, &response, true);

  QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kPortalService), QLatin1String(kPortalPath),
                                                     QLatin1String(kScreenshotInterface), QStringLiteral("Screenshot"));
  const QVariantMap options{{QStringLiteral("handle_token"), token},
                            {QStringLiteral("interactive"), false},
                            {QStringLiteral("modal"), false}};
  call << QString() << options;
  QDBusPendingCallWatcher pending(bus.asyncCall(call, timeoutMilliseconds));
  WaitUntil(&pending, &QDBusPendingCallWatcher::finished, timeoutMilliseconds);
  const QDBusMessage reply = pending.reply();
  if (!pending.isFinished() || reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
    ListenForResponse(bus, listening, &response, false);
    return QImage();
  }
  // Older portals name the request object themselves.
  const QString handle = reply.arguments().first().value<QDBusObjectPath>().path();
  if (!handle.isEmpty() && handle != listening && !response.received) {
    ListenForResponse(bus, listening, &response, false);
    listening = handle;
    ListenForResponse(bus, listening, &response, true);
  }
  if (!response.received) WaitUntil(&response, &PortalResponse::answered, timeoutMilliseconds);
  ListenForResponse(bus, listening, &response, false);
  // 0 is success; 1 the user cancelled, 2 anything else.
  if (!response.received || response.code != 0) return QImage();
  const QUrl uri(response.results.value(QStringLiteral("uri")).toString());
  if (!uri.isLocalFile()) return QImage();
  return QImage(uri.toLocalFile());
}

}  // namespace lumatik
