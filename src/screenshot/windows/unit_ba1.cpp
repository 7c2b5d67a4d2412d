#include "screenshot/windows/unit_ba1.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFont>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "screenshot/capture_geometry.h"
#include "screenshot/countdown.h"
#include "screenshot/windows/unit_ba2.h"
#include "screenshot/windows/unit_ba3.h"
#include "screenshot/windows/screen_capture.h"
#include "screenshot/windows/unit_ba4.h"
#include "shell/codepage.h"
#include "shell/messagesink.h"
#include "shell/windows/forms.h"
#include "shell/windows/qtext.h"
#include "shell/windows/window_front.h"

namespace lumatik {

namespace {

constexpr const char* kMarkersHint =
    "\"Ziehen\" Sie die Markierungen an die richtige Stelle. \rDer linke obere Punkt des Rechtecks \"links oben\" "
    "und \rder rechte untere Punkt des Rechtecks \"rechts unten\" sind maßgeblich.";

constexpr const char* kHelp =
    "Ziehen Sie die beiden Markierungen an die Stelle, die den Rechtecksauschnitt links oben und rechts unten "
    "markieren. Bei Klick auf \"Vorschau\" wird das Bild in die Zwischenablage kopiert und eine Vorschau gezeigt. "
    "Sie können den Vorgang mit \"Zurück\" beliebig oft wiederholen oder das Bild in die Zwischenablage kopieren "
    "und das Programm beenden..\r\rDas Bild können Sie dann beispielsweise in \"Word\" kopieren oder mit \"Paint\" "
    "bearbeiten.\r\rAchtung: Die Vorschau hat dasselbe Aussehen wie Ihr Bildschirm.\r                Links oben "
    "sehen Sie aber den Titel \"Vorschau\" und das Menu\r                \"Datei\" und \"Zurück\".";

constexpr const char* kTimerHint =
    "In 10 Sekunten (bei einem weiteren Klick in 20 Sekunten etc.) wird der Bildschirmauschnitt aufgenommen. Sie "
    "haben jetzt noch die Möglichkeit, Menüs aufzuklappen, Fenster sichtbar zu machen u.s.w., so dass auch dies "
    "aufs Bild kommt.\r\r(Das Problem, dass Fenster verschwinden, wenn Sie dieses Programm aktivieren, ist damit "
    "gelöst.)\r\rZurücksetzten des Timers: Klick auf \"?\"!";

constexpr const char* kNoCaptureHere =
    "Ein Bildschirmfoto ist hier nicht möglich: Unter Wayland gibt der Desktop den Bildschirm nur über sein "
    "Bildschirmfoto-Portal (xdg-desktop-portal) heraus, und das hat kein Bild geliefert.";

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int left, int width) {
  auto* button = new QPushButton(Ui(caption), parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(left, 0, width, 25);
  return button;
}

WindowRect AsWindowRect(const QRect& frame) {
  return WindowRect{frame.left(), frame.top(), frame.width(), frame.height()};
}

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize();
}

// The screen needs a moment to repaint what the tool's windows covered;
// meanwhile the program repaints its own windows but takes no input.
void LetTheScreenRepaint(int milliseconds) {
  QCoreApplication::processEvents();
  const QDeadlineTimer deadline(milliseconds);
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, static_cast<int>(deadline.remainingTime()));
  }
}

}  // namespace

TForm_ba1::TForm_ba1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form_ba1"));
  setWindowTitle(Ui("Screenshot"));
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
  // The buttons' widths are made for this font's captions.
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  Button2 = MakeButton(this, "Button2", "Markierungen", 0, 75);
  Bvorschau = MakeButton(this, "Bvorschau", "Vorschau", 72, 65);
  BTimer = MakeButton(this, "BTimer", "Timer", 136, 41);
  Button4 = MakeButton(this, "Button4", "?", 174, 29);
  // The buttons overlap by a pixel or three; the one further right is on top.
  resize(Button4->geometry().right() + 1, 25);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  connect(Button2, &QPushButton::clicked, this, &TForm_ba1::Button2Click);
  connect(Bvorschau, &QPushButton::clicked, this, &TForm_ba1::BvorschauClick);
  connect(BTimer, &QPushButton::clicked, this, &TForm_ba1::BTimerClick);
  connect(Button4, &QPushButton::clicked, this, &TForm_ba1::Button4Click);
  connect(Timer1, &QTimer::timeout, this, &TForm_ba1::Timer1Timer);
  FormCreate();
}

void TForm_ba1::FormCreate() {
  BTimer->setText(Ui(kTimerIdleCaption));
  Timer1->stop();
}

// The markers belong to the capture window: whenever it is drawn they are there.
void TForm_ba1::paintEvent(QPaintEvent* event) {
  if (Form_ba2) Form_ba2->show();
  if (Form_ba3) Form_ba3->show();
  QWidget::paintEvent(event);
}

void TForm_ba1::closeEvent(QCloseEvent* event) {
  if (Form_ba2) Form_ba2->hide();
  if (Form_ba3) Form_ba3->hide();
  event->accept();
}

void TForm_ba1::HideToolWindows() {
  hide();
  if (Form_ba2) Form_ba2->hide();
  if (Form_ba3) Form_ba3->hide();
}

void TForm_ba1::Button2Click() {
  FormCreate();
  if (Form_ba4) Form_ba4->hide();
  if (Form_ba2) Form_ba2->show();
  if (Form_ba3) Form_ba3->show();
  const QSize screen = ScreenSize();
  const QRect frame = frameGeometry();
  const MarkerPlaces places = PlaceMarkers(screen.width(), screen.height(), frame.width(), frame.height());
  move(places.captureLeft, places.captureTop);
  if (Form_ba2) Form_ba2->move(places.upperLeftLeft, places.upperLeftTop);
  if (Form_ba3) Form_ba3->move(places.lowerRightLeft, places.lowerRightTop);
  ShowMessage(Cp1252(kMarkersHint));
}

void TForm_ba1::Button4Click() {
  FormCreate();
  ShowMessage(Cp1252(kHelp));
}

void TForm_ba1::BTimerClick() {
  ShowMessage(Cp1252(kTimerHint));
  BTimer->setText(QtText(TimerCaptionAfterClick(CoreText(BTimer->text()))));
  Timer1->start(1000);
}

void TForm_ba1::Timer1Timer() {
  const TimerTick tick = TimerTickAfter(CoreText(BTimer->text()));
  BTimer->setText(QtText(tick.caption));
  if (tick.hideWindows) HideToolWindows();
  if (tick.capture) {
    FormCreate();
    BvorschauClick();
  }
}

void TForm_ba1::BvorschauClick() {
  HideToolWindows();
  LetTheScreenRepaint(500);
  if (!Form_ba2 || !Form_ba3) return;
  const QSize screen = ScreenSize();
  const CapturePlan plan = PlanCapture(AsWindowRect(Form_ba2->OuterRect()), AsWindowRect(Form_ba3->OuterRect()),
                                       screen.width(), screen.height());
  Form_ba3->move(plan.lowerRightLeft, plan.lowerRightTop);
  const ScreenCapture capture = CaptureScreen(plan.x, plan.y, plan.width, plan.height);
  if (!Form_ba4) return;
  Form_ba4->showMaximized();
  BringToFront(Form_ba4);
  if (capture.impossibleHere) {
    ShowMessage(Cp1252(kNoCaptureHere));
    return;
  }
  if (capture.picture.isNull()) {
    ShowMessage("Fehler");
    return;
  }
  QGuiApplication::clipboard()->setImage(capture.picture);
  Form_ba4->ShowCapture(capture.picture);
}

}  // namespace lumatik
