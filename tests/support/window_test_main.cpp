// Window tests run the real widgets without a display, with the German
// decimal comma, and keep their settings files in a folder of their own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "shell/decimal_separator.h"
#include "shell/settingsfiles.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A screen Qt reads itself, even when the tests run on a Wayland desktop;
  // the tests of the Wayland road say so themselves.
  qunsetenv("WAYLAND_DISPLAY");
  qunsetenv("XDG_SESSION_TYPE");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  lumatik::SetDecimalSeparator(',');
  QTemporaryDir folder;
  lumatik::SetProgramPath(QDir(folder.path()).filePath(QStringLiteral("lumatik")).toStdString());
  return RUN_ALL_TESTS();
}
