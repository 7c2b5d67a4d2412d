// Every test program runs with the German decimal comma.

#include <gtest/gtest.h>

#include "shell/decimal_separator.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  lumatik::SetDecimalSeparator(',');
  return RUN_ALL_TESTS();
}
