// The long random-input run of the whole program:
//   random_input <seed> <minutes>
// Settings and worksheet files go to a temporary folder; the figures and
// every finding are printed, and the exit status is 1 when there was one.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <iostream>

#include "shell/decimal_separator.h"
#include "shell/settingsfiles.h"
#include "tools/random_input_driver.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Aufruf: random_input <Startwert> <Minuten>\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  lumatik::SetDecimalSeparator(',');
  QTemporaryDir folder;
  lumatik::SetProgramPath(QDir(folder.path()).filePath(QStringLiteral("lumatik")).toStdString());
  lumatik::RandomInputOptions options;
  options.seed = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10));
  options.maxSteps = 1L << 40;
  options.maxSeconds = std::strtod(argv[2], nullptr) * 60;
  options.fileFolder = folder.path().toStdString();
  options.traceSteps = qEnvironmentVariableIsSet("LUMATIK_TRACE_STEPS");
  const lumatik::RandomInputFigures figures = lumatik::RunRandomInput(options);
  std::cout << "seed " << options.seed << ": " << figures.steps << " steps, " << figures.events << " events, "
            << figures.dialogAnswers << " dialog answers, " << figures.programEnds << " ends through Schliessen\n"
            << figures.windows.size() << " windows:";
  for (const std::string& window : figures.windows) std::cout << ' ' << window;
  std::cout << '\n' << figures.menuItems.size() << " menu items:\n";
  for (const std::string& item : figures.menuItems) std::cout << "  " << item << '\n';
  std::cout << figures.findings.size() << " findings\n";
  for (const std::string& finding : figures.findings) std::cout << "  " << finding << '\n';
  return figures.findings.empty() ? 0 : 1;
}
