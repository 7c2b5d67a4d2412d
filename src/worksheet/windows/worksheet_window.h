#pragma once

#include <QMainWindow>

#include <map>
#include <string>
#include <vector>

#include "plot/plotinput.h"
#include "worksheet/worksheet_commands.h"

class QAction;
class QKeyEvent;
class QMenu;
class QPlainTextEdit;

namespace lumatik {

// The worksheet window shared by the six worksheet areas (linear systems,
// equations, geometry, 3-D drawing, continued fractions, algebra). Its memo
// is the worksheet: the user types a task, a menu command reads it and
// writes the worked solution below. The area (the start window's start
// mode) decides which menus it shows and which settings file keeps its
// worksheet between runs.
class WorksheetWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit WorksheetWindow(QWidget* parent = nullptr);

  // Frame commands.
  void Einlesen1Click();
  void Speichern1Click();
  // "Drucken …": the worksheet's lines on paper (or into a PDF file) under
  // the area's title and the date.
  void Drucken1Click();
  void Blattzuoberst1Click();
  void Schlieen1Click();
  void Alleslschen1Click();
  void MErluterung3Click();

  // Evaluates a typed continued fraction and shows its value in the
  // calculator.
  void EingabeKettenbruch1Click();

  // The 3-D scene of the worksheet in the graph window: "Zeichne" (and
  // "Zeichne mit Standardeinheiten" with standardUnits), "Beispiele", and a
  // view change of the graph window's popup menu.
  void Zeichne1Click(bool standardUnits = false);
  void Beispiele1Click();
  void DrawChangedView(ViewChange change);

  void FormActivate();
  void FormClose();
  // Writes the sheet to its area's settings file (the continued fractions
  // keep none); false when it could not be written.
  bool SaveAreaWorksheet() const;

  // Runs a worksheet command on the memo: its lines go in, the new lines
  // come back, and its hints are shown.
  void RunWorksheetCommand(const WorksheetCommandFunction& command);

  // What other windows do with the worksheet.
  void AppendLine(const std::string& line);
  std::vector<std::string> Lines() const;
  void ClearLines();

  // The menu item with this caption (Windows-1252) in the given menu, for
  // the commands that need the window itself (drawing, the calculator).
  QAction* MenuItem(WorksheetMenu menu, const std::string& caption) const;
  QAction* MenuAction(WorksheetMenu menu) const;

  // The file that remembers the worksheet file last loaded or saved.
  static std::string LastFileRecordName();

  QPlainTextEdit* Memo1 = nullptr;

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void BuildMenus();
  bool ConnectOwnHandler(const WorksheetMenuItem& item, QAction* action);
  // A key that one of the shown menus' items has as its shortcut.
  bool IsMenuShortcut(const QKeyEvent* key) const;
  void ShowNotices(const Worksheet& sheet);
  std::string LastFileName() const;
  void RememberFile(const std::string& path);

  std::map<WorksheetMenu, QAction*> menuActions_;
  std::map<std::pair<WorksheetMenu, std::string>, QAction*> itemActions_;
  // The algebra area's "not ready" hint comes once per opening: closing it
  // activates the window again.
  bool algebraHintShown_ = false;
  // "Blatt zu oberst" hides the window only to make it anew.
  bool restacking_ = false;
};

// The worksheet's memo: the child of worksheetWindow named "Memo1" (null while the
// worksheet window has none).
QPlainTextEdit* WorksheetMemo();

}  // namespace lumatik
