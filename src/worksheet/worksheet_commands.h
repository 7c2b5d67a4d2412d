#pragma once

// The worksheet's menus as a table: which menus each area shows, their
// items in order, and the computing function behind each item. The window
// builds its menu bar from this table and the command line finds a command
// by its caption here, so a new worksheet command is one entry in the table
// (or, for a subsystem above the worksheet such as the geometry, one call of
// BindWorksheetCommand).

#include <functional>
#include <string>
#include <vector>

#include "worksheet/worksheet.h"

namespace lumatik {

enum class WorksheetMenu { Datei, AllesLoeschen, Algebra, LSG, Gleichungen, Geometrie, Zeichnen3D, Kettenbrueche, Erlaeuterung };

// A computing command: reads the worksheet, writes into it, collects hints.
using WorksheetCommandFunction = std::function<void(Worksheet&)>;

struct WorksheetMenuItem {
  std::string caption;  // Windows-1252, as the menu shows it
  std::string handler;  // the window's handler, e.g. "RechneLSG1Click"
  WorksheetCommandFunction run;  // empty: the window's own business, or not built yet
  std::string shortcut;          // "Ctrl+Z" or empty
  bool separatorBefore = false;
  // False while the item's computation is not built: the window shows the
  // item switched off. Building the command means setting run and this.
  bool built = true;
};

struct WorksheetMenuInfo {
  WorksheetMenu menu;
  std::string objectName;  // "MLSG1"
  std::string caption;
  // A menu without items is a command itself ("Alles löschen").
  std::string handler;
  WorksheetCommandFunction run;
  std::vector<WorksheetMenuItem> items;
};

// The menu bar from left to right.
const std::vector<WorksheetMenuInfo>& WorksheetMenus();

// Binds the computation behind an item that a subsystem above the worksheet
// provides (the geometry commands) and switches the item on. The programs
// bind once, before the worksheet window builds its menus; false when the
// menu has no item with this caption (Windows-1252).
bool BindWorksheetCommand(WorksheetMenu menu, const std::string& caption, WorksheetCommandFunction run);

// Areas: 1 linear systems, 2 equations, 3 geometry, 4 3-D drawing,
// 5 continued fractions, 6 algebra.
bool WorksheetMenuShown(WorksheetMenu menu, int area);
// The settings file letter of an area, or 0 for an area that keeps none.
char WorksheetSettingsLetter(int area);
// The caption an area sets on activation; empty leaves the caption as it is.
std::string WorksheetCaption(int area);
// The title over a printed worksheet: the area's caption, "Kettenbrüche"
// for the area that sets none.
std::string WorksheetPrintTitle(int area);

struct WorksheetCommandLookup {
  bool found = false;  // the area shows an item with this caption
  WorksheetCommandFunction run;  // empty when that item computes nothing yet
};

// The item with this caption among the menus the area shows.
WorksheetCommandLookup FindWorksheetCommand(int area, const std::string& caption);

// Runs a command on a copy of the lines: the returned worksheet holds the
// new lines and the hints to show.
Worksheet RunWorksheetCommand(const WorksheetCommandFunction& command, std::vector<std::string> lines, int area);
// The same on a prepared worksheet (with its asker and the selected text).
Worksheet RunWorksheetCommand(const WorksheetCommandFunction& command, Worksheet sheet);

// "Alles löschen" and "Erläuterung".
void ClearWorksheet(Worksheet& sheet);
void ExplainWorksheet(Worksheet& sheet);

}  // namespace lumatik
