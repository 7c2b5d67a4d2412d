#include "screenshot/windows/capture_window.h"

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
#include "screenshot/windows/top_left_marker.h"
#include "screenshot/windows/bottom_right_marker.h"
#include "screenshot/windows/screen_capture.h"
#include "screenshot/windows/preview_window.h"
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

CaptureWindow::CaptureWindow(QWidget* parent) : QWidget(parent) {
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
  connect(Button2, &QPushButton::clicked, this, &CaptureWindow::Button2Click);
  connect(Bvorschau, &QPushButton::clicked, this, &CaptureWindow::BvorschauClick);
  connect(BTimer, &QPushButton::clicked, this, &CaptureWindow::BTimerClick);
  connect(Button4, &QPushButton::clicked, this, &CaptureWindow::Button4Click);
  connect(Timer1, &QTimer::timeout, this, &CaptureWindow::Timer1Timer);
  FormCreate();
}

void CaptureWindow::FormCreate() {
  BTimer->setText(Ui(kTimerIdleCaption));
  Timer1->stop();
}

// The markers belong to the capture window: whenever it is drawn they are there.
void CaptureWindow::paintEvent(QPaintEvent* event) {
  if (topLeftMarker) topLeftMarker->show();
  if (bottomRightMarker) bottomRightMarker->show();
  QWidget::paintEvent(event);
}

void CaptureWindow::closeEvent(QCloseEvent* event) {
  if (topLeftMarker) topLeftMarker->hide();
  if (bottomRightMarker) bottomRightMarker->hide();
  event->accept();
}

void CaptureWindow::HideToolWindows() {
  hide();
  if (topLeftMarker) topLeftMarker->hide();
  if (bottomRightMarker) bottomRightMarker->hide();
}

void CaptureWindow::Button2Click() {
  FormCreate();
  if (previewWindow) previewWindow->hide();
  if (topLeftMarker) topLeftMarker->show();
  if (bottomRightMarker) bottomRightMarker->show();
  const QSize screen = ScreenSize();
  const QRect frame = frameGeometry();
  const MarkerPlaces places = PlaceMarkers(screen.width(), screen.height(), frame.width(), frame.height());
  move(places.captureLeft, places.captureTop);
  if (topLeftMarker) topLeftMarker->move(places.upperLeftLeft, places.upperLeftTop);
  if (bottomRightMarker) bottomRightMarker->move(places.lowerRightLeft, places.lowerRightTop);
  ShowMessage(Cp1252(kMarkersHint));
}

void CaptureWindow::Button4Click() {
  FormCreate();
  ShowMessage(Cp1252(kHelp));
}

void CaptureWindow::BTimerClick() {
  ShowMessage(Cp1252(kTimerHint));
  BTimer->setText(QtText(TimerCaptionAfterClick(CoreText(BTimer->text()))));
  Timer1->start(1000);
}

void CaptureWindow::Timer1Timer() {
  const TimerTick tick = TimerTickAfter(CoreText(BTimer->text()));
  BTimer->setText(QtText(tick.caption));
  if (tick.hideWindows) HideToolWindows();
  if (tick.capture) {
    FormCreate();
    BvorschauClick();
  }
}

void CaptureWindow::BvorschauClick() {
  HideToolWindows();
  LetTheScreenRepaint(500);
  if (!topLeftMarker || !bottomRightMarker) return;
  const QSize screen = ScreenSize();
  const CapturePlan plan = PlanCapture(AsWindowRect(topLeftMarker->OuterRect()), AsWindowRect(bottomRightMarker->OuterRect()),
                                       screen.width(), screen.height());
  bottomRightMarker->move(plan.lowerRightLeft, plan.lowerRightTop);
  const ScreenCapture capture = CaptureScreen(plan.x, plan.y, plan.width, plan.height);
  if (!previewWindow) return;
  previewWindow->showMaximized();
  BringToFront(previewWindow);
  if (capture.impossibleHere) {
    ShowMessage(Cp1252(kNoCaptureHere));
    return;
  }
  if (capture.picture.isNull()) {
    ShowMessage("Fehler");
    return;
  }
  QGuiApplication::clipboard()->setImage(capture.picture);
  previewWindow->ShowCapture(capture.picture);
}

}  // namespace lumatik
