// lumatik: creates the twelve windows and runs until the start window closes
// or the desktop ends the program.

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include <cstring>
#include <iostream>

#include "app/forms.h"
#include "shell/decimal_separator.h"
#include "shell/messagesink.h"
#include "shell/session_platform.h"
#include "shell/settingsfiles.h"
#include "shell/windows/end_signals.h"
#include "shell/windows/forms.h"
#include "shell/windows/qt_translations.h"
#include "shell/windows/session.h"
#include "shell/windows/start_window.h"
#include "shell/windows/window_front.h"

int main(int argc, char** argv) {
  // Answered before any window system is needed, so it works on a console.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "lumatik " LUMATIK_VERSION "\n";
    return 0;
  }
  const std::string platform = lumatik::PlatformForSession(lumatik::CurrentDesktopSession());
  if (!platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("lumatik"));
  QApplication::setApplicationVersion(QStringLiteral(LUMATIK_VERSION));
  // Lets the desktop find the menu entry and its icon for the running windows.
  QGuiApplication::setDesktopFileName(QStringLiteral("de.lumatik.lumatik"));
  // Hidden windows are not closed windows: only the start window ends the run.
  QApplication::setQuitOnLastWindowClosed(false);

  const QString separator = QLocale::system().decimalPoint();
  lumatik::SetDecimalSeparator(separator == QLatin1String(",") ? ',' : '.');
  lumatik::SetProgramPath(QCoreApplication::applicationFilePath().toStdString());
  lumatik::SetUserConfigFolder(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString());
  lumatik::UseQtTranslations(QLocale::system());
  lumatik::UseMessageBoxesForMessages();

  lumatik::CreateForms();
  int result = 0;
  {
    lumatik::Session session;
    lumatik::EndOnSignals([&session] { session.end(); });
    lumatik::startWindow->show();
    result = QApplication::exec();
  }
  lumatik::SetMessageSink(nullptr);
  lumatik::DestroyForms();
  return result;
}
