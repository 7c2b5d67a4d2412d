#pragma once

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "discuss/curve_scan.h"
#include "discuss/discussion_input.h"
#include "discuss/plotter_link.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumatik {

// The curve discussion window: discusses the function that is entered in
// the plotter's input window on the interval of its edits, writes a value
// table and a Simpson integral, and zooms and shifts the plotter's picture
// with its interval. A run of "Diskussion" lets the window work between its
// scan steps; the start button reads "Stop" meanwhile and ends the run.
class DiscussionWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DiscussionWindow(QWidget* parent = nullptr);

  void EvonKeyPress(int key);
  void EbisKeyPress(int key);
  void EstepKeyPress(int key);
  void Button1Click();
  void BRechneClick();
  // "+" and "-".
  void BplusClick(QObject* sender);
  // "->" and "<-".
  void BrechtsClick(QObject* sender);
  void Button2Click();
  void BintegralClick();
  // Takes the points of the last run into the plotter's list as circles
  // and draws them.
  void BPunkteClick();

  // Whether a run (or a value table) is going on: the start button then
  // reads "Stop".
  bool Running() const;
  // Ends a run without a word, for a new one that takes its place.
  void EndRun();
  // The interval edits, as the plotter's examples set them.
  void SetInterval(const char* from, const char* to, const char* step);

  QFrame* Panel1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Evon = nullptr;
  QLineEdit* Ebis = nullptr;
  QFrame* Panel2 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* Estep = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* BRechne = nullptr;
  QPushButton* Bplus = nullptr;
  QPushButton* Bminus = nullptr;
  QPushButton* Blinks = nullptr;
  QPushButton* Brechts = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Bintegral = nullptr;
  QPushButton* BPunkte = nullptr;
  QPlainTextEdit* Memo1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  // Keeps the whole window, frame included, inside the screen's available area.
  void showEvent(QShowEvent* e) override;

 private:
  void BuildControls();
  // Runs work with "Stop" on the start button; work asks its KeepGoing
  // once per step, which lets the window work and answers false once
  // "Stop" was pressed. False when the work was stopped.
  bool RunStoppable(const std::function<bool(const KeepGoing&)>& work);
  // The plotter draws again at its fields; this window stays in front.
  void RedrawPlotterBehind();
  // The plotter's unit and centre and this window's interval after "+",
  // "-", "->" or "<-"; the plotter draws the new picture.
  void ShowMovedView(const MovedView& view);
  // Refuses an interval or step that would never let a loop end; true
  // when the numbers may be used.
  static bool StepAccepted(const ScanNumbers& numbers);
  ScanNumbers IntervalNumbers() const;
  void MemoChanged();

  // The points behind the entries the memo shows after a run.
  std::vector<FoundPoint> points_;
};

}  // namespace lumatik
