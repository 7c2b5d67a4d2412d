#pragma once

// The toolkit's application object for the benchmarks that draw text
// (Redraw/*) or fill a memo (Memo/*): a widget application, made once.

#include <QApplication>

namespace lumatik {

// It lives until the process ends: destroyed among the static objects, after
// parts of the toolkit it uses are gone, it would crash the exit.
inline void EnsureApplication() {
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "lumatik-bench";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

}  // namespace lumatik
