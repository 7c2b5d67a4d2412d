#include "calc/windows/calculator_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <iterator>
#include <string>
#include <vector>

#include "calc/calculation.h"
#include "calc/calculator_settings.h"
#include "calc/primelist.h"
#include "calc/windows/calculator_texts.h"
#include "calc/windows/plain_number_copy.h"
#include "expr/parameters.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"
#include "shell/messagesink.h"
#include "shell/windows/enter_key.h"
#include "shell/windows/forms.h"
#include "shell/windows/hint_input_dialog.h"
#include "shell/windows/qtext.h"
#include "shell/windows/start_window.h"
#include "shell/windows/window_frame.h"
#include "shell/windows/window_front.h"

namespace lumatik {

namespace {

constexpr int kSmallWidth = 550;
constexpr int kSmallHeight = 225;
constexpr const char* kDefaultTerm = "2*8+4*(27-3/2)";

QFont FixedFont(int pixels, bool bold) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QLineEdit* ResultEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setFont(FixedFont(16, true));
  return edit;
}

}  // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FRechne"));
  setWindowTitle(QStringLiteral("Rechnen"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  BuildControls();
  BuildMenu();
  resize(kSmallWidth, kSmallHeight);
  FormCreate();
}

CalculatorWindow::~CalculatorWindow() { FormDestroy(); }

void CalculatorWindow::BuildControls() {
  auto* central = new QWidget(this);
  EEing = ResultEdit("EEing", central);
  EEing->setText(QString::fromLatin1(kDefaultTerm));
  EAusg = ResultEdit("EAusg", central);
  InstallPlainNumberCopy(EAusg);
  EBruch = ResultEdit("EBruch", central);

  Label2 = new QLabel(QStringLiteral("Parameter"), central);
  Label2->setObjectName(QStringLiteral("Label2"));
  MParameter = new QPlainTextEdit(central);
  MParameter->setObjectName(QStringLiteral("MParameter"));
  MParameter->setFont(FixedFont(13, true));
  MParameter->setLineWrapMode(QPlainTextEdit::NoWrap);
  MParameter->setFixedWidth(140);
  SetMemoLines(MParameter, {"x=1", "x0=0", "x'=0"});

  Label3 = new QLabel(Ui("Verlauf(Zurückholen: Klick auf Zeile)"), central);
  Label3->setObjectName(QStringLiteral("Label3"));
  MVerlauf = new QPlainTextEdit(central);
  MVerlauf->setObjectName(QStringLiteral("MVerlauf"));
  MVerlauf->setFont(FixedFont(11, false));
  MVerlauf->setLineWrapMode(QPlainTextEdit::NoWrap);
  MVerlauf->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  for (QPlainTextEdit* memo : {MParameter, MVerlauf}) memo->setMinimumHeight(30);

  auto* parameters = new QVBoxLayout;
  parameters->setSpacing(1);
  parameters->addWidget(Label2);
  parameters->addWidget(MParameter);
  auto* history = new QVBoxLayout;
  history->setSpacing(1);
  history->addWidget(Label3);
  history->addWidget(MVerlauf);
  auto* columns = new QHBoxLayout;
  columns->setSpacing(4);
  columns->addLayout(parameters);
  columns->addLayout(history, 1);
  auto* rows = new QVBoxLayout(central);
  rows->setContentsMargins(2, 2, 2, 2);
  rows->setSpacing(1);
  rows->addWidget(EEing);
  rows->addWidget(EAusg);
  rows->addWidget(EBruch);
  rows->addLayout(columns, 1);
  setCentralWidget(central);

  for (QWidget* control : {static_cast<QWidget*>(EEing), static_cast<QWidget*>(EAusg),
                           static_cast<QWidget*>(EBruch), static_cast<QWidget*>(MParameter),
                           static_cast<QWidget*>(MVerlauf)})
    control->installEventFilter(this);
  MVerlauf->viewport()->installEventFilter(this);
  connect(EEing, &QLineEdit::textChanged, this, &CalculatorWindow::EEingChange);
  connect(MParameter, &QPlainTextEdit::textChanged, this, &CalculatorWindow::MParameterChange);
}

void CalculatorWindow::BuildMenu() {
  QMenuBar* MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  auto item = [this, MainMenu1](const char* name, const char* caption, void (CalculatorWindow::*handler)()) {
    QAction* action = MainMenu1->addAction(Ui(caption));
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  Schlieen1 = item("Schlieen1", "Schließen", &CalculatorWindow::BSchliessenClick);
  Rechne1 = item("Rechne1", "Rechne", &CalculatorWindow::BRechneClick);
  PFZ1 = item("PFZ1", "PFZ", &CalculatorWindow::BPFZClick);
  AlsWurzel = item("AlsWurzel", "Als Wurzel", &CalculatorWindow::BalsWurzelClick);
  Beispiele1 = item("Beispiele1", "Beispiele", &CalculatorWindow::BBeispielClick);
  Primzahlen1 = item("Primzahlen1", "Primzahlen", &CalculatorWindow::Primzahlen1Click);
  Hinweis1 = item("Hinweis1", "Hinweis", &CalculatorWindow::BHinweisClick);
  Verlaufgro1 = MainMenu1->addMenu(QStringLiteral("Verlauf..."));
  Verlaufgro1->setObjectName(QStringLiteral("Verlaufgro1"));
  auto subItem = [this](const char* name, const char* caption, void (CalculatorWindow::*handler)()) {
    QAction* action = Verlaufgro1->addAction(Ui(caption));
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  gross1 = subItem("gross1", "groß", &CalculatorWindow::LGrossClick);
  lschen1 = subItem("lschen1", "löschen", &CalculatorWindow::LverlaufClick);
  Zeilezurckholen1 = subItem("Zeilezurckholen1", "Zeile zurückholen",
                             &CalculatorWindow::Zeilezurckholen1Click);
}

// Settings that cannot be read leave the defaults; without the parameter
// file the history is not read either.
void CalculatorWindow::FormCreate() {
  std::vector<std::string> params = MemoLines(MParameter);
  std::vector<std::string> history;
  LoadCalculatorSettings(params, history);
  SetMemoLines(MParameter, params);
  SetMemoLines(MVerlauf, history);
  if (!history.empty()) EEing->setText(QtText(TermBeforeEquals(history.front())));
  ParamLines().setLines(params);
  ParamLines().setOnChanged([this] { ParamLinesChanged(); });
}

void CalculatorWindow::FormDestroy() {
  ParamLines().setOnChanged(nullptr);
  if (!SaveSettings()) ShowMessage("Nicht gespeichert");
}

bool CalculatorWindow::SaveSettings() const { return SaveCalculatorSettings(MemoLines(MParameter), MemoLines(MVerlauf)); }

void CalculatorWindow::FormActivate() {
  EEing->setText(EEing->text().trimmed());
  EEing->selectAll();
}

bool CalculatorWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QMainWindow::event(e);
}

void CalculatorWindow::closeEvent(QCloseEvent* e) {
  QMainWindow::closeEvent(e);
  BringToFront(startWindow);
}

// The window sees the keys before its controls.
bool CalculatorWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(e);
    if (key->key() == Qt::Key_Escape) {
      close();
      return true;
    }
    if (watched == EEing) {
      // "#" is easier to type than the apostrophe of a mixed number.
      if (key->text() == QLatin1String("#")) {
        EEing->insert(QStringLiteral("'"));
        return true;
      }
      if (IsEnterKey(key->key())) {
        BRechneClick();
        return true;
      }
    }
    // The memo still gets its new line after the computation.
    if (watched == MParameter && IsEnterKey(key->key())) BRechneClick();
  }
  if (e->type() == QEvent::MouseButtonRelease && watched == MVerlauf->viewport()) MVerlaufClick();
  return QMainWindow::eventFilter(watched, e);
}

void CalculatorWindow::EEingChange() {
  EAusg->clear();
  EBruch->clear();
}

// The memo is the engine's parameter list: whatever the user types is what
// the next computation reads.
void CalculatorWindow::MParameterChange() {
  ParamLines().setLines(MemoLines(MParameter));
  EAusg->clear();
  EBruch->clear();
}

// The engine dropped blank lines or added a parameter it needed.
void CalculatorWindow::ParamLinesChanged() {
  const std::vector<std::string> lines = ParamLines().lines();
  if (MemoLines(MParameter) == lines) return;
  SetMemoLines(MParameter, lines);
  MParameter->moveCursor(QTextCursor::End);
}

// Over the calculator, which stays on top of other windows: the box must too.
void CalculatorWindow::ShowMessageBox(const QString& text) { ShowMessageBoxOver(this, text); }

bool CalculatorWindow::ShowCalculation(const Calculation& calculation) {
  if (!calculation.failure.empty()) {
    ShowMessageBox(QtText(calculation.failure));
    return false;
  }
  EAusg->setText(QtText(ShownResult(calculation)));
  // A value with a message is no result: its field says so in red as well.
  QPalette palette = EAusg->palette();
  palette.setColor(QPalette::Text, calculation.message.empty()
                                       ? EBruch->palette().color(QPalette::Text)
                                       : QColor(Qt::red));
  EAusg->setPalette(palette);
  ShowFraction(QtText(calculation.fraction));
  AlsWurzel->setEnabled(calculation.rootEnabled);
  PFZ1->setEnabled(calculation.primeFactorsEnabled);
  return true;
}

// A long text, such as the 64 factors of 2^64, shows its beginning in the
// field and the whole of it, line by line, under the mouse.
void CalculatorWindow::ShowFraction(const QString& text) {
  constexpr int kTipLineLength = 64;
  EBruch->setText(text);
  EBruch->setCursorPosition(0);
  QStringList tipLines;
  if (EBruch->fontMetrics().horizontalAdvance(text) > EBruch->contentsRect().width() - 8)
    for (qsizetype from = 0; from < text.size(); from += kTipLineLength) tipLines << text.mid(from, kTipLineLength);
  EBruch->setToolTip(tipLines.join(QLatin1Char('\n')));
}

void CalculatorWindow::AddHistoryLineOnTop(const std::string& line) {
  std::vector<std::string> history = MemoLines(MVerlauf);
  history.insert(history.begin(), line);
  SetMemoLines(MVerlauf, history);
}

void CalculatorWindow::BRechneClick() {
  ParamLines().setLines(MemoLines(MParameter));
  const std::string typed = CoreText(EEing->text());
  const Calculation calculation = Calculate(typed);
  if (!ShowCalculation(calculation)) return;
  const std::string line = HistoryLine(typed, calculation);
  if (!HistoryContains(MemoLines(MVerlauf), line)) AddHistoryLineOnTop(line);
}

void CalculatorWindow::BPFZClick() {
  if (EEing->text().isEmpty()) return;
  BRechneClick();
  ParamLines().setLines(MemoLines(MParameter));
  const PrimeFactorCalculation pfz =
      CalculatePrimeFactors(CoreText(EEing->text()), MemoLines(MVerlauf));
  if (!pfz.calculation.failure.empty()) return;
  ShowFraction(QtText(pfz.calculation.fraction));
  if (!pfz.historyLine.empty()) AddHistoryLineOnTop(pfz.historyLine);
}

// Nothing goes into the history: the root form is another view of the
// line "Rechne" just wrote.
void CalculatorWindow::BalsWurzelClick() {
  if (EEing->text().isEmpty()) return;
  BRechneClick();
  ParamLines().setLines(MemoLines(MParameter));
  const RootCalculation root = CalculateRoot(CoreText(EEing->text()));
  if (root.written) ShowFraction(QtText(root.rootText));
}

void CalculatorWindow::Primzahlen1Click() {
  PlaceFrame(this, AvailableArea(this));
  SetMemoLines(MVerlauf, {kPrimeListHeading});
  std::string from = "1";
  std::string to = "2000";
  if (!InputPair("Berechnung von Primzahlen", "Ab der wievielten Primzahl?",
                 "Bis zur wievielten Primzahl", "", from, to))
    return;
  BuildPrimeList(from, to, [this](const std::string& line) { AddMemoLine(MVerlauf, line); });
}

// The part of the clicked line before its "=" becomes the term again, and
// the term field takes the keys: the next Enter computes it instead of
// breaking the history line. A selection being made stays where it is.
void CalculatorWindow::MVerlaufClick() {
  EEing->setText(QtText(TermBeforeEquals(Trim(MemoCaretText(MVerlauf)))));
  if (!MVerlauf->textCursor().hasSelection()) EEing->setFocus();
}

void CalculatorWindow::LGrossClick() {
  if (height() >= 300) {
    resize(kSmallWidth, kSmallHeight);
    gross1->setText(QStringLiteral("Gross"));
  } else {
    // From (100, 100) to the lower right corner, frame included.
    PlaceFrame(this, AvailableArea(this).adjusted(100, 100, 0, 0));
    gross1->setText(QStringLiteral("Klein"));
  }
}

void CalculatorWindow::LverlaufClick() {
  MVerlauf->clear();
  MParameter->clear();
}

void CalculatorWindow::BBeispielClick() {
  LGrossClick();
  QStringList examples;
  for (const char* example : kExamples) examples << Ui(example);
  MVerlauf->setPlainText(examples.join(QLatin1Char('\n')));
  ShowMessageBox(Ui(kExamplesMessage));
}

void CalculatorWindow::BHinweisClick() {
  std::string text;
  for (std::size_t i = 0; i < std::size(kHintLines); ++i) {
    if (i > 0) text += '\r';
    text += Cp1252(kHintLines[i]);
  }
  ShowHint(text);
}

void CalculatorWindow::Zeilezurckholen1Click() { ShowMessageBox(Ui(kRecallMessage)); }

void CalculatorWindow::BSchliessenClick() { close(); }

}  // namespace lumatik
