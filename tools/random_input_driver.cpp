#include "tools/random_input_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>

#include "app/forms.h"
#include "shell/windows/session.h"
#include "shell/messagesink.h"
#include "shell/settingsfiles.h"
#include "shell/windows/forms.h"
#include "shell/windows/start_window.h"

namespace lumatik {

namespace {

// Term pieces, worksheet words and the odd hostile character.
const char* const kTexts[] = {
    "1", "2", "-3", "0", "1/3", "x", "x^2", "*", "+", "-", "/", "^", "(", ")", "=", ",", ".", " ", "a=1/3 b=-3",
    "sin(x)", "Pi", "sqrt(2)", "lg(1000)", "fak(5)", "1/0", "x^3-3*x", "10^400", "P1=(1|2|3)", "E: x1+x2=4",
    "n=3", "5 -7 1 | 9", "q=[3,7,15]", "Kugel", "'", "#", "\xc3\xa4", "\xe2\x82\xac", "\t", "(((((", "9999999999"};

const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,   Qt::Key_Backspace,
                         Qt::Key_Delete, Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,  Qt::Key_Right,
                         Qt::Key_Home,   Qt::Key_End,   Qt::Key_PageUp, Qt::Key_Space, Qt::Key_F1};

// A window system without a window manager (offscreen) says so for every
// raise; that is no finding.
QtMessageHandler previousHandler = nullptr;
void QuietAboutThePlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (previousHandler) previousHandler(type, context, message);
}

// Printing would reach for the machine's printer.
bool Skipped(const QAction* action) { return action->text().contains(QStringLiteral("druck"), Qt::CaseInsensitive); }

QString Plain(const QString& caption) { return QString(caption).remove(QLatin1Char('&')); }

class Driver {
 public:
  explicit Driver(const RandomInputOptions& options) : options_(options), random_(options.seed) {}

  RandomInputFigures run();

 private:
  int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  bool chance(int percent) { return pick(100) < percent; }

  void start();
  void finish();
  void step();
  void answerModal();
  void check(const char* what);
  QList<QWidget*> visibleWindows() const;
  void clickSomewhere(QWidget* window);
  void typeSomething(QWidget* window);
  void pressKey(QWidget* window);
  void chooseMenu(QWidget* window);
  void answerPopup(QMenu* popup);
  void closeWindow(QWidget* window);
  void setAction(const QString& action) {
    lastAction_ = action;
    if (options_.traceSteps) std::fprintf(stderr, "%ld %s\n", figures_.steps, qPrintable(action));
  }

  RandomInputOptions options_;
  std::mt19937 random_;
  RandomInputFigures figures_;
  std::unique_ptr<Session> session_;
  QString lastAction_;
};

void Driver::start() {
  SetMessageSink(nullptr);
  CreateForms();
  session_ = std::make_unique<Session>();
  startWindow->show();
  QApplication::processEvents();
}

void Driver::finish() {
  session_.reset();
  DestroyForms();
}

QList<QWidget*> Driver::visibleWindows() const {
  QList<QWidget*> windows;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = window->windowType();
    if (window->isVisible() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop) windows << window;
  }
  return windows;
}

// Each run of the program is an event loop, as in main; a step is a timer
// tick of that loop, so that a step's own dialogs run in theirs.
RandomInputFigures Driver::run() {
  QTimer answerer;
  answerer.setInterval(10);
  // An answer may open the next dialog (a file dialog asks before it
  // overwrites), which blocks the answer: each one runs on its own timer,
  // so that the next tick answers the new dialog.
  QObject::connect(&answerer, &QTimer::timeout,
                   [this, &answerer] { QTimer::singleShot(0, &answerer, [this] { answerModal(); }); });
  answerer.start();
  QElapsedTimer clock;
  clock.start();
  const auto timeLeft = [this, &clock] {
    return figures_.steps < options_.maxSteps &&
           (options_.maxSeconds <= 0 || clock.elapsed() < static_cast<qint64>(options_.maxSeconds * 1000));
  };
  while (timeLeft()) {
    start();
    QTimer stepper;
    stepper.setInterval(1);
    bool busy = false;
    QObject::connect(&stepper, &QTimer::timeout, [&] {
      // Ticks inside a step's dialog are the answerer's.
      if (busy) return;
      busy = true;
      if (figures_.steps > 0) check(qPrintable(lastAction_));
      if (!timeLeft()) {
        QCoreApplication::exit(0);
      } else {
        ++figures_.steps;
        step();
      }
      busy = false;
    });
    stepper.start();
    QApplication::exec();
    stepper.stop();
    if (session_->ended()) {
      check("after the program ended");
      ++figures_.programEnds;
    }
    finish();
  }
  answerer.stop();
  return figures_;
}

void Driver::step() {
  if (QWidget* popup = QApplication::activePopupWidget()) {
    if (auto* menu = qobject_cast<QMenu*>(popup)) {
      answerPopup(menu);
    } else {
      popup->close();
    }
    return;
  }
  const QList<QWidget*> windows = visibleWindows();
  if (windows.isEmpty()) return;
  QWidget* window = windows.at(pick(static_cast<int>(windows.size())));
  figures_.windows.insert(window->objectName().toStdString());
  if (!window->isActiveWindow()) QApplication::setActiveWindow(window);
  const int what = pick(100);
  if (what < 30) {
    clickSomewhere(window);
  } else if (what < 50) {
    typeSomething(window);
  } else if (what < 70) {
    pressKey(window);
  } else if (what < 95) {
    chooseMenu(window);
  } else {
    closeWindow(window);
  }
}

// Buttons and check boxes more often than the bare window.
void Driver::clickSomewhere(QWidget* window) {
  QList<QWidget*> targets;
  for (QWidget* child : window->findChildren<QWidget*>())
    if (child->isVisible() && child->isEnabled() && (qobject_cast<QAbstractButton*>(child) || chance(20)))
      targets << child;
  QWidget* target = targets.isEmpty() ? window : targets.at(pick(static_cast<int>(targets.size())));
  const QPoint at(pick(std::max(1, target->width())), pick(std::max(1, target->height())));
  const Qt::MouseButton button = chance(85) ? Qt::LeftButton : Qt::RightButton;
  setAction(QStringLiteral("click %1 in %2").arg(target->objectName(), window->objectName()));
  ++figures_.events;
  QPointer<QWidget> guard(target);
  if (qobject_cast<QAbstractButton*>(target) && button == Qt::LeftButton) {
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
  } else {
    QTest::mouseClick(target, button, {}, at);
  }
}

void Driver::typeSomething(QWidget* window) {
  QWidget* field = window->focusWidget();
  if (!field || !field->isVisible()) field = window;
  const QString text = QString::fromUtf8(kTexts[pick(static_cast<int>(std::size(kTexts)))]);
  setAction(QStringLiteral("type \"%1\" into %2").arg(text, field->objectName()));
  ++figures_.events;
  for (const QChar c : text) {
    QPointer<QWidget> target = QApplication::focusWidget() ? QApplication::focusWidget() : field;
    if (!target) return;
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void Driver::pressKey(QWidget* window) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
  const Qt::Key key = kKeys[pick(static_cast<int>(std::size(kKeys)))];
  const Qt::KeyboardModifiers modifiers = chance(15) ? Qt::ControlModifier : Qt::NoModifier;
  setAction(QStringLiteral("key %1 in %2").arg(int(key)).arg(target->objectName()));
  ++figures_.events;
  // The text a keyboard sends with the key; QTest's own table knows no F1.
  QString text;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) text = QStringLiteral("\r");
  if (key == Qt::Key_Tab) text = QStringLiteral("\t");
  if (key == Qt::Key_Escape) text = QString(QChar(27));
  if (key == Qt::Key_Space) text = QStringLiteral(" ");
  QTest::sendKeyEvent(QTest::Click, target, key, modifiers ? QString() : text, modifiers);
}

void Driver::chooseMenu(QWidget* window) {
  QMenuBar* bar = window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
  if (!bar) {
    clickSomewhere(window);
    return;
  }
  QList<QAction*> items;
  QList<QString> paths;
  for (QAction* title : bar->actions()) {
    if (!title->isVisible() || !title->isEnabled()) continue;
    if (!title->menu()) {
      items << title;
      paths << Plain(title->text());
      continue;
    }
    for (QAction* item : title->menu()->actions()) {
      if (item->isSeparator() || !item->isVisible() || !item->isEnabled() || Skipped(item)) continue;
      if (item->menu()) {
        for (QAction* sub : item->menu()->actions())
          if (!sub->isSeparator() && sub->isVisible() && sub->isEnabled() && !Skipped(sub)) {
            items << sub;
            paths << Plain(title->text()) + " > " + Plain(item->text()) + " > " + Plain(sub->text());
          }
      } else {
        items << item;
        paths << Plain(title->text()) + " > " + Plain(item->text());
      }
    }
  }
  if (items.isEmpty()) return;
  const int chosen = pick(static_cast<int>(items.size()));
  const QString path = window->objectName() + ": " + paths.at(chosen);
  figures_.menuItems.insert(path.toStdString());
  setAction(QStringLiteral("menu ") + path);
  ++figures_.events;
  // A menu with a command of its own runs it when it opens.
  if (QMenu* menu = items.at(chosen)->menu()) {
    emit menu->aboutToShow();
    return;
  }
  items.at(chosen)->trigger();
}

void Driver::answerPopup(QMenu* popup) {
  ++figures_.dialogAnswers;
  QList<QAction*> items;
  for (QAction* item : popup->actions())
    if (!item->isSeparator() && item->isVisible() && item->isEnabled() && !Skipped(item)) items << item;
  if (items.isEmpty() || chance(20)) {
    popup->close();
    return;
  }
  QAction* item = items.at(pick(static_cast<int>(items.size())));
  figures_.menuItems.insert(("popup: " + Plain(item->text())).toStdString());
  setAction(QStringLiteral("popup ") + Plain(item->text()));
  popup->close();
  item->trigger();
}

// As the frame's close button does: a close event for the window.
void Driver::closeWindow(QWidget* window) {
  setAction(QStringLiteral("close %1").arg(window->objectName()));
  ++figures_.events;
  window->close();
}

void Driver::answerModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) {
    // The cancel dialog of a long computation is no modal window, and the
    // curve discussion is stopped by its own button, which reads "Stop"
    // while it runs (a value table up to 10^11 would run for days).
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible() || !chance(5)) continue;
      for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible() && (window->objectName() == QLatin1String("Formabbrechen") ||
                                    button->text() == QLatin1String("Stop"))) {
          QTest::mouseClick(button, Qt::LeftButton);
          return;
        }
    }
    return;
  }
  ++figures_.dialogAnswers;
  figures_.windows.insert(modal->metaObject()->className());
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    const QList<QAbstractButton*> buttons = box->buttons();
    if (!buttons.isEmpty()) QTest::mouseClick(buttons.at(pick(static_cast<int>(buttons.size()))), Qt::LeftButton);
    return;
  }
  if (auto* files = qobject_cast<QFileDialog*>(modal)) {
    if (options_.fileFolder.empty() || chance(40)) {
      files->reject();
      return;
    }
    const QString name = QStringLiteral("blatt%1.txt").arg(pick(3));
    const QString path = QDir(QString::fromStdString(options_.fileFolder)).filePath(name);
    if (files->acceptMode() == QFileDialog::AcceptOpen && !QFileInfo::exists(path)) {
      files->reject();
      return;
    }
    files->selectFile(path);
    QMetaObject::invokeMethod(files, "accept");
    return;
  }
  auto* dialog = qobject_cast<QDialog*>(modal);
  if (chance(50)) {
    QWidget* field = modal->focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
      edit->selectAll();
      for (const QChar c : QString::fromUtf8(kTexts[pick(static_cast<int>(std::size(kTexts)))]))
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
      return;
    }
  }
  const QList<QAbstractButton*> buttons = modal->findChildren<QAbstractButton*>();
  QList<QAbstractButton*> shown;
  for (QAbstractButton* button : buttons)
    if (button->isVisible() && button->isEnabled()) shown << button;
  if (!shown.isEmpty() && chance(80)) {
    QTest::mouseClick(shown.at(pick(static_cast<int>(shown.size()))), Qt::LeftButton);
  } else if (dialog) {
    dialog->reject();
  } else {
    QTest::keyClick(modal, Qt::Key_Escape);
  }
}

// What must hold after every step.
void Driver::check(const char* what) {
  const auto found = [this, what](const std::string& finding) {
    figures_.findings.push_back("seed " + std::to_string(options_.seed) + ", step " +
                                std::to_string(figures_.steps) + " (" + what + "): " + finding);
  };
  if (!session_->ended() && visibleWindows().isEmpty() && !QApplication::activeModalWidget())
    found("no window visible");
  for (const char letter : {'1', '2', '3', 'l', 'c', 'g', 'd', 'a', 'i'}) {
    const std::string path = SettingsFileName(letter);
    if (!std::filesystem::exists(path)) continue;
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) found("settings file " + path + " does not read back");
  }
  if (session_->ended()) {
    for (const char letter : {'1', '2', '3'})
      if (!std::filesystem::exists(SettingsFileName(letter)))
        found(std::string("ended without settings file ") + letter);
  }
}

}  // namespace

RandomInputFigures RunRandomInput(const RandomInputOptions& options) {
  previousHandler = qInstallMessageHandler(QuietAboutThePlatform);
  RandomInputFigures figures = Driver(options).run();
  qInstallMessageHandler(previousHandler);
  return figures;
}

}  // namespace lumatik
