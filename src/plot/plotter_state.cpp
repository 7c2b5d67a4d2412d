#include "plot/plotter_state.h"

namespace lumatik {

PlotterState& Plotter() {
  static PlotterState state;
  return state;
}

void ResetPlotterState() { Plotter() = PlotterState(); }

}  // namespace lumatik
