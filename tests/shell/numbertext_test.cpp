// The number formats of worked solutions (comma locale). That they read back
// as their values is checked in expr/number_roundtrip_test; these rows pin
// how they look.

#include <gtest/gtest.h>

#include <functional>

#include "shell/floatformat.h"
#include "shell/luhilf.h"

namespace lumatik {
namespace {

struct TextCase {
  const char* format;
  std::function<std::string(Extended)> write;
  Extended value;
  const char* expected;
};

TEST(NumberTexts, AsWorkedSolutionsShowThem) {
  const auto fixed3 = [](Extended v) { return FloatTextFixed(3, v); };
  const auto general18 = [](Extended v) { return GeneralFloatText(v, 18); };
  const TextCase cases[] = {
      // A single leading digit keeps no blank after it.
      {"FloatText18", FloatText18, 1234567, "1234 567"},
      {"FloatText18", FloatText18, 12345678, "12 345 678"},
      {"FloatText18", FloatText18, 1.0L / 3, "0,333 333 333 333 333 333"},
      {"FloatText18", FloatText18, 1e25L, "1E25"},
      {"FloatTextFixed 3", fixed3, -2.9996L, "-3"},
      {"GroupedDecimalText18", GroupedDecimalText18, 0.1L + 0.2L, "0,3"},
      // A fraction that rounds up carries into the integer part.
      {"GroupedDecimalText18", GroupedDecimalText18, 3 - 0x1p-62L, "3"},
      {"general 18", general18, 0.00001L, "0,00001"},
      {"general 18", general18, -2.5e-7L, "-2,5E-7"},
      {"general 18", general18, 1234567890123456789.0L, "1,23456789012345679E18"},
      {"CleanFloatText", CleanFloatText, 0.1L + 0.2L, "0,3"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(c.write(c.value), c.expected) << c.format;
  EXPECT_EQ(GroupDigits3("1234567") + " " + GroupDigits3("123"), "1 234 567 123");
  EXPECT_EQ(GroupFractionDigits3("1234567"), "123 456 7");
}

}  // namespace
}  // namespace lumatik
