#include "calc/windows/plain_number_copy.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "calc/calculation.h"
#include "shell/windows/qtext.h"

namespace lumatik {

namespace {

void CopyPlainNumber(const QLineEdit* field) {
  const QString shown = field->hasSelectedText() ? field->selectedText() : field->text();
  QApplication::clipboard()->setText(QtText(PlainNumberText(CoreText(shown))));
}

// Ctrl+C reaches the field as a key (no window shortcut takes it) and copies
// the plain number.
class PlainCopyKeys : public QObject {
 public:
  explicit PlainCopyKeys(QLineEdit* field) : QObject(field), field_(field) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == field_ && (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
      e->accept();
      if (e->type() == QEvent::KeyPress) CopyPlainNumber(field_);
      return true;
    }
    return QObject::eventFilter(watched, e);
  }

 private:
  QLineEdit* field_;
};

}  // namespace

void InstallPlainNumberCopy(QLineEdit* field) {
  field->installEventFilter(new PlainCopyKeys(field));
  field->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(field, &QLineEdit::customContextMenuRequested, field, [field](const QPoint& pos) {
    QMenu* menu = field->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto* copy = new QAction(Ui("Zahl kopieren"), menu);
    copy->setObjectName(QStringLiteral("Zahlkopieren1"));
    copy->setEnabled(!field->text().isEmpty());
    QObject::connect(copy, &QAction::triggered, field, [field] { CopyPlainNumber(field); });
    QAction* first = menu->actions().value(0);
    menu->insertAction(first, copy);
    menu->insertSeparator(first);
    menu->popup(field->mapToGlobal(pos));
  });
}

}  // namespace lumatik
