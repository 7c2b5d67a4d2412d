#pragma once

// Random input for the whole windowed program: the windows made as the
// program makes them, then, from a seed, clicks, keys, text, menu choices,
// close buttons and dialog answers sent to whatever is on the screen. After
// every step the run checks what must always hold.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace lumatik {

struct RandomInputOptions {
  std::uint32_t seed = 1;
  long maxSteps = 1000;
  // 0: no limit but the steps.
  double maxSeconds = 0;
  // Worksheet files saved or loaded by the run's file dialogs go here.
  std::string fileFolder;
  // Each step's action on stderr before it runs, to find where a run hangs.
  bool traceSteps = false;
};

struct RandomInputFigures {
  long steps = 0;
  long events = 0;         // clicks, keys and texts sent, menu items chosen
  long dialogAnswers = 0;  // modal dialogs, message boxes and popup menus answered
  long programEnds = 0;    // runs ended through "Schliessen" (the windows then start again)
  std::set<std::string> windows;    // object names of the windows that got input
  std::set<std::string> menuItems;  // "window: menu > item" chosen
  std::vector<std::string> findings;
};

// Needs a QApplication and the settings files redirected (SetProgramPath).
// Makes and destroys the program's windows itself.
RandomInputFigures RunRandomInput(const RandomInputOptions& options);

}  // namespace lumatik
