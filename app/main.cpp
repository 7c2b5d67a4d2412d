// lumatik: creates the twelve windows and runs until the start window closes.

#include <QApplication>
#include <QLocale>

#include "app/forms.h"
#include "shell/decimal_separator.h"
#include "shell/messagesink.h"
#include "shell/settingsfiles.h"
#include "shell/windows/forms.h"
#include "shell/windows/qt_translations.h"
#include "shell/windows/unitstart.h"
#include "shell/windows/window_front.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Hidden windows are not closed windows: only the start window ends the run.
  QApplication::setQuitOnLastWindowClosed(false);

  const QString separator = QLocale::system().decimalPoint();
  lumatik::SetDecimalSeparator(separator == QLatin1String(",") ? ',' : '.');
  lumatik::SetProgramPath(QCoreApplication::applicationFilePath().toStdString());
  lumatik::UseQtTranslations(QLocale::system());
  lumatik::UseMessageBoxesForMessages();

  lumatik::CreateForms();
  QObject::connect(lumatik::FormStart, &lumatik::TFormStart::closed, &app, &QApplication::quit);
  lumatik::FormStart->show();
  const int result = QApplication::exec();
  lumatik::SetMessageSink(nullptr);
  lumatik::DestroyForms();
  return result;
}
