#include "shell/windows/end_signals.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <memory>
#include <utility>

namespace lumatik {

namespace {

int signalPipe[2] = {-1, -1};

// Only async-signal-safe calls here: one write, and errno as it was.
extern "C" void WriteSignalByte(int signal) {
  const int savedErrno = errno;
  const char byte = static_cast<char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
  errno = savedErrno;
}

}  // namespace

void EndOnSignals(std::function<void()> end) {
  auto shared = std::make_shared<std::function<void()>>(std::move(end));
  if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) == 0) {
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [shared] {
      char bytes[16];
      while (::read(signalPipe[1], bytes, sizeof bytes) > 0) {
      }
      (*shared)();
    });
    struct sigaction action = {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
  }
#ifndef QT_NO_SESSIONMANAGER
  // The session manager may end the process as soon as the request is
  // answered: everything is written before it returns.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [shared](QSessionManager&) { (*shared)(); });
#endif
}

}  // namespace lumatik
