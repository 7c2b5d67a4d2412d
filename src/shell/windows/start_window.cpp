#include "shell/windows/start_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "calc/windows/calculator_window.h"
#include "plot/windows/function_input_window.h"
#include "plot/windows/graph_window.h"
#include "shell/settingsfiles.h"
#include "shell/windows/forms.h"
#include "shell/windows/qtext.h"
#include "shell/windows/window_frame.h"
#include "shell/windows/window_front.h"
#include "worksheet/windows/worksheet_window.h"

namespace lumatik {

namespace {

// The help texts are laid out for a fixed-pitch font: keep every blank.
constexpr const char* kStartTip =
    "Tipp: * Klicken Sie zuerst die \"Beispiele\" an!\r\n"
    "        Oder den gewünschten Programmpunkt, falls keine Beispiele im Menü.\r\n"
    "        Dieser zeigt dann zuerst ein Beispiel.\r\n"
    "\r\n"
    "      * Kein Menü beim Schaubild: Mausklick => Menü wieder da!";

struct HelpText {
  const char* button;
  const char* text;
};

constexpr HelpText kHelpTexts[] = {
    {"BSchaubild",
     "  Von der Sekante zur Tangente  "},
    {"Button2",
     "Programm beenden."},
    {"BLSG",
     "                LGS\r\n"
     "        Lineare Gleichungssysteme\r\n"
     "\r\n"
     "Beliebig viele Gleichungen und Unbekannte.\r\n"
     "Einfache Koeffizienteneingabe (Brüche erlaubt).\r\n"
     "Lösung wird vorgerechnet und auch als Bruch ausgegeben\r\n"
     "\r\n"
     "             Hinweis\r\n"
     "Beispiele aufrufen und Zahlen passend verändern!"},
    {"BCardano",
     "Quadratische Gleichung wird mit Hilfe der \"Mitternachtsformel\"\r\n"
     "                  2\r\n"
     "        -b ± wur(b - 4ac)\r\n"
     "x    = —————————————————— gelöst.\r\n"
     " 1,2          2a\r\n"
     "\r\n"
     "Mit der Formel von Cardano kann man Gleichungen 3. und 4. Grades lösen.\r\n"
     "(Setzt die Kenntnis komplexer Zahlen vorraus.)\r\n"
     "\r\n"
     "Tipp: Über \"Schaubild|Nullstellen\" werden Nullstellen beliebiger \r\n"
     "      Funktionen (numerisch) berechnet."},
    {"BGeometrie",
     "   Geometrie im dreidimensionalem Raum\r\n"
     "   ===================================\r\n"
     "Ebene Parameterform -> Ebene Koordinatenform\r\n"
     "Abstand Punkt-Ebene mit Veranschaulichung\r\n"
     "Abstand Punkt-Gerade mit Veranschaulichung\r\n"
     "Schnittpunkt zweier Geraden oder\r\n"
     "Abstand zweier windschiefer Geraden mit Veranschaulichung\r\n"
     "Schnittpunkt Gerade-Ebene\r\n"
     "Schnittpunkt Gerade-Kugel\r\n"
     "\r\n"
     "             Hinweis\r\n"
     "Beispiele aufrufen und Zahlen passend verändern!"},
    {"B3D",
     "             Veranschaulichung\r\n"
     "von Gerade-Ebene-Kugel\r\n"
     "Dreieck-Parallelogramm-Spat-Tetraeder\r\n"
     "\r\n"
     "             Hinweis\r\n"
     "Beispiele aufrufen und Zahlen passend verändern!\r\n"
     "\r\n"
     "             Achtung\r\n"
     "Name vollständig in Großbuchstaben:\r\n"
     "Projektion auf x1,x2-Ebene wird mitgezeichnet."},
    {"Button3",
     "            Rechenausdruck auswerten\r\n"
     "\r\n"
     " Zum Beispiel -5/2*(14/22-17/21) +1.2 wird berechnet zu\r\n"
     "              = 1,632 900 432 900 432 9 = 1886/1155 = 1'731/1155\r\n"
     "              a*x^3+b*x  (Parameter x=5 a=1/3 b=-3) zu\r\n"
     "              = 26,666 666 666 666 666 7 = 80/3 = 26'2/3\r\n"
     "              sin(Pi/6) + lg(1000) = si_(30)+lg(1000) zu\r\n"
     "              = 3,5 = 7/2 = 3'1/2\r\n"
     "\r\n"
     "Integriert sind die üblichen Standardfunktionen wie zum Beispiel\r\n"
     "sin(x) (im Bogenmaß) si_(x) im Gradmaß, lg(x), fak(x).\r\n"
     "Siehe \"Rechne|Hinweise\"!"},
    {"Button4",
     "         Berechnet Kettenbruchentwicklung\r\n"
     "Zum Beispiel: Pi = q=[3,7,15,1,292,1,1,1,2,1,3,...]\r\n"
     "              Pi ~ 22/7, 333/106, 355/113 (immer besser)\r\n"
     "         sqrt(2) = [1,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,...]\r\n"
     "         sqrt(2) ~ 3/2, 7/5, 17/12, 41/29, 99/70 (immer besser)\r\n"
     "         lb(3/2) = [0,1,1,2,2,3,1,5,2,23,2,2,1,1,...]\r\n"
     "         lb(3/2) = 1/2, 7/12, 24/41, 31/53\r\n"
     "         (wichtig in der Musiktheorie:\r\n"
     "          pythagoreische Komma = 7 Oktaven höher + 12 Quinten tiefer)"},
    {"BAlgebra",
     "Leider noch nicht fertig"},
};

constexpr const char* kInfoText =
    "                 lumatik\r\n"
    "\r\n"
    "Schulmathematik: Rechnen mit Brüchen und Wurzeln, Funktionen zeichnen,\r\n"
    "Gleichungen und Gleichungssysteme lösen, Geometrie im Raum.\r\n"
    "\r\n"
    "Zuerst \"Schaubild\": Von der Sekante zur Tangente.\r\n"
    "Nach \"Datei|Beenden\" im Schaubild erscheinen die übrigen Programmpunkte.";

QString HelpTextOf(const QString& button) {
  if (button == QLatin1String("Button1")) return Ui(kInfoText);
  for (const HelpText& help : kHelpTexts)
    if (button == QLatin1String(help.button)) return Ui(help.text);
  return {};
}

// Designed as a Windows form: 661 x 325 outside, the frame taking 8 pixels
// across and 34 down.
constexpr int kLeft = 167;
constexpr int kTop = 105;
constexpr int kClientWidth = 661 - 8;
constexpr int kClientHeight = 325 - 34;
// 16777088 as 0xBBGGRR: red 128, green 255, blue 255.
const QColor kBackground(128, 255, 255);

struct ButtonPlace {
  QPushButton* StartWindow::*button;
  const char* name;
  const char* caption;
  int left;
  int width;
  bool visibleAtStart;
};

constexpr ButtonPlace kButtons[] = {
    {&StartWindow::Button2, "Button2", "Schliessen", 0, 65, true},
    {&StartWindow::Button3, "Button3", "Rechne", 66, 57, false},
    {&StartWindow::BSchaubild, "BSchaubild", "Schaubild", 124, 57, true},
    {&StartWindow::BLSG, "BLSG", "LGS", 182, 41, false},
    {&StartWindow::BCardano, "BCardano", "Gleichungen", 224, 73, false},
    {&StartWindow::BGeometrie, "BGeometrie", "Geometrie", 298, 65, false},
    {&StartWindow::B3D, "B3D", "3D-Zeichnen", 364, 73, false},
    {&StartWindow::Button4, "Button4", "Kettenbrüche", 438, 75, false},
    {&StartWindow::Button1, "Button1", "Info...", 514, 41, true},
    {&StartWindow::BAlgebra, "BAlgebra", "Algebra", 558, 49, false},
};

}  // namespace

StartWindow::StartWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FormStart"));
  setWindowTitle(QStringLiteral("Start"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kBackground);
  colours.setColor(QPalette::Base, kBackground);
  setPalette(colours);
  setAutoFillBackground(true);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(25);
  Panel1->setFrameShape(QFrame::NoFrame);
  for (const ButtonPlace& place : kButtons) {
    auto* button = new QPushButton(Ui(place.caption), Panel1);
    button->setObjectName(QLatin1String(place.name));
    button->setGeometry(place.left, 0, place.width, 25);
    button->setVisible(place.visibleAtStart);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    this->*place.button = button;
  }
  // The order in which the buttons were placed on the panel.
  QWidget::setTabOrder(Button2, BSchaubild);
  QWidget::setTabOrder(BSchaubild, BLSG);
  QWidget::setTabOrder(BLSG, BCardano);
  QWidget::setTabOrder(BCardano, BGeometrie);
  QWidget::setTabOrder(BGeometrie, B3D);
  QWidget::setTabOrder(B3D, Button1);
  QWidget::setTabOrder(Button1, Button3);
  QWidget::setTabOrder(Button3, Button4);
  QWidget::setTabOrder(Button4, BAlgebra);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  QFont fixed(QStringLiteral("Courier New"));
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setPixelSize(13);
  Memo1->setFont(fixed);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Panel1);
  layout->addWidget(Memo1);

  connect(Button2, &QPushButton::clicked, this, &StartWindow::Button2Click);
  connect(BSchaubild, &QPushButton::clicked, this, &StartWindow::BSchaubildClick);
  connect(Button3, &QPushButton::clicked, this, &StartWindow::Button3Click);
  connect(BLSG, &QPushButton::clicked, this, &StartWindow::BLSGClick);
  connect(BCardano, &QPushButton::clicked, this, &StartWindow::BCardanoClick);
  connect(BGeometrie, &QPushButton::clicked, this, &StartWindow::BGeometrieClick);
  connect(B3D, &QPushButton::clicked, this, &StartWindow::B3DClick);
  connect(Button4, &QPushButton::clicked, this, &StartWindow::Button4Click);
  connect(BAlgebra, &QPushButton::clicked, this, &StartWindow::BAlgebraClick);

  move(kLeft, kTop);
  resize(kClientWidth, kClientHeight);
  FormCreate();
}

void StartWindow::FormCreate() { Memo1->setPlainText(Ui(kStartTip)); }

void StartWindow::RevealAreaButtons() {
  for (QPushButton* button : {Button3, BLSG, BCardano, BGeometrie, B3D, Button4})
    button->setVisible(true);
}

bool StartWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(e);
}

// Every return to the start window leaves the graph and an unsaved
// worksheet behind. A worksheet still open is no such worksheet: the start
// window also becomes active while the worksheet is made anew ("Blatt zu
// oberst") or when the user clicks it beside the worksheet, and that sheet
// is saved over its file when it closes.
void StartWindow::FormActivate() {
  if (graphWindow) graphWindow->hide();
  QPlainTextEdit* worksheet = WorksheetMemo();
  if (worksheet && !worksheet->window()->isVisible()) worksheet->clear();
}

bool StartWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::MouseMove) {
    const QString text = HelpTextOf(watched->objectName());
    if (!text.isNull()) Memo1->setPlainText(text);
  }
  return QWidget::eventFilter(watched, e);
}

void StartWindow::closeEvent(QCloseEvent* e) {
  QWidget::closeEvent(e);
  emit closed();
}

void StartWindow::Button2Click() { close(); }

void StartWindow::BSchaubildClick() {
  StartMode = 0;
  BringToFront(functionInputWindow);
  hide();
}

// The calculator's frame sits flush with the lower right corner of the part
// of the screen that windows may cover, whatever its size.
void StartWindow::Button3Click() {
  if (!calculatorWindow) return;
  const QRect area = AvailableArea(this);
  const QSize outer = calculatorWindow->size().grownBy(FrameMargins(calculatorWindow));
  PlaceFrame(calculatorWindow, QRect(QPoint(area.right() + 1 - outer.width(), area.bottom() + 1 - outer.height()), outer));
  BringToFront(calculatorWindow);
  hide();
}

void StartWindow::BLSGClick() { OpenWorksheet(1, 'l'); }
void StartWindow::BCardanoClick() { OpenWorksheet(2, 'c'); }
void StartWindow::BGeometrieClick() { OpenWorksheet(3, 'g'); }
void StartWindow::B3DClick() { OpenWorksheet(4, 'd'); }
void StartWindow::BAlgebraClick() { OpenWorksheet(6, 'a'); }
// Continued fractions keep no worksheet between runs.
void StartWindow::Button4Click() { OpenWorksheet(5, 0); }

// The start window stays visible behind the maximised worksheet. A missing
// or unreadable file leaves the memo as it was.
void StartWindow::OpenWorksheet(unsigned short mode, char settingsLetter) {
  // A worksheet still open belongs to the area it was opened for: it is
  // closed, and so saved there, before another area takes the window.
  if (QPlainTextEdit* open = WorksheetMemo(); open && open->window()->isVisible()) {
    open->window()->close();
    open->clear();
  }
  StartMode = mode;
  if (!worksheetWindow) return;
  worksheetWindow->showMaximized();
  BringToFront(worksheetWindow);
  if (settingsLetter == 0) return;
  QPlainTextEdit* worksheet = WorksheetMemo();
  if (!worksheet) return;
  // A missing file, or one that is no worksheet text (binary, huge, a
  // folder), leaves the worksheet's lines as they are.
  std::vector<std::string> lines;
  if (ReadTextLines(SettingsFileName(settingsLetter), lines)) SetMemoLines(worksheet, lines);
}

}  // namespace lumatik
