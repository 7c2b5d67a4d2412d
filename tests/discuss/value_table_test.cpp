// "Wertetafel": rows of x, f(x) and f'(x), and the number patterns of the
// worked texts, with the decimal comma.

#include "discuss/value_table.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

#include "discuss/number_patterns.h"
#include "discuss/term_function.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

struct DecimalsCase {
  Extended value;
  int decimals;
  const char* text;
};

class DecimalsPattern : public ::testing::TestWithParam<DecimalsCase> {};

TEST_P(DecimalsPattern, RoundsAndDropsTrailingZeros) {
  EXPECT_EQ(DecimalsText(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecimalsPattern,
    ::testing::Values(DecimalsCase{1.41421356237309505L, 14, "1,4142135623731"}, DecimalsCase{0.5L, 0, "1"},
                      DecimalsCase{-0.99996L, 4, "-1"}, DecimalsCase{1e20L, 3, "1E20"},
                      // A value that rounds to zero is written without a sign.
                      DecimalsCase{-0.00004L, 4, "0"}));

TEST(OneDigitScientificPattern, OneSignificantDigit) {
  EXPECT_EQ(OneDigitScientificText(-45678), "-5E4");
  EXPECT_EQ(OneDigitScientificText(9.6e-8L), "1E-7");
  EXPECT_EQ(OneDigitScientificText(7), "7E0");
  EXPECT_EQ(OneDigitScientificText(0), "0E0");
}

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
  // The columns align while the texts are short, and a blank stays between them.
  EXPECT_EQ(Table("x/7", 10000, 10000, 1).at(1), "10000   1428,571=10000/7 0,143");
  EXPECT_EQ(Table("x/7", -10000, -10000, 1).at(1), "-10000  -1428,571=-10000/7 0,143");
  // x = a + k·d: the row for b is there whatever the rounding of the steps.
  for (const Extended d : {0.1L, 0.05L, 0.01L, 1.0L / 3}) {
    const std::vector<std::string> lines = Table("x", -5, 5, d);
    EXPECT_EQ(lines.size(), 2u + static_cast<std::size_t>(std::nearbyint(10 / d))) << static_cast<double>(d);
    EXPECT_EQ(lines.back().substr(0, 2), "5 ") << static_cast<double>(d);
  }
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
