#pragma once

// The input window's units and centre as the drawing tests type them.

#include <string>

#include "plot/plotrender.h"

namespace lumatik::testing {

inline PlotFieldTexts Fields(const std::string& lex, const std::string& ley, const std::string& x0 = "0",
                             const std::string& y0 = "0") {
  PlotFieldTexts f;
  f.lex = lex;
  f.ley = ley;
  f.x0 = x0;
  f.y0 = y0;
  return f;
}

}  // namespace lumatik::testing
