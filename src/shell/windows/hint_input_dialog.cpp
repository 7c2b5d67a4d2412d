#include "shell/windows/hint_input_dialog.h"

#include "shell/windows/enter_key.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "shell/windows/forms.h"
#include "shell/windows/qtext.h"
#include "shell/windows/start_window.h"
#include "shell/windows/window_front.h"

namespace lumatik {

namespace {

constexpr int kWidth = 795;
constexpr int kHeight = 271;
constexpr int kEditRightGap = kWidth - 8 - 770;
// 11858175 as 0xBBGGRR.
const QColor kMemoColour(0xFF, 0xF1, 0xB4);
// The memo's 13-pixel font is 10 points: each line break needs 2 * 10 pixels.
constexpr int kMemoFontPoints = 10;
constexpr int kLongText = 720;

QFont FixedFont(int pixels) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(pixels);
  return font;
}

// A lone CR or LF becomes CR LF.
std::string UniformLineBreaks(const std::string& text) {
  std::string uniform;
  uniform.reserve(text.size() + 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      uniform += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      uniform += c;
    }
  }
  return uniform;
}

}  // namespace

HintInputDialog::HintInputDialog(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("Formluinput"));
  setWindowTitle(QStringLiteral("Eingabe"));
  // The calculator stays on top; a dialog it opens must not hide behind it.
  setWindowFlag(Qt::WindowStaysOnTopHint);
  resize(kWidth, kHeight);

  BOk = new QPushButton(QStringLiteral("Ok"), this);
  BOk->setObjectName(QStringLiteral("BOk"));
  BOk->setGeometry(16, 8, 75, 25);
  BAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  BAbbrechen->setObjectName(QStringLiteral("BAbbrechen"));
  BAbbrechen->setGeometry(96, 8, 75, 25);
  // Enter belongs to the edits, not to a default button.
  for (QPushButton* button : {BOk, BAbbrechen}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(FixedFont(13));
  Label1->move(8, 40);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setFont(FixedFont(16));
  Edit1->setGeometry(8, 64, 770, 24);
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(FixedFont(13));
  Label2->move(8, 96);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setFont(FixedFont(16));
  Edit2->setGeometry(8, 120, 770, 24);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setFont(FixedFont(13));
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  QPalette colours = Memo1->palette();
  colours.setColor(QPalette::Base, kMemoColour);
  Memo1->setPalette(colours);
  Memo1->setGeometry(8, 160, 770, 64);
  memoBottomGap_ = kHeight - 160 - 64;

  Edit1->installEventFilter(this);
  Edit2->installEventFilter(this);
  Memo1->viewport()->installEventFilter(this);
  connect(BOk, &QPushButton::clicked, this, &HintInputDialog::BOkClick);
  connect(BAbbrechen, &QPushButton::clicked, this, &HintInputDialog::BAbbrechenClick);
}

int HintInputDialog::screenHeight() const { return screen()->geometry().height(); }
int HintInputDialog::screenWidth() const { return screen()->geometry().width(); }

// The edits stretch with the width, the memo with width and height.
void HintInputDialog::placeStretchingControls() {
  const int editWidth = std::max(0, width() - 8 - kEditRightGap);
  Edit1->resize(editWidth, Edit1->height());
  Edit2->resize(editWidth, Edit2->height());
  Memo1->resize(editWidth, std::max(0, height() - Memo1->y() - memoBottomGap_));
}

// The dialog opens on the user's action: in front, with the keys.
void HintInputDialog::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  raise();
  activateWindow();
}

void HintInputDialog::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  placeStretchingControls();
}

void HintInputDialog::setWindowHeight(int height) {
  resize(width(), height);
  placeStretchingControls();
}

// Moving the memo keeps its height; its distance to the bottom follows.
void HintInputDialog::setMemoTop(int top) {
  Memo1->move(Memo1->x(), top);
  memoBottomGap_ = height() - top - Memo1->height();
}

void HintInputDialog::setMemoHeight(int height) {
  Memo1->resize(Memo1->width(), height);
  memoBottomGap_ = this->height() - Memo1->y() - height;
}

void HintInputDialog::LayoutAsHint(bool withCancel, const std::string& text) {
  BAbbrechen->setVisible(withCancel);
  for (QWidget* value : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Edit1),
                         static_cast<QWidget*>(Label2), static_cast<QWidget*>(Edit2)})
    value->hide();
  setMemoTop(BOk->y() + BOk->height() + 20);
  setWindowHeight(Memo1->y() + Memo1->height() + 50);
  setMemoHeight(height() - Memo1->y() - 40);
  setWindowTitle(QStringLiteral("Hinweis"));
  SetMemoText(text);
  BOk->setFocus();
}

void HintInputDialog::LayoutAsInput(int values, const std::string& text) {
  BOk->show();
  BAbbrechen->show();
  Label1->show();
  Edit1->show();
  Label2->setVisible(values > 1);
  Edit2->setVisible(values > 1);
  const QLineEdit* last = values > 1 ? Edit2 : Edit1;
  setMemoTop(last->y() + last->height() + 20);
  setWindowHeight(screenHeight() * 3 / 4);
  setMemoHeight(height() - Memo1->y() - 40);
  SetMemoText(text);
  // The caret waits in the first value, its text selected to be typed over:
  // Enter confirms what is there.
  EnterValue(Edit1);
}

// Selected from its end back to its start: the caret stands at the start,
// so a long value shows its beginning.
void HintInputDialog::EnterValue(QLineEdit* edit) {
  edit->setFocus();
  edit->setSelection(edit->text().size(), -edit->text().size());
}

void HintInputDialog::SetMemoText(const std::string& text) {
  const std::string uniform = UniformLineBreaks(text);
  if (!text.empty()) {
    Memo1->show();
    Memo1->setPlainText(QtText(uniform));
  } else {
    const int memoHeight = Memo1->height();
    Memo1->hide();
    setWindowHeight(height() - memoHeight);
  }
  QFont windowFont = font();
  windowFont.setPointSize(10);
  setFont(windowFont);
  const auto lineBreaks = std::count(uniform.begin(), uniform.end(), '\r');
  setWindowHeight(height() + 2 * kMemoFontPoints * static_cast<int>(lineBreaks));
  if (text.size() > static_cast<std::size_t>(kLongText)) setWindowHeight(screenHeight());
  move((screenWidth() - width()) / 2, (screenHeight() - height()) / 2);
}

void HintInputDialog::BOkClick() {
  OkPressed = true;
  accept();
}

void HintInputDialog::BAbbrechenClick() {
  OkPressed = false;
  reject();
}

// A line of a list of suggestions is picked by a click; the value field
// takes the keys again, so that Enter takes the line as Ok does.
void HintInputDialog::Memo1Click() {
  Edit1->setText(QtText(MemoCaretText(Memo1)));
  if (Edit1->isVisible() && !Memo1->textCursor().hasSelection()) EnterValue(Edit1);
}

bool HintInputDialog::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(e);
    const bool enter = IsEnterKey(key->key());
    if (enter && watched == Edit1) {
      if (Edit2->isVisible())
        EnterValue(Edit2);
      else
        BOkClick();
      return true;
    }
    if (enter && watched == Edit2) {
      BOkClick();
      return true;
    }
  }
  if (e->type() == QEvent::MouseButtonRelease && watched == Memo1->viewport()) Memo1Click();
  return QDialog::eventFilter(watched, e);
}

void HintInputDialog::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    BAbbrechenClick();
    return;
  }
  // No default button: in an input Enter outside the edits does nothing;
  // a hint has no edits, and Enter there is its Ok.
  if (IsEnterKey(e->key())) {
    if (!Edit1->isVisible()) BOkClick();
    return;
  }
  QDialog::keyPressEvent(e);
}

namespace {

// The dialog belongs to the window the user works in, so that it opens
// above it.
QWidget* DialogOwner() {
  QWidget* working = WorkingWindow();
  return working ? working : startWindow;
}

// Once the dialog is closed the user goes on in that window.
void RunModal(HintInputDialog& dialog) {
  dialog.exec();
  QWidget* owner = dialog.parentWidget();
  if (owner && owner->window()->isVisible()) owner->window()->activateWindow();
}

}  // namespace

bool ShowHint(const std::string& text) {
  HintInputDialog dialog(DialogOwner());
  dialog.LayoutAsHint(false, text);
  RunModal(dialog);
  return dialog.OkPressed;
}

bool ShowHintAsk(const std::string& text) {
  HintInputDialog dialog(DialogOwner());
  dialog.LayoutAsHint(true, text);
  RunModal(dialog);
  return dialog.OkPressed;
}

bool InputOne(const std::string& caption, const std::string& label, const std::string& memoText,
              std::string& value) {
  HintInputDialog dialog(DialogOwner());
  dialog.setWindowTitle(caption.empty() ? QStringLiteral("Eingabe") : QtText(caption));
  dialog.Label1->setText(QtText(label));
  dialog.Label1->adjustSize();
  dialog.Edit1->setText(QtText(value));
  dialog.LayoutAsInput(1, memoText);
  RunModal(dialog);
  if (dialog.OkPressed) value = CoreText(dialog.Edit1->text());
  return dialog.OkPressed;
}

bool InputPair(const std::string& caption, const std::string& label1, const std::string& label2,
               const std::string& memoText, std::string& value1, std::string& value2) {
  HintInputDialog dialog(DialogOwner());
  dialog.setWindowTitle(caption.empty() ? QStringLiteral("Eingabe") : QtText(caption));
  dialog.Label1->setText(QtText(label1));
  dialog.Label1->adjustSize();
  dialog.Label2->setText(QtText(label2));
  dialog.Label2->adjustSize();
  dialog.Edit1->setText(QtText(value1));
  dialog.Edit2->setText(QtText(value2));
  dialog.LayoutAsInput(2, memoText);
  RunModal(dialog);
  if (dialog.OkPressed) {
    value1 = CoreText(dialog.Edit1->text());
    value2 = CoreText(dialog.Edit2->text());
  }
  return dialog.OkPressed;
}

}  // namespace lumatik
