// lumatik-cli worksheet: runs one worksheet command on a worksheet file.

#include <iostream>

#include "commands.h"

namespace lumatik::cli {

int RunWorksheet(Arguments) {
  std::cerr << "worksheet: noch nicht verf\xC3\xBCgbar\n";
  return 2;
}

}  // namespace lumatik::cli
