// Pictures of the start window and of the calculator after a computation,
// for the README: lumatik_readme_pictures <folder>. Run it under xvfb-run.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

#include "app/forms.h"
#include "calc/windows/calculator_window.h"
#include "shell/decimal_separator.h"
#include "shell/settingsfiles.h"
#include "shell/windows/forms.h"
#include "shell/windows/start_window.h"

namespace {

void Settle() {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

bool Save(QWidget* window, const QString& path) {
  Settle();
  const bool saved = window->grab().save(path);
  std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
  lumatik::SetDecimalSeparator(',');
  // A clean run: no settings files of an earlier one.
  QTemporaryDir settings;
  lumatik::SetProgramPath(QDir(settings.path()).filePath("lumatik").toStdString());
  lumatik::CreateForms();

  // After the plotter's "Beenden", with the mouse over "Gleichungen": its
  // help text shows the formula laid out for the fixed-pitch memo.
  lumatik::startWindow->show();
  lumatik::startWindow->RevealAreaButtons();
  QMouseEvent hover(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(lumatik::startWindow->BCardano, &hover);
  bool ok = Save(lumatik::startWindow, folder.filePath("start.png"));

  lumatik::CalculatorWindow* calculator = lumatik::calculatorWindow;
  calculator->show();
  calculator->Rechne1->trigger();
  calculator->EEing->setText("a*x^3+b*x");
  calculator->MParameter->setPlainText("x=5\na=1/3\nb=-3");
  calculator->Rechne1->trigger();
  calculator->EEing->setText("-5/2*(14/22-17/21) +1.2");
  calculator->Rechne1->trigger();
  ok = Save(calculator, folder.filePath("calculator.png")) && ok;

  lumatik::DestroyForms();
  return ok ? 0 : 1;
}
