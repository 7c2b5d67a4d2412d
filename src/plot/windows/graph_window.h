#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

#include "plot/canvas.h"
#include "plot/drawing_tape.h"
#include "plot/plotinput.h"

class QAction;
class QMenu;
class QPushButton;

namespace lumatik {

// The picture of the graph window: shows its image and reports the mouse.
class TGraphImage : public QWidget {
  Q_OBJECT

 public:
  explicit TGraphImage(QWidget* parent);
  QImage& picture() { return picture_; }
  // Keeps the picture at least as large as the given size.
  void ensureSize(QSize size);

 signals:
  void mouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
  void clicked();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QImage picture_;
};

// The full-screen graph window, the one drawing surface of the program. The
// 2-D plotter and the 3-D drawing paint into its picture; a click brings the
// controlling window back or hides it.
class GraphWindow : public QWidget {
  Q_OBJECT

 public:
  explicit GraphWindow(QWidget* parent = nullptr);

  // Draws on the picture with the canvas state of the previous drawing (pen,
  // brush, font and pen position carry over from one redraw to the next).
  void Paint(const std::function<void(Canvas&)>& drawing);
  // A long drawing in slices: `slice` draws until the question it is given
  // says no and answers whether everything is drawn. Between slices the
  // picture is shown and events are processed, and Esc or a click on the
  // graph ends the drawing, as does a new drawing started meanwhile. True
  // when everything was drawn.
  bool PaintInSlices(const std::function<bool(Canvas&, const std::function<bool()>&)>& slice);
  // "X" to the top right corner, the window shown in front, the picture
  // filled with the colour.
  void ClearGraph(Colour colour);

  // The view of the last 3-D drawing, which the popup menu changes; none
  // before the first one.
  std::optional<View3DParams> View3D;

  void FormActivate();
  void Image1Click();
  void FormKeyPress(int key);
  void BFom2sb_xClick();
  void Image1MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                       QPoint pos);
  void AlphavergroessernClick(ViewChange change);
  void Bidschirmausschnittspeichern1Click();
  // "Als Bild speichern …": the graph as it is shown into a PNG, SVG or PDF
  // file, black on white unless the user keeps the screen's colours.
  void AlsBildspeichern1Click();
  // What the graph shows, as canvas operations (for the picture files).
  const DrawingTape& Tape() const { return tape_; }
  // The popup menu attached to the picture, or null (start mode 0).
  QMenu* Image1PopupMenu() const { return image1PopupMenu_; }

  TGraphImage* Image1 = nullptr;
  QPushButton* BFom2sb_x = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* Alphavergroessern = nullptr;
  QAction* Alphaverkleinern = nullptr;
  QAction* EinheitxAchsevergretrn1 = nullptr;
  QAction* EinheitxAchseverkleineren1 = nullptr;
  QAction* EinheityAchsevergrern1 = nullptr;
  QAction* EinheiyxAchseverkleineren = nullptr;
  QAction* EinheitzAchsevergrern1 = nullptr;
  QAction* EinheitzAchseverkleineren1 = nullptr;
  QAction* Nachunten1 = nullptr;
  QAction* Nachoben1 = nullptr;
  QAction* Nachrechts = nullptr;
  QAction* Nachlinks1 = nullptr;
  QAction* Bidschirmausschnittspeichern1 = nullptr;
  QAction* AlsBildspeichern1 = nullptr;

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void BuildPopupMenu();
  void FormCreate();
  void ShowControllingWindow();

  CanvasState canvasState_;
  DrawingTape tape_;
  // The drawing under way (PaintInSlices) and whether the user stopped it.
  int drawingRun_ = 0;
  bool drawing_ = false;
  bool stopRequested_ = false;
  // The click that stopped a drawing is no click on the graph.
  bool swallowClick_ = false;
  QMenu* image1PopupMenu_ = nullptr;
};

}  // namespace lumatik
