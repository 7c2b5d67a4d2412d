#pragma once

#include <QWidget>

class QPushButton;
class QTimer;

namespace lumatik {

// The screenshot tool's capture window: "Markierungen" places the two
// markers, "Vorschau" copies the rectangle between them, "Timer" counts
// down to a capture, "?" explains and stops the countdown.
class CaptureWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CaptureWindow(QWidget* parent = nullptr);

  QPushButton* Button2 = nullptr;    // "Markierungen"
  QPushButton* Bvorschau = nullptr;  // "Vorschau"
  QPushButton* BTimer = nullptr;     // "Timer"; its caption is the countdown
  QPushButton* Button4 = nullptr;    // "?"
  QTimer* Timer1 = nullptr;

  // Also stops the countdown.
  void FormCreate();
  void Button2Click();
  void Button4Click();
  void BTimerClick();
  void Timer1Timer();
  void BvorschauClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void HideToolWindows();
};

}  // namespace lumatik
