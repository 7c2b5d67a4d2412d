// Values out of input lines, each read as a term.

#include <gtest/gtest.h>

#include "expr/nth_value.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

class Values : public testing::EngineTest {};

TEST_F(Values, NthValueReadsPointsAndLists) {
  EXPECT_EQ(NthValue("A(1|2|3)", 3), 3);
  EXPECT_EQ(NthValue("1 2 3", 2), 2);
  EXPECT_EQ(NthValue("1|2", 5), 0);
  EXPECT_EQ(NthValue("P(1|-2|1/3)", 2), -2);
  EXPECT_EQ(NthValue("P(1|-2|1/3)", 3), 1.0L / 3);
  EXPECT_EQ(NthValue("Q(2*3|0|0)", 1), 6);
  EXPECT_EQ(NthValuePlain("2 -1 -5 3 (Kommentar)", 3), -5);
}

}  // namespace
}  // namespace lumatik
