#pragma once

#include <QObject>

namespace lumatik {

class DelayedSave;

// The run of the program between CreateForms and DestroyForms. It keeps
// the user's work on disk while the windows are in use (a few seconds
// after each change, and after each command), keeps at least one window on
// the screen, and ends the run, saving what closing saves, when the start
// window closes.
class Session : public QObject {
 public:
  Session();
  ~Session() override;

  // Writes what closing the program writes: the open worksheet to its
  // area's file, the calculator's parameters and history, the plot list.
  // False when any of them could not be written.
  static bool SaveAll();

  // Saves everything and ends the event loops (also a dialog's), with exit
  // code 0. The windows are destroyed by the caller afterwards. A save
  // that failed is reported when the user ended the program; the end of a
  // desktop session waits for no message box.
  void end(bool reportFailure = false);
  bool ended() const { return ended_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void saveChangedNow();
  void keepOneWindowVisible();

  DelayedSave* worksheet_ = nullptr;
  DelayedSave* calculator_ = nullptr;
  DelayedSave* plotList_ = nullptr;
  bool ended_ = false;
  bool saveScheduled_ = false;
  bool visibilityCheckScheduled_ = false;
};

// Whether a window of the program is on the screen (menus and tool tips
// aside).
bool AnyWindowVisible();

}  // namespace lumatik
