#include "discuss/windows/discussion_window.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "discuss/discuss_texts.h"
#include "discuss/discussion_input.h"
#include "discuss/plotter_link.h"
#include "discuss/simpson_integral.h"
#include "discuss/term_function.h"
#include "discuss/value_table.h"
#include "plot/plotter_state.h"
#include "plot/windows/function_input_window.h"
#include "shell/codepage.h"
#include "shell/messagesink.h"
#include "shell/windows/enter_key.h"
#include "shell/windows/forms.h"
#include "shell/windows/qtext.h"
#include "shell/windows/start_window.h"
#include "shell/windows/window_front.h"

namespace lumatik {

namespace {

constexpr const char* kDiskussion = "Diskussion";
constexpr const char* kRechne = "Rechne";
constexpr const char* kStop = "Stop";
constexpr const char* kPunkte = "Punkte ins Schaubild";

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(Ui(caption), parent);
  button->setObjectName(QLatin1String(name));
  // Enter in the edits belongs to the edits, not to a default button.
  button->setAutoDefault(false);
  return button;
}

QLineEdit* Edit(const char* name, const char* text, QWidget* parent) {
  auto* edit = new QLineEdit(QString::fromLatin1(text), parent);
  edit->setObjectName(QLatin1String(name));
  edit->setMinimumWidth(60);
  return edit;
}

QLabel* Label(const char* name, const char* caption, QWidget* parent) {
  auto* label = new QLabel(Ui(caption), parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

// A raised panel with a caption over two controls side by side.
QFrame* Panel(const char* name, QWidget* parent, QLabel* caption, QWidget* left, QWidget* right) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QLatin1String(name));
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Raised);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(4, 2, 4, 4);
  grid->setVerticalSpacing(2);
  grid->addWidget(caption, 0, 0, 1, 2);
  grid->addWidget(left, 1, 0);
  grid->addWidget(right, 1, 1);
  return panel;
}

// The view follows to the new lines, from their first one on.
void AddMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  const QTextDocument* document = memo->document();
  const int first = document->lastBlock().text().isEmpty() ? document->blockCount() - 1 : document->blockCount();
  for (const std::string& line : lines) AddMemoLine(memo, line);
  memo->moveCursor(QTextCursor::End);
  memo->ensureCursorVisible();
  memo->setTextCursor(QTextCursor(document->findBlockByNumber(first)));
  memo->ensureCursorVisible();
}

}  // namespace

DiscussionWindow::DiscussionWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form4sb"));
  setWindowTitle(QStringLiteral("Berechnung von Nullstellen"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  BuildControls();
  // The program ends with the start window; a run must not keep it going.
  if (startWindow) connect(startWindow, &StartWindow::closed, this, &DiscussionWindow::EndRun);
  // Below the input window, over the lower part of the graph.
  move(242, 300);
  resize(680, 360);
}

void DiscussionWindow::BuildControls() {
  Label2 = Label("Label2", "Intervall für die Nullstellen ", this);
  Evon = Edit("Evon", "-10", this);
  Ebis = Edit("Ebis", "10", this);
  Panel1 = Panel("Panel1", this, Label2, Evon, Ebis);
  Label1 = Label("Label1", "Abstand der Nullstellen", this);
  Label3 = Label("Label3", "größer", this);
  Estep = Edit("Estep", "1/10", this);
  Panel2 = Panel("Panel2", this, Label1, Label3, Estep);

  Button1 = Button("Button1", "?", this);
  BRechne = Button("BRechne", kDiskussion, this);
  QFont bold = BRechne->font();
  bold.setBold(true);
  BRechne->setFont(bold);
  Bplus = Button("Bplus", "+", this);
  Bminus = Button("Bminus", "-", this);
  Blinks = Button("Blinks", "<-", this);
  Brechts = Button("Brechts", "->", this);
  Button2 = Button("Button2", "Wertetafel", this);
  Bintegral = Button("Bintegral", "Integral", this);
  BPunkte = Button("BPunkte", kPunkte, this);
  BPunkte->setEnabled(false);
  for (QPushButton* small : {Button1, Bplus, Bminus, Blinks, Brechts})
    small->setFixedWidth(small->fontMetrics().horizontalAdvance(QStringLiteral("->")) + 20);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  QFont courier(QStringLiteral("Courier New"), 10);
  courier.setStyleHint(QFont::TypeWriter);
  Memo1->setFont(courier);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* start = new QVBoxLayout;
  start->setSpacing(2);
  start->addWidget(BRechne, 1);
  start->addWidget(Button1);
  auto* inputs = new QHBoxLayout;
  inputs->setSpacing(4);
  inputs->addWidget(Panel1, 3);
  inputs->addWidget(Panel2, 2);
  inputs->addLayout(start, 1);
  auto* commands = new QHBoxLayout;
  commands->setSpacing(4);
  for (QPushButton* button : {Bplus, Bminus, Blinks, Brechts}) commands->addWidget(button);
  commands->addSpacing(8);
  for (QPushButton* button : {Button2, Bintegral, BPunkte}) commands->addWidget(button);
  commands->addStretch(1);
  auto* rows = new QVBoxLayout(this);
  rows->setContentsMargins(2, 2, 2, 2);
  rows->setSpacing(2);
  rows->addLayout(inputs);
  rows->addLayout(commands);
  rows->addWidget(Memo1, 1);

  for (QLineEdit* edit : {Evon, Ebis, Estep}) edit->installEventFilter(this);
  connect(Button1, &QPushButton::clicked, this, &DiscussionWindow::Button1Click);
  connect(BRechne, &QPushButton::clicked, this, &DiscussionWindow::BRechneClick);
  for (QPushButton* zoom : {Bplus, Bminus})
    connect(zoom, &QPushButton::clicked, this, [this, zoom] { BplusClick(zoom); });
  for (QPushButton* shift : {Brechts, Blinks})
    connect(shift, &QPushButton::clicked, this, [this, shift] { BrechtsClick(shift); });
  connect(Button2, &QPushButton::clicked, this, &DiscussionWindow::Button2Click);
  connect(Bintegral, &QPushButton::clicked, this, &DiscussionWindow::BintegralClick);
  connect(BPunkte, &QPushButton::clicked, this, &DiscussionWindow::BPunkteClick);
  connect(Memo1, &QPlainTextEdit::textChanged, this, &DiscussionWindow::MemoChanged);
}

bool DiscussionWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (IsEnterKey(key)) {
      if (watched == Evon) EvonKeyPress(key);
      else if (watched == Ebis) EbisKeyPress(key);
      else if (watched == Estep) EstepKeyPress(key);
      else return QWidget::eventFilter(watched, e);
      return true;
    }
  }
  return QWidget::eventFilter(watched, e);
}

// A window closed during a run ends the run without a word.
void DiscussionWindow::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  // The frame is known once the window is shown; until then count the
  // client area alone.
  const QRect frame = frameGeometry().isValid() ? frameGeometry() : geometry();
  const int frameExtraWidth = std::max(0, frame.width() - width());
  const int frameExtraHeight = std::max(0, frame.height() - height());
  const int w = std::min(width(), area.width() - frameExtraWidth);
  const int h = std::min(height(), area.height() - frameExtraHeight);
  if (w != width() || h != height()) resize(w, h);
  const int left = std::clamp(frame.left(), area.left(), area.right() + 1 - (w + frameExtraWidth));
  const int top = std::clamp(frame.top(), area.top(), area.bottom() + 1 - (h + frameExtraHeight));
  if (left != frame.left() || top != frame.top()) move(left, top);
}

void DiscussionWindow::closeEvent(QCloseEvent* e) {
  EndRun();
  QWidget::closeEvent(e);
}

// The next edit comes with its text selected, ready to be typed over, as
// after Tab.
void DiscussionWindow::EvonKeyPress(int key) {
  if (IsEnterKey(key)) Ebis->setFocus(Qt::TabFocusReason);
}

void DiscussionWindow::EbisKeyPress(int key) {
  if (IsEnterKey(key)) Estep->setFocus(Qt::TabFocusReason);
}

void DiscussionWindow::EstepKeyPress(int key) {
  if (IsEnterKey(key)) BRechneClick();
}

bool DiscussionWindow::Running() const { return BRechne->text() == QLatin1String(kStop); }

// The scan sees the caption at its next step and ends; a run started
// meanwhile from within it takes the caption over.
void DiscussionWindow::EndRun() {
  if (Running()) BRechne->setText(QLatin1String(kRechne));
}

void DiscussionWindow::SetInterval(const char* from, const char* to, const char* step) {
  ShowFieldText(Evon, QString::fromLatin1(from));
  ShowFieldText(Ebis, QString::fromLatin1(to));
  ShowFieldText(Estep, QString::fromLatin1(step));
}

ScanNumbers DiscussionWindow::IntervalNumbers() const {
  return ReadScanNumbers(CoreText(Evon->text()), CoreText(Ebis->text()), CoreText(Estep->text()));
}

bool DiscussionWindow::StepAccepted(const ScanNumbers& numbers) {
  const std::string refusal = StepRefusal(numbers.a, numbers.b, numbers.d);
  if (refusal.empty()) return true;
  ShowMessage(refusal);
  return false;
}

bool DiscussionWindow::RunStoppable(const std::function<bool(const KeepGoing&)>& work) {
  // A table started while a discussion runs goes with it: one "Stop" ends both.
  const bool inner = Running();
  const QString caption = BRechne->text();
  BRechne->setText(QLatin1String(kStop));
  const KeepGoing keepGoing = [this] {
    QApplication::processEvents();
    return Running();
  };
  const bool finished = work(keepGoing);
  if (finished && !inner) BRechne->setText(caption);
  return finished;
}

void DiscussionWindow::BRechneClick() {
  if (Running()) {
    BRechne->setText(QLatin1String(kRechne));
    ShowMessage(discusstexts::kStopped);
    return;
  }
  const DiscussionTerm term = PrepareDiscussionTerm(functionInputWindow ? functionInputWindow->FunctionText() : std::string());
  const ScanNumbers numbers = IntervalNumbers();
  if (!StepAccepted(numbers)) return;
  std::optional<DiscussionResult> result;
  RunStoppable([&](const KeepGoing& keepGoing) {
    result = DiscussCurve(EngineTermFunction(term.term, term.paramLine), term.term, static_cast<double>(numbers.a),
                          static_cast<double>(numbers.b), static_cast<double>(numbers.d), keepGoing,
                          EngineSlopeFunction(term.term, term.paramLine));
    return result.has_value();
  });
  if (!result) return;
  SetMemoLines(Memo1, result->lines);
  points_ = std::move(result->points);
  BPunkte->setEnabled(!points_.empty());
  BRechne->setText(QLatin1String(kRechne));
}

void DiscussionWindow::Button1Click() {
  std::vector<std::string> help;
  for (const char* line : discusstexts::kHelpLines) help.push_back(Cp1252(line));
  SetMemoLines(Memo1, help);
  points_.clear();
  BPunkte->setEnabled(false);
}

// The points belong to the text of their run: once the memo is emptied
// (a new function typed in the plotter, a new opening) they are gone.
void DiscussionWindow::MemoChanged() {
  if (!Memo1->document()->isEmpty()) return;
  points_.clear();
  BPunkte->setEnabled(false);
}

void DiscussionWindow::Button2Click() {
  const DiscussionTerm term = PrepareDiscussionTerm(functionInputWindow ? functionInputWindow->FunctionText() : std::string());
  const ScanNumbers numbers = IntervalNumbers();
  if (!StepAccepted(numbers)) return;
  std::optional<std::vector<std::string>> rows;
  RunStoppable([&](const KeepGoing& keepGoing) {
    rows = ValueTableLines(EngineTermFunction(term.term, term.paramLine), numbers.a, numbers.b, numbers.d,
                           keepGoing, EngineSlopeFunction(term.term, term.paramLine));
    return rows.has_value();
  });
  if (rows) AddMemoLines(Memo1, *rows);
}

void DiscussionWindow::BintegralClick() {
  const DiscussionTerm term = PrepareDiscussionTerm(functionInputWindow ? functionInputWindow->FunctionText() : std::string());
  const IntegralOutcome outcome = IntegralPress(MemoLines(Memo1), term);
  AddMemoLines(Memo1, outcome.appendedLines);
  if (outcome.moveWindowToTop) {
    const QScreen* screen = this->screen();
    move(x(), screen ? screen->availableGeometry().top() : 0);
  }
  if (!outcome.message.empty()) ShowMessage(outcome.message);
}

void DiscussionWindow::RedrawPlotterBehind() {
  if (!functionInputWindow) return;
  functionInputWindow->Schaubild1Click();
  // Raised while the input window still has the focus, as it is opened.
  if (Plotter().DiscussionActive) BringToFront(this);
  functionInputWindow->hide();
}

void DiscussionWindow::ShowMovedView(const MovedView& view) {
  ShowFieldText(functionInputWindow->ELEx, QtText(view.lex));
  ShowFieldText(functionInputWindow->Ex000, QtText(view.x000));
  RedrawPlotterBehind();
  if (view.from) ShowFieldText(Evon, QtText(*view.from));
  if (view.to) ShowFieldText(Ebis, QtText(*view.to));
  if (view.step) ShowFieldText(Estep, QtText(*view.step));
}

void DiscussionWindow::BplusClick(QObject* sender) {
  if (!functionInputWindow) return;
  ShowMovedView(ZoomedView(CoreText(functionInputWindow->ELEx->text()), CoreText(functionInputWindow->Ex000->text()), sender == Bplus));
}

void DiscussionWindow::BrechtsClick(QObject* sender) {
  if (!functionInputWindow) return;
  ShowMovedView(
      ShiftedView(CoreText(functionInputWindow->ELEx->text()), CoreText(functionInputWindow->Ex000->text()), sender == Brechts));
}

void DiscussionWindow::BPunkteClick() {
  if (!functionInputWindow || points_.empty()) return;
  std::vector<std::string> list = functionInputWindow->PlotList();
  TakePointsIntoPlotList(points_, list);
  functionInputWindow->SetPlotList(list);
  {
    // The circles are lines of the list, so the whole list is drawn from
    // now on; one redraw follows.
    const QSignalBlocker quiet(functionInputWindow->CBAlle);
    functionInputWindow->CBAlle->setChecked(true);
  }
  RedrawPlotterBehind();
}

}  // namespace lumatik
