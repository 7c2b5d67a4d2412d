// The windows' designed texts and places, read from tests/data/window_texts.tsv:
// captions, menu lists, help texts and positions of the freshly created forms.

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextStream>

#include "support/window_test_support.h"

namespace lumatik::testing {
namespace {

// The freshly created form of that object name.
QWidget* Form(const QString& name) {
  for (QWidget* form : QApplication::topLevelWidgets())
    if (form->objectName() == name) return form;
  return nullptr;
}

QString Items(const QList<QAction*>& actions) {
  QStringList captions;
  for (const QAction* action : actions)
    if (action->isVisible()) captions << (action->isSeparator() ? QStringLiteral("-") : Caption(action));
  return captions.join(QStringLiteral(" | "));
}

QString TextOf(QObject* object) {
  if (auto* action = qobject_cast<QAction*>(object)) return Caption(action);
  if (auto* menu = qobject_cast<QMenu*>(object)) return QString(menu->title()).remove('&');
  if (auto* button = qobject_cast<QAbstractButton*>(object)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(object)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(object)) return edit->text();
  if (auto* memo = qobject_cast<QPlainTextEdit*>(object)) return memo->toPlainText();
  if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow()) return widget->windowTitle();
  return QStringLiteral("<no text>");
}

// What the row asks for, as the user sees it.
QString Seen(QWidget* form, QObject* object, const QString& what) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (what == "text") return TextOf(object);
  if (what == "items") {
    if (auto* bar = qobject_cast<QMenuBar*>(object)) return Items(bar->actions());
    if (auto* menu = qobject_cast<QMenu*>(object)) return Items(menu->actions());
  }
  if (what == "shown") {
    if (auto* action = qobject_cast<QAction*>(object)) return action->isVisible() ? "yes" : "no";
    if (widget) return widget->isVisibleTo(form) ? "yes" : "no";
  }
  if (what == "enabled")
    if (auto* action = qobject_cast<QAction*>(object)) return action->isEnabled() ? "yes" : "no";
  if (what == "geometry" && widget) {
    const QRect r = widget->isWindow() ? QRect(widget->pos(), widget->size()) : widget->geometry();
    return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
  }
  if (what == "hover" && widget) {  // the help text the form's memo shows under the mouse
    QTest::mouseMove(widget);
    return TextOf(form->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")));
  }
  return QStringLiteral("<cannot read %1>").arg(what);
}

class WindowTexts : public FormsTest {};

// Rows are: form, object ("-" for the form), what, expected text; a
// trailing "*" asks only for the start of the text.
TEST_F(WindowTexts, AsDesigned) {
  QFile file(QStringLiteral(LUMATIK_WINDOW_TEXTS));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  startWindow->show();
  startWindow->RevealAreaButtons();
  QTextStream in(&file);
  int rows = 0;
  for (int line = 1; !in.atEnd(); ++line) {
    const QString text = in.readLine();
    if (text.isEmpty() || text.startsWith('#')) continue;
    SCOPED_TRACE("window_texts.tsv line " + std::to_string(line));
    QStringList cells = text.split('\t');
    ASSERT_EQ(cells.size(), 4);
    ++rows;
    QWidget* form = Form(cells[0]);
    ASSERT_NE(form, nullptr) << cells[0].toStdString();
    QObject* object = cells[1] == "-" ? form : form->findChild<QObject*>(cells[1]);
    ASSERT_NE(object, nullptr) << cells[1].toStdString();
    const QString seen = Seen(form, object, cells[2]);
    const QString expected = cells[3].replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    if (expected.endsWith('*'))
      EXPECT_TRUE(seen.startsWith(expected.chopped(1))) << seen.toStdString();
    else
      EXPECT_EQ(seen, expected);
  }
  EXPECT_GT(rows, 50);
}

}  // namespace
}  // namespace lumatik::testing
