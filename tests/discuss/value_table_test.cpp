// "Wertetafel": rows of x, f(x) and f'(x).

#include "discuss/value_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "discuss/term_function.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

class ValueTable : public testing::EngineTest {
 protected:
  std::vector<std::string> Table(const std::string& term, Extended a, Extended b, Extended d) {
    return ValueTableLines(EngineTermFunction(term, ParamLine()), a, b, d, [] { return true; }).value();
  }
};

TEST_F(ValueTable, RowsColumnsAndShortFractions) {
  // Rows that cannot be computed are left out (x^2 is the command line's table).
  EXPECT_EQ(Table("1/x", -1, 1, 1), (std::vector<std::string>{" x       f(x)           f'(x)",
                                                              "-1      -1               -1", "1       1                -1"}));
  // The columns align only while the texts are short.
  EXPECT_EQ(Table("x/7", 10000, 10000, 1).at(1), "10000   1428,571=10000/7 0,143");
  EXPECT_EQ(Table("x/7", -10000, -10000, 1).at(1), "-10000  -1428,571=-10000/70,143");
  // Ten times 1/10 added in extended is not exactly 1: the last row is lost.
  const std::vector<std::string> lines = Table("x", 0, 1, 0.1L);
  EXPECT_EQ(lines.size(), 1u + 10u);
  EXPECT_EQ(lines.back().substr(0, 3), "0,9");
}

TEST_F(ValueTable, StopsWhenAsked) {
  int rows = 0;
  const auto lines =
      ValueTableLines(EngineTermFunction("x", ParamLine()), 0, 100, 1, [&rows] { return ++rows <= 10; });
  EXPECT_FALSE(lines.has_value());
  EXPECT_EQ(rows, 11);
}

}  // namespace
}  // namespace lumatik
