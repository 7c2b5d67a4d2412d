#pragma once

// The plotter's state beside the engine's: what the input window, the graph
// window and the list window share for the whole run. It starts with the
// values below; tests start a fresh run with ResetPlotterState().

#include <string>

namespace lumatik {

struct PlotterState {
  // Function values per centimetre of the frame ("Schrittweite").
  int ValuesPerCm = 100;
  // Set while the curve discussion runs beside the plotter: its window is
  // shown and hidden together with the input window.
  bool DiscussionActive = false;
  // Set by "Text einfügen": from then on a right click on the graph adds a
  // text line.
  bool TextInsertMode = false;
  // Set once the graph window's "X" button hint has been shown.
  bool MenuHintShown = false;
  // The file name of the list window's last save or read dialog, chosen or
  // not (a path as the file system spells it).
  std::string LastListFile;
  // The PDF file the graph was last printed into; the print dialog offers
  // it again.
  std::string LastPrintFile;
};

PlotterState& Plotter();
void ResetPlotterState();

}  // namespace lumatik
