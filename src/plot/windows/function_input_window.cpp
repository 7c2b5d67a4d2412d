#include "plot/windows/function_input_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTimer>
#include <stdexcept>

#include "discuss/windows/discussion_window.h"
#include "expr/evaluate.h"
#include "plot/plotinput.h"
#include "plot/plotlist.h"
#include "plot/plotredraw.h"
#include "plot/plotter_state.h"
#include "plot/windows/plotter_texts.h"
#include "plot/windows/graph_window.h"
#include "plot/windows/function_list_window.h"
#include "screenshot/windows/capture_window.h"
#include "screenshot/windows/top_left_marker.h"
#include "screenshot/windows/bottom_right_marker.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"
#include "shell/messagesink.h"
#include "shell/settingsfiles.h"
#include "shell/windows/enter_key.h"
#include "shell/windows/forms.h"
#include "shell/windows/hint_input_dialog.h"
#include "shell/windows/qtext.h"
#include "shell/windows/start_window.h"
#include "shell/windows/window_front.h"

namespace lumatik {


namespace {

// The memo of another window, found by its designed name (null while that
// window has none).
QPlainTextEdit* MemoOf(QWidget* window) {
  return window ? window->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")) : nullptr;
}

void Message(const char* utf8) { ShowMessage(Cp1252(utf8)); }

}  // namespace

// A number the program writes shows its beginning, however narrow the field.
void ShowFieldText(QLineEdit* field, const QString& text) {
  field->setText(text);
  field->setCursorPosition(0);
}

FunctionInputWindow::FunctionInputWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1sb"));
  setWindowTitle(Ui("Eingabe Funktion Längeneinheiten Mitte"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  BuildControls();
  BuildMenu();
  move(242, 146);
  resize(520, menuBar()->sizeHint().height() + 72);
  FormCreate();
}

FunctionInputWindow::~FunctionInputWindow() { FormDestroy(); }

void FunctionInputWindow::BuildControls() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto label = [central](const char* name, const char* caption, int left, int top, int points, bool bold) {
    auto* l = new QLabel(Ui(caption), central);
    l->setObjectName(QLatin1String(name));
    QFont font = l->font();
    if (points > 0) font.setPointSize(points);
    font.setBold(bold);
    l->setFont(font);
    l->move(left, top);
    return l;
  };
  auto edit = [central](const char* name, const char* text, int left, int top, int width) {
    auto* e = new QLineEdit(QString::fromLatin1(text), central);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(left, top, width, 21);
    return e;
  };
  QFont courier(QStringLiteral("Courier New"), 10);
  courier.setStyleHint(QFont::TypeWriter);

  Label1 = label("Label1", "f(x)=", 0, 2, 10, true);
  ComboBox1 = new QComboBox(central);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->setCompleter(nullptr);
  ComboBox1->setFont(courier);
  ComboBox1->setGeometry(32, 0, 481, 22);
  Label2 = label("Label2", "LEx=", 0, 27, 0, true);
  ELEx = edit("ELEx", "1", 32, 24, 41);
  Label3 = label("Label3", "LEy=", 72, 27, 0, true);
  ELEy = edit("ELEy", "1", 104, 24, 41);
  Label4 = label("Label4", "M(", 144, 24, 12, true);
  Ex000 = edit("Ex000", "0", 162, 24, 32);
  Label5 = label("Label5", "|", 194, 20, 18, false);
  Ey000 = edit("Ey000", "0", 202, 24, 32);
  Label6 = label("Label6", ")", 234, 27, 0, true);
  Label7 = label("Label7", "x0", 248, 27, 0, true);
  Ex0 = edit("Ex0", "1", 264, 24, 33);
  Label8 = label("Label8", "x", 376, 27, 0, true);
  Ex = edit("Ex", "2", 392, 24, 121);
  Em = edit("Em", " ", 352, 48, 153);
  Em->setFont(courier);
  // The caption changes to "Tangentensteigung" and "Normalensteigung": it
  // ends at the slope field and has room for the longest.
  Lm = label("Lm", "Sekantensteigung", 256, 52, 0, false);
  Lm->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Lm->setGeometry(160, 48, Em->x() - 4 - 160, 21);
  CBAbleitung = new QCheckBox(Ui("Auch Ableitung"), central);
  CBAbleitung->setObjectName(QStringLiteral("CBAbleitung"));
  CBAbleitung->move(8, 36);
  CBAbleitung->setVisible(false);
  CBAlle = new QCheckBox(QStringLiteral("Alle"), central);
  CBAlle->setObjectName(QStringLiteral("CBAlle"));
  CBAlle->move(120, 36);
  CBAlle->setVisible(false);

  // Keys reach the combo box, which passes them to its line edit itself:
  // Enter is caught where it arrives.
  ComboBox1->installEventFilter(this);
  for (QLineEdit* e : {ELEx, ELEy, Ex000, Ey000}) e->installEventFilter(this);
  connect(ComboBox1, &QComboBox::activated, this, &FunctionInputWindow::ComboBox1Click);
  connect(ComboBox1, &QComboBox::editTextChanged, this, &FunctionInputWindow::ComboBox1Change);
  // A state set by the program redraws as a click would, once per change.
  connect(CBAbleitung, &QCheckBox::toggled, this, &FunctionInputWindow::CBAbleitungClick);
  connect(CBAlle, &QCheckBox::toggled, this, &FunctionInputWindow::CBAlleClick);
}

void FunctionInputWindow::BuildMenu() {
  QMenuBar* MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  auto menu = [this, MainMenu1](const char* name, const char* caption) {
    QMenu* m = MainMenu1->addMenu(Ui(caption));
    m->setObjectName(QLatin1String(name));
    return m;
  };
  auto item = [this](QMenu* m, const char* name, const char* caption, void (FunctionInputWindow::*handler)()) {
    QAction* action = m->addAction(Ui(caption));
    action->setObjectName(QLatin1String(name));
    if (handler) connect(action, &QAction::triggered, this, handler);
    return action;
  };
  auto separator = [](QMenu* m, const char* name) { m->addSeparator()->setObjectName(QLatin1String(name)); };

  Datei1 = menu("Datei1", "Datei");
  Listebearbeiten1 = item(Datei1, "Listebearbeiten1", "Liste ... ", &FunctionInputWindow::Listebearbeiten1Click);
  separator(Datei1, "N1");
  Beenden1 = item(Datei1, "Beenden1", "Beenden", &FunctionInputWindow::Beenden1Click);

  Schaubild1 = MainMenu1->addAction(QStringLiteral("Schaubild"));
  Schaubild1->setObjectName(QStringLiteral("Schaubild1"));
  connect(Schaubild1, &QAction::triggered, this, [this] { Schaubild1Click(Schaubild1); });

  Drucken1 = menu("Drucken1", "Drucken");
  Schaubilddrucken1 = item(Drucken1, "Schaubilddrucken1", "Schaubild drucken", nullptr);
  SchaubilddruckenmitText1 = item(Drucken1, "SchaubilddruckenmitText1", "Schaubild drucken mit Text", nullptr);
  for (QAction* print : {Schaubilddrucken1, SchaubilddruckenmitText1})
    connect(print, &QAction::triggered, this, [this, print] { Schaubilddrucken1Click(print); });
  SchaubildinZwischenablagefrWordetc1 = item(Drucken1, "SchaubildinZwischenablagefrWordetc1",
                                             "Bildschirmausschnitt speichern",
                                             &FunctionInputWindow::SchaubildinZwischenablagefrWordetc1Click);
  AlsBildspeichern1 = item(Drucken1, "AlsBildspeichern1", "Als Bild speichern …", nullptr);
  connect(AlsBildspeichern1, &QAction::triggered, this, [] {
    if (graphWindow) graphWindow->AlsBildspeichern1Click();
  });
  separator(Drucken1, "N3");
  Texteinfgen1 = item(Drucken1, "Texteinfgen1", "Text einfügen", &FunctionInputWindow::Texteinfgen1Click);

  Hilfe1 = menu("Hilfe1", "Hilfe");
  erstesBeispiel1 = item(Hilfe1, "erstesBeispiel1", "erstes Beispiel", &FunctionInputWindow::erstesBeispiel1Click);
  BeispielmitAbleitung1 =
      item(Hilfe1, "BeispielmitAbleitung1", "Beispiel mit Ableitung", &FunctionInputWindow::BeispielmitAbleitung1Click);
  Beispiel11 = item(Hilfe1, "Beispiel11", "Beispiel  veränderte Längeneinheiten", &FunctionInputWindow::Beispiel11Click);
  Beispiel31 = item(Hilfe1, "Beispiel31", "Beispiel Tangens", &FunctionInputWindow::Beispiel31Click);
  Beispiel41 = item(Hilfe1, "Beispiel41", "Beispiel Gauß'sche Klammerfunktion", &FunctionInputWindow::Beispiel41Click);
  BeispielListe1 = item(Hilfe1, "BeispielListe1", "Beispiel Liste", &FunctionInputWindow::BeispielListe1Click);
  Beispielabschnittweisedefiniert1 = item(Hilfe1, "Beispielabschnittweisedefiniert1",
                                          "Beispiel abschnittweise definiert",
                                          &FunctionInputWindow::Beispielabschnittweisedefiniert1Click);
  Beispielunstetig1 = item(Hilfe1, "Beispielunstetig1", "Beispiel unstetig", &FunctionInputWindow::Beispielunstetig1Click);
  BeispielM751 = item(Hilfe1, "BeispielM751", "Beispiel M( 7|6)", &FunctionInputWindow::BeispielM751Click);
  BeispielStreckeneinzeichnen1 = item(Hilfe1, "BeispielStreckeneinzeichnen1", "Beispiel Strecken einzeichnen",
                                      &FunctionInputWindow::BeispielStreckeneinzeichnen1Click);
  BeispielmitParameter1 =
      item(Hilfe1, "BeispielmitParameter1", "Beispiel mit Parameter", &FunctionInputWindow::BeispielmitParameter1Click);
  separator(Hilfe1, "N2");
  Schrittweite1 = item(Hilfe1, "Schrittweite1", "Schrittweite", &FunctionInputWindow::Schrittweite1Click);
  Hinweise1 = item(Hilfe1, "Hinweise1", "Hinweise", &FunctionInputWindow::Hinweise1Click);
  LezterFehler1 = item(Hilfe1, "LezterFehler1", "Lezter Fehler", &FunctionInputWindow::LezterFehler1Click);
  for (QAction* hidden : {BeispielmitAbleitung1, Beispiel41, Beispielabschnittweisedefiniert1, Beispielunstetig1,
                          BeispielStreckeneinzeichnen1, BeispielmitParameter1})
    hidden->setVisible(false);

  Nullstellenbestimmung1 = menu("Nullstellenbestimmung1", "Diskussion");
  RechneNullstellenaus1 = item(Nullstellenbestimmung1, "RechneNullstellenaus1", "Nullstellen, Wertetafel etc.",
                               &FunctionInputWindow::RechneNullstellenaus1Click);
  auto example = [this, &item](const char* name, const char* caption) {
    QAction* action = item(Nullstellenbestimmung1, name, caption, nullptr);
    connect(action, &QAction::triggered, this, [this, action] { Beispiel1Click(action); });
    return action;
  };
  Beispiel1 = example("Beispiel1", "Beispiel ganzr. Funktion");
  Gegenbeispiel1 = example("Gegenbeispiel1", "Beispiel gebr. rat. Polstellen");
  BeispieltrogonometrischeFunktion1 =
      example("BeispieltrogonometrischeFunktion1", "Beispiel trigonometrische Funktion");
  BeispieleFunktion1 = example("BeispieleFunktion1", "Beispiel e-Funktion");
  BeispielLog1 = example("BeispielLog1", "Beispiel ln-Funktion");
  BeispielfalscheEingabe1 = example("BeispielfalscheEingabe1", "Beispiel falsche Eingabe");
  BeispielunstetigeFunktion1 = example("BeispielunstetigeFunktion1", "Beispiel unstetige Funktion");
  Beispielx221 = example("Beispielx221", "Beispiel y=(x-2)^2");
  BeispielIntegral1 = example("BeispielIntegral1", "Beispiel Integral");

  VonderSekantezurTangente1 = menu("VonderSekantezurTangente1", "Von der Sekante zur Tangente");
  QMenu* s = VonderSekantezurTangente1;
  Sekantenlschen1 = item(s, "Sekantenlschen1", "Sekante löschen", &FunctionInputWindow::Sekantenlschen1Click);
  ZeichneSekante1 = item(s, "ZeichneSekante1", "Zeichne Sekante", &FunctionInputWindow::ZeichneSekante1Click);
  Lupe1 = item(s, "Lupe1", "Lupe", &FunctionInputWindow::Lupe1Click);
  ZeichneSekantemit12dx1 =
      item(s, "ZeichneSekantemit12dx1", "Zeichne Sekante mit 1/2dx", &FunctionInputWindow::ZeichneSekantemit12dx1Click);
  ZeichneTangente1 = item(s, "ZeichneTangente1", "Zeichne Tangente", &FunctionInputWindow::ZeichneTangente1Click);
  ZeichneNormale1 = item(s, "ZeichneNormale1", "Zeichne Normale", &FunctionInputWindow::ZeichneNormale1Click);
  Hinweis1 = item(s, "Hinweis1", "Hinweis", &FunctionInputWindow::Hinweis1Click);
  separator(s, "N4");
  Beispiel02x2bei151 =
      item(s, "Beispiel02x2bei151", "Beispiel 0,2x^2 bei 1,5", &FunctionInputWindow::Beispiel02x2bei151Click);
  Beispiel1xbei21 = item(s, "Beispiel1xbei21", "Beispiel 1/x bei 2", &FunctionInputWindow::Beispiel1xbei21Click);
  Beispielsqrtxbei41 =
      item(s, "Beispielsqrtxbei41", "Beispiel sqrt(x) bei 4", &FunctionInputWindow::Beispielsqrtxbei41Click);
  BeispielKreisr5bei41 =
      item(s, "BeispielKreisr5bei41", "Beispiel Kreis (r=5) bei 4 ", &FunctionInputWindow::BeispielKreisr5bei41Click);
}

// ---- the plot list and the fields

std::vector<std::string> FunctionInputWindow::PlotList() const {
  std::vector<std::string> list;
  for (int i = 0; i < ComboBox1->count(); ++i) list.push_back(CoreText(ComboBox1->itemText(i)));
  return list;
}

void FunctionInputWindow::SetPlotList(const std::vector<std::string>& list) {
  // A combo box takes its first item as text when it gets one; ours keeps
  // the line being edited, and for the user the text never changed.
  const QString text = ComboBox1->currentText();
  const QSignalBlocker blocker(ComboBox1);
  ComboBox1->clear();
  for (const std::string& line : list) ComboBox1->addItem(QtText(line));
  if (ComboBox1->currentText() != text) ComboBox1->setEditText(text);
}

void FunctionInputWindow::AddToPlotList(const std::string& line) {
  std::vector<std::string> list = PlotList();
  list.push_back(line);
  SetPlotList(list);
}

std::string FunctionInputWindow::FunctionText() const { return CoreText(ComboBox1->currentText()); }

void FunctionInputWindow::SetFunctionText(const std::string& text) { ComboBox1->setEditText(QtText(text)); }

PlotFieldTexts FunctionInputWindow::PlotFields() const {
  PlotFieldTexts fields;
  fields.lex = CoreText(ELEx->text());
  fields.ley = CoreText(ELEy->text());
  fields.x0 = CoreText(Ex000->text());
  fields.y0 = CoreText(Ey000->text());
  fields.function = FunctionText();
  return fields;
}

void FunctionInputWindow::SetUnits(const char* lex, const char* ley) {
  ShowFieldText(ELEx, QString::fromLatin1(lex));
  ShowFieldText(ELEy, QString::fromLatin1(ley));
}

void FunctionInputWindow::SetCentre(const char* x0, const char* y0) {
  ShowFieldText(Ex000, QString::fromLatin1(x0));
  ShowFieldText(Ey000, QString::fromLatin1(y0));
}

// ---- window events

void FunctionInputWindow::FormCreate() {
  try {
    std::vector<std::string> saved;
    if (ReadTextLines(SettingsFileName('1'), saved)) SetPlotList(saved);
    SetCentre("0", "0");
    SetUnits("1", "1");
    // Every run starts with an empty list: the saved one is only kept on disk.
    const std::string current = FunctionText();
    SetPlotList({});
    ClearListWindowMemo();
    AddToPlotList(current);
  } catch (const std::runtime_error&) {
    // The file system refused: the window starts with what it has.
  }
}

void FunctionInputWindow::FormDestroy() {
  if (!SavePlotList()) ShowMessage("Nicht gespeichert");
}

bool FunctionInputWindow::SavePlotList() const { return WriteTextLinesAtomically(SettingsFileName('1'), PlotList()); }

// The window's paint pass runs when the window appears as a whole: shown
// after it was hidden, or restored after it was minimised. A repaint of a
// control, a blinking caret or a move of the focus is no such moment; the
// pass would take the focus and the derivative from the user there. A
// redraw that keeps this window on the screen does not hide it, so it is
// no such moment either.
void FunctionInputWindow::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  // The pass may redraw the graph, which a show event must not do itself.
  if (!paintPassPending_) {
    paintPassPending_ = true;
    QTimer::singleShot(0, this, &FunctionInputWindow::FormPaint);
  }
}

void FunctionInputWindow::FormPaint() {
  paintPassPending_ = false;
  if (!isVisible()) return;
  std::vector<std::string> list = PlotList();
  RemoveBlankItemsAsPainted(list);
  if (list != PlotList()) SetPlotList(list);
  if (IsBlank(FunctionText())) SetFunctionText(FunctionTextWhenBlank(list));
  ComboBox1->setFocus();
  // Each change of a check box redraws. Opened again in the same run, with
  // the boxes as they were, nothing would draw the graph the start window
  // hid: the input window would stand over an empty screen.
  const bool boxesRedraw = CBAbleitung->isChecked() || !CBAlle->isChecked();
  CBAbleitung->setChecked(false);
  CBAlle->setChecked(true);
  if (!boxesRedraw && graphWindow && !graphWindow->isVisible()) Schaubild1Click();
}

// However the window is closed, it is left as "Beenden" leaves it.
void FunctionInputWindow::closeEvent(QCloseEvent* e) {
  if (startWindow) startWindow->RevealAreaButtons();
  Plotter().DiscussionActive = false;
  if (captureWindow) captureWindow->hide();
  QMainWindow::closeEvent(e);
  BringToFront(startWindow);
}

bool FunctionInputWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (IsEnterKey(key)) {
      if (watched == ComboBox1) ComboBox1KeyDown(key);
      else if (watched == ELEx) ELExKeyDown(key);
      else if (watched == ELEy) ELEyKeyDown(key);
      else if (watched == Ex000) Ex000KeyDown(key);
      else if (watched == Ey000) Ey000KeyDown(key);
      else return QMainWindow::eventFilter(watched, e);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, e);
}

// ---- keys and controls

void FunctionInputWindow::ComboBox1KeyDown(int key) {
  if (IsEnterKey(key)) Schaubild1Click();
}

void FunctionInputWindow::Ex000KeyDown(int key) {
  if (IsEnterKey(key)) Schaubild1Click();
}

void FunctionInputWindow::Ey000KeyDown(int key) {
  if (IsEnterKey(key)) Schaubild1Click();
}

// A plain number is taken for both axes at once; a term such as "2*Pi"
// waits for the Enter of another field or the menu.
void FunctionInputWindow::ELExKeyDown(int key) {
  if (!IsEnterKey(key) || !IsPlainNumber(CoreText(ELEx->text()))) return;
  ShowFieldText(ELEy, ELEx->text());
  Schaubild1Click();
}

void FunctionInputWindow::ELEyKeyDown(int key) {
  if (IsEnterKey(key) && IsPlainNumber(CoreText(ELEy->text()))) Schaubild1Click();
}

void FunctionInputWindow::ComboBox1Click() { Schaubild1Click(); }

void FunctionInputWindow::ComboBox1Change() {
  if (QPlainTextEdit* memo = MemoOf(discussionWindow)) memo->clear();
}

void FunctionInputWindow::CBAbleitungClick() { Schaubild1Click(); }

void FunctionInputWindow::CBAlleClick() { Schaubild1Click(); }

// ---- the redraws

void FunctionInputWindow::PrepareGraph(unsigned colour, bool inputWindowStays) {
  MathErrorText().clear();
  std::vector<std::string> list = PlotList();
  AddCurrentToList(FunctionText(), list);
  SetPlotList(list);
  if (graphWindow) graphWindow->ClearGraph(colour);
  // A window hidden and shown again within one redraw never leaves the
  // user's sight; it stays, and comes back to the front at the end.
  if (!inputWindowStays) hide();
}

void FunctionInputWindow::Schaubild1Click(QObject* sender) {
  PrepareGraph(kBlack, sender == nullptr);
  RedrawOptions options;
  options.all = CBAlle->isChecked();
  options.derivative = CBAbleitung->isChecked();
  options.blackCurves = false;
  options.steps = Plotter().ValuesPerCm;
  const std::vector<std::string> list = PlotList();
  const PlotFieldTexts fields = PlotFields();
  if (graphWindow) {
    PlotListRedraw redraw = PlotListRedraw::ForScreen(list, fields, options);
    const PlotFrame frame{0, graphWindow->width(), graphWindow->height()};
    graphWindow->PaintInSlices([&](Canvas& canvas, const KeepDrawing& more) { return redraw.draw(canvas, frame, more); });
  }
  // After the menu item the graph stays alone until the user clicks it or
  // presses Esc, so it takes the keys.
  if (sender == nullptr)
    ShowInFront();
  else
    BringToFront(graphWindow);
}

void FunctionInputWindow::SchaubildinZwischenablagefrWordetc1Click() {
  PrepareGraph(kWhite, false);
  const std::vector<std::string> list = PlotList();
  const PlotFieldTexts fields = PlotFields();
  const bool all = CBAlle->isChecked();
  const bool derivative = CBAbleitung->isChecked();
  if (graphWindow) {
    PlotListRedraw redraw = PlotListRedraw::ForExport(list, fields, all, derivative);
    const PlotFrame frame{0, graphWindow->width(), graphWindow->height()};
    graphWindow->PaintInSlices([&](Canvas& canvas, const KeepDrawing& more) { return redraw.draw(canvas, frame, more); });
  }
  if (topLeftMarker) topLeftMarker->show();
  if (bottomRightMarker) bottomRightMarker->show();
  BringToFront(captureWindow);
}

// The graph window was raised meanwhile: a window shown again keeps its old
// place in the stacking order unless it is raised.
void FunctionInputWindow::ShowInFront() { BringToFront(this); }

void FunctionInputWindow::ResetInput() {
  SetFunctionText("");
  SetPlotList({});
  SetUnits("1", "1");
  SetCentre("0", "0");
  CBAbleitung->setChecked(false);
  CBAlle->setChecked(false);
}

// ---- menu "Datei" and "Hilfe"

// The list comes over the graph with the caret at its end, where a text
// line just added by a right click waits for its text.
void FunctionInputWindow::Listebearbeiten1Click() {
  if (!functionListWindow) return;
  BringToFront(functionListWindow);
  if (QPlainTextEdit* memo = MemoOf(functionListWindow)) {
    SetMemoLines(memo, PlotList());
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
  }
}

void FunctionInputWindow::ClearListWindowMemo() {
  if (QPlainTextEdit* memo = MemoOf(functionListWindow)) memo->clear();
}

void FunctionInputWindow::Beenden1Click() { close(); }

void FunctionInputWindow::Texteinfgen1Click() {
  Schaubild1Click();
  Message(plottexts::kTextEinfuegen);
  Plotter().TextInsertMode = true;
}

void FunctionInputWindow::Schrittweite1Click() {
  std::string value = std::to_string(Plotter().ValuesPerCm);
  InputOne(Cp1252(plottexts::kSchrittweiteCaption), Cp1252(plottexts::kSchrittweiteLabel),
           Cp1252(plottexts::kSchrittweiteText), value);
  try {
    Plotter().ValuesPerCm = ValuesPerCmOf(EvalTerm(value));
  } catch (const std::runtime_error&) {
    // x itself cannot be read: the count stays.
  }
  if (Plotter().ValuesPerCm < 10) ShowHint(Cp1252(plottexts::kSehrWenig));
  if (Plotter().ValuesPerCm > 400) ShowHint(Cp1252(plottexts::kLangeWartezeiten));
}

void FunctionInputWindow::Hinweise1Click() {
  ShowHint(Cp1252(plottexts::kHinweise));
  Schaubild1Click();
}

void FunctionInputWindow::LezterFehler1Click() { ShowMessage(LastErrorReport(MathErrorText())); }

}  // namespace lumatik
