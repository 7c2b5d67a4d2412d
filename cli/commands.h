#pragma once

#include "cli_support.h"

namespace lumatik::cli {

// One function per command word; each lives in its own file.
int RunCalc(Arguments args);
int RunPlot(Arguments args);
int RunWorksheet(Arguments args);
int RunDiscuss(Arguments args);
int RunDraw3d(Arguments args);

}  // namespace lumatik::cli
