#include "plot/windows/graph_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "discuss/windows/discussion_window.h"
#include "plot/paint/plot_picture.h"
#include "plot/plotinput.h"
#include "plot/plotredraw.h"
#include "plot/plotter_state.h"
#include "plot/windows/plotter_texts.h"
#include "plot/windows/function_input_window.h"
#include "screenshot/windows/capture_window.h"
#include "screenshot/windows/top_left_marker.h"
#include "screenshot/windows/bottom_right_marker.h"
#include "shell/codepage.h"
#include "shell/messagesink.h"
#include "shell/windows/forms.h"
#include "shell/windows/qtext.h"
#include "shell/windows/window_front.h"
#include "worksheet/windows/worksheet_window.h"

namespace lumatik {


namespace {

QRect ScreenRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1600, 1200);
}

}  // namespace

TGraphImage::TGraphImage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Image1"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setContextMenuPolicy(Qt::CustomContextMenu);
}

void TGraphImage::ensureSize(QSize size) {
  if (picture_.width() >= size.width() && picture_.height() >= size.height()) return;
  // The window's designed light grey where nothing is drawn yet.
  QImage bigger = NewPlotPicture(size.expandedTo(picture_.size()), QColor(0xE3, 0xE3, 0xE3));
  if (!picture_.isNull()) {
    QPainter painter(&bigger);
    painter.drawImage(0, 0, picture_);
  }
  picture_ = bigger;
}

void TGraphImage::paintEvent(QPaintEvent* e) {
  QPainter painter(this);
  painter.fillRect(e->rect(), QColor(0xE3, 0xE3, 0xE3));
  painter.drawImage(e->rect().topLeft(), picture_, e->rect());
}

void TGraphImage::mousePressEvent(QMouseEvent* e) {
  emit mouseDown(e->button(), e->buttons(), e->modifiers(), e->position().toPoint());
}

void TGraphImage::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

GraphWindow::GraphWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form2sb"));
  setWindowTitle(QStringLiteral("Schaubild"));
  Image1 = new TGraphImage(this);
  BFom2sb_x = new QPushButton(QStringLiteral("X"), this);
  BFom2sb_x->setObjectName(QStringLiteral("BFom2sb_x"));
  BFom2sb_x->setFixedSize(16, 16);
  BFom2sb_x->setFocusPolicy(Qt::NoFocus);
  BuildPopupMenu();
  connect(Image1, &TGraphImage::clicked, this, &GraphWindow::Image1Click);
  connect(Image1, &TGraphImage::mouseDown, this, &GraphWindow::Image1MouseDown);
  // The right click itself activates the window, so the menu is decided as
  // on activation even where the window system reports that late.
  connect(Image1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    FormActivate();
    if (image1PopupMenu_) image1PopupMenu_->popup(Image1->mapToGlobal(pos));
  });
  connect(BFom2sb_x, &QPushButton::clicked, this, &GraphWindow::BFom2sb_xClick);
  FormCreate();
}

void GraphWindow::BuildPopupMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  auto item = [this](const char* name, const char* caption, ViewChange change) {
    QAction* action = PopupMenu1->addAction(Ui(caption));
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, [this, change] { AlphavergroessernClick(change); });
    return action;
  };
  Alphavergroessern = item("Alphavergroessern", "Alpha vergrößern", ViewChange::AlphaUp);
  Alphaverkleinern = item("Alphaverkleinern", "Alpha verkleinern", ViewChange::AlphaDown);
  EinheitxAchsevergretrn1 = item("EinheitxAchsevergretrn1", "Einheit x-Achse vergrößern", ViewChange::UnitXUp);
  EinheitxAchseverkleineren1 =
      item("EinheitxAchseverkleineren1", "Einheit x-Achse verkleineren", ViewChange::UnitXDown);
  EinheityAchsevergrern1 = item("EinheityAchsevergrern1", "Einheit y-Achse vergrößern", ViewChange::UnitYUp);
  EinheiyxAchseverkleineren =
      item("EinheiyxAchseverkleineren", "Einheit y-Achse verkleinern", ViewChange::UnitYDown);
  EinheitzAchsevergrern1 = item("EinheitzAchsevergrern1", "Einheit z-Achse vergrößern", ViewChange::UnitZUp);
  EinheitzAchseverkleineren1 =
      item("EinheitzAchseverkleineren1", "Einheit z-Achse verkleineren", ViewChange::UnitZDown);
  Nachunten1 = item("Nachunten1", "Nach unten", ViewChange::Down);
  Nachoben1 = item("Nachoben1", "Nach oben", ViewChange::Up);
  Nachrechts = item("Nachrechts", "Nach rechts", ViewChange::Right);
  Nachlinks1 = item("Nachlinks1", "Nach links", ViewChange::Left);
  Bidschirmausschnittspeichern1 = PopupMenu1->addAction(Ui("Bidschirmausschnitt speichern"));
  Bidschirmausschnittspeichern1->setObjectName(QStringLiteral("Bidschirmausschnittspeichern1"));
  connect(Bidschirmausschnittspeichern1, &QAction::triggered, this, &GraphWindow::Bidschirmausschnittspeichern1Click);
  AlsBildspeichern1 = PopupMenu1->addAction(Ui("Als Bild speichern …"));
  AlsBildspeichern1->setObjectName(QStringLiteral("AlsBildspeichern1"));
  connect(AlsBildspeichern1, &QAction::triggered, this, &GraphWindow::AlsBildspeichern1Click);
}

// Borderless over the whole screen.
void GraphWindow::FormCreate() {
  setWindowFlag(Qt::FramelessWindowHint);
  setGeometry(ScreenRect());
  Image1->setGeometry(rect());
  Image1->ensureSize(ScreenRect().size().expandedTo(size()));
}

void GraphWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Image1->setGeometry(rect());
  Image1->ensureSize(size());
}

bool GraphWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(e);
}

void GraphWindow::FormActivate() { image1PopupMenu_ = StartMode != 0 ? PopupMenu1 : nullptr; }

void GraphWindow::Paint(const std::function<void(Canvas&)>& drawing) {
  tape_.setArea(width(), height());
  PaintPlot(Image1->picture(), canvasState_, [&](Canvas& canvas) {
    TapingCanvas taping(canvas, tape_);
    drawing(taping);
  });
  Image1->update();
}

bool GraphWindow::PaintInSlices(const std::function<bool(Canvas&, const std::function<bool()>&)>& slice) {
  // A slice short enough that Esc answers at once, long enough that showing
  // the picture costs little of the drawing.
  constexpr qint64 kSliceMs = 40;
  const int run = ++drawingRun_;
  drawing_ = true;
  stopRequested_ = false;
  bool finished = false;
  QElapsedTimer clock;
  while (true) {
    clock.start();
    Paint([&](Canvas& canvas) { finished = slice(canvas, [&clock] { return clock.elapsed() < kSliceMs; }); });
    if (finished) break;
    QApplication::processEvents();
    if (stopRequested_ || drawingRun_ != run) break;
  }
  if (drawingRun_ == run) drawing_ = false;
  return finished;
}

void GraphWindow::ClearGraph(Colour colour) {
  BFom2sb_x->move(width() - BFom2sb_x->width(), 0);
  show();
  raise();
  BFom2sb_x->raise();
  const QRect screen = ScreenRect();
  Image1->ensureSize(screen.size());
  Paint([&](Canvas& canvas) { ClearCanvas(canvas, colour, screen.width(), screen.height()); });
}

void GraphWindow::ShowControllingWindow() {
  if (StartMode == 0) {
    if (functionInputWindow) functionInputWindow->ShowInFront();
  } else {
    BringToFront(worksheetWindow);
  }
}

void GraphWindow::Image1Click() {
  if (swallowClick_) {
    swallowClick_ = false;
    return;
  }
  if (StartMode != 0) {
    ShowControllingWindow();
    return;
  }
  const bool inputWasVisible = functionInputWindow && functionInputWindow->isVisible();
  if (functionInputWindow) functionInputWindow->setVisible(!inputWasVisible);
  if (Plotter().DiscussionActive && discussionWindow) discussionWindow->setVisible(!discussionWindow->isVisible());
  if (functionInputWindow && !inputWasVisible) functionInputWindow->ShowInFront();
}

// The frame's close button (or Alt+F4) is one more Esc: the graph stays
// behind the window that controls it, which comes back to the front, so the
// user is never left without a window.
void GraphWindow::closeEvent(QCloseEvent* e) {
  e->ignore();
  FormKeyPress(Qt::Key_Escape);
}

void GraphWindow::keyPressEvent(QKeyEvent* e) {
  FormKeyPress(e->key());
  QWidget::keyPressEvent(e);
}

void GraphWindow::FormKeyPress(int key) {
  if (drawing_) {
    if (key == Qt::Key_Escape) stopRequested_ = true;
    return;
  }
  if (key == Qt::Key_Escape) ShowControllingWindow();
}

// In the worksheet areas "X" leads back to the worksheet, as a click and Esc do.
void GraphWindow::BFom2sb_xClick() {
  if (StartMode != 0) {
    ShowControllingWindow();
    return;
  }
  if (functionInputWindow) functionInputWindow->move(0, 0);
  if (discussionWindow) discussionWindow->move(discussionWindow->x(), ScreenRect().height() - 150);
  if (functionInputWindow) functionInputWindow->ShowInFront();
  if (Plotter().DiscussionActive && discussionWindow) discussionWindow->show();
  // The hint belongs to the input window the user gets back: a box over the
  // graph would lift the graph above it again.
  if (!Plotter().MenuHintShown) {
    ShowMessage(Cp1252(plottexts::kMenuHint));
    Plotter().MenuHintShown = true;
  }
}

void GraphWindow::Image1MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                               QPoint pos) {
  if (drawing_) {
    stopRequested_ = true;
    swallowClick_ = button == Qt::LeftButton;
    return;
  }
  swallowClick_ = false;
  if (StartMode != 0 || !Plotter().TextInsertMode || !functionInputWindow) return;
  if (button != Qt::RightButton || buttons != Qt::RightButton || modifiers != Qt::NoModifier) return;
  const PlotScale scale = ComputePlotScale(functionInputWindow->PlotFields());
  const UserPoint p = PixelToUser(pos.x(), pos.y(), width(), height(), scale);
  const std::string line = TextInsertionLine(p.x, p.y);
  functionInputWindow->AddToPlotList(line);
  // The click raised the graph over the input window; the user goes on
  // there once the text is typed into the list.
  functionInputWindow->ShowInFront();
  functionInputWindow->Listebearbeiten1Click();
  ShowMessage(TextInsertionMessage(line, p.x, p.y));
}

// The worksheet holds the scene: it draws it again with the changed view.
void GraphWindow::AlphavergroessernClick(ViewChange change) {
  if (View3D && worksheetWindow) worksheetWindow->DrawChangedView(change);
}

void GraphWindow::Bidschirmausschnittspeichern1Click() {
  if (topLeftMarker) topLeftMarker->show();
  if (bottomRightMarker) bottomRightMarker->show();
  BringToFront(captureWindow);
}

}  // namespace lumatik
