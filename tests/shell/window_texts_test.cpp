// The windows' designed texts and places, read from tests/data/window_texts.tsv:
// one row per caption, menu list, help text or position, compared with what
// the freshly created forms show.

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextStream>

#include <map>

#include "calc/windows/rechne.h"
#include "discuss/windows/unit4sb.h"
#include "plot/windows/unit1sb.h"
#include "plot/windows/unit2sb.h"
#include "plot/windows/unit3sb.h"
#include "screenshot/windows/unit_ba1.h"
#include "screenshot/windows/unit_ba2.h"
#include "screenshot/windows/unit_ba3.h"
#include "screenshot/windows/unit_ba4.h"
#include "support/window_test_support.h"
#include "worksheet/windows/unitlsg.h"

namespace lumatik::testing {
namespace {

struct Row {
  int line;
  QString form, object, what, expected;
};

std::vector<Row> ReadRows() {
  QFile file(QStringLiteral(LUMATIK_WINDOW_TEXTS));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  std::vector<Row> rows;
  QTextStream in(&file);
  for (int line = 1; !in.atEnd(); ++line) {
    const QString text = in.readLine();
    if (text.isEmpty() || text.startsWith('#')) continue;
    QStringList cells = text.split('\t');
    EXPECT_EQ(cells.size(), 4) << "line " << line;
    if (cells.size() != 4) continue;
    rows.push_back({line, cells[0], cells[1], cells[2], cells[3].replace(QStringLiteral("\\n"), QStringLiteral("\n"))});
  }
  return rows;
}

QWidget* Form(const QString& name) {
  const std::map<QString, QWidget*> forms = {
      {"FormStart", FormStart}, {"Form3sb", Form3sb},   {"Form4sb", Form4sb},   {"Form1sb", Form1sb},
      {"FormLSG", FormLSG},     {"Formluinput", Formluinput}, {"FRechne", FRechne}, {"Form_ba1", Form_ba1},
      {"Form_ba2", Form_ba2},   {"Form_ba3", Form_ba3}, {"Form_ba4", Form_ba4}, {"Form2sb", Form2sb}};
  const auto found = forms.find(name);
  return found == forms.end() ? nullptr : found->second;
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

// A trailing "*" in the table asks only for the start of the text.
TEST_F(WindowTexts, AsDesigned) {
  const std::vector<Row> rows = ReadRows();
  ASSERT_GT(rows.size(), 50u);
  FormStart->show();
  FormStart->RevealAreaButtons();
  for (const Row& row : rows) {
    SCOPED_TRACE("window_texts.tsv line " + std::to_string(row.line));
    QWidget* form = Form(row.form);
    ASSERT_NE(form, nullptr) << row.form.toStdString();
    QObject* object = row.object == "-" ? form : form->findChild<QObject*>(row.object);
    ASSERT_NE(object, nullptr) << row.object.toStdString();
    const QString seen = Seen(form, object, row.what);
    if (row.expected.endsWith('*'))
      EXPECT_TRUE(seen.startsWith(row.expected.chopped(1))) << seen.toStdString();
    else
      EXPECT_EQ(seen, row.expected);
  }
}

}  // namespace
}  // namespace lumatik::testing
