// The number formats of worked solutions, as tables (comma locale).

#include <gtest/gtest.h>

#include "shell/floatformat.h"
#include "shell/luhilf.h"

namespace lumatik {
namespace {

struct TextCase {
  Extended value;
  const char* expected;
};

class FloatText18Table : public ::testing::TestWithParam<TextCase> {};
TEST_P(FloatText18Table, Writes) { EXPECT_EQ(FloatText18(GetParam().value), GetParam().expected); }
INSTANTIATE_TEST_SUITE_P(Grouped, FloatText18Table,
                         // A single leading digit keeps no blank after it.
    ::testing::Values(
        TextCase{1234567, "1234 567"}, TextCase{12345678, "12 345 678"}, TextCase{0.125L, "0,125"},
        TextCase{2.5L, "2,5"}, TextCase{12345.5L, "12 345,5"}, TextCase{1234.5L, "1234,5"},
        TextCase{-12345.5L, "-12 345,5"}, TextCase{1.0L / 3, "0,333 333 333 333 333 333"}, TextCase{0, "0"},
        TextCase{1e25L, "1E25"}));

class FloatTextFixed3Table : public ::testing::TestWithParam<TextCase> {};
TEST_P(FloatTextFixed3Table, Writes) { EXPECT_EQ(FloatTextFixed(3, GetParam().value), GetParam().expected); }
INSTANTIATE_TEST_SUITE_P(Fixed, FloatTextFixed3Table,
    ::testing::Values(
        TextCase{1.0L / 3, "0,333"}, TextCase{-2.9996L, "-3"}, TextCase{2.0004L, "2"}, TextCase{-1.5L, "-1,5"},
        TextCase{1234.5678L, "1234,568"}, TextCase{7, "7"}));

class GroupedDecimalTable : public ::testing::TestWithParam<TextCase> {};
TEST_P(GroupedDecimalTable, Writes) { EXPECT_EQ(GroupedDecimalText18(GetParam().value), GetParam().expected); }
INSTANTIATE_TEST_SUITE_P(Labels, GroupedDecimalTable,
    ::testing::Values(
        TextCase{0.29999999999999999L, "0,3"}, TextCase{0.1L + 0.2L, "0,3"}, TextCase{1234567, "1234 567"},
        TextCase{-0.5L, "-0,5"}, TextCase{12.25L, "12,25"},
                                           // A fraction that rounds up carries into the integer part.
                                           TextCase{3 - 0x1p-62L, "3"}));

class GeneralFormatTable : public ::testing::TestWithParam<TextCase> {};
TEST_P(GeneralFormatTable, Writes18Digits) { EXPECT_EQ(GeneralFloatText(GetParam().value, 18), GetParam().expected); }
INSTANTIATE_TEST_SUITE_P(General, GeneralFormatTable,
    ::testing::Values(
        TextCase{3.14159265358979323846L, "3,14159265358979324"}, TextCase{0.00001L, "0,00001"},
        TextCase{0.000001L, "1E-6"}, TextCase{-2.5e-7L, "-2,5E-7"},
        TextCase{123456789012345678.0L, "123456789012345678"},
        TextCase{1234567890123456789.0L, "1,23456789012345679E18"}, TextCase{0, "0"}, TextCase{-118, "-118"}));

TEST(CleanFloat, RoundsNearlyThousandthsToFourDecimals) {
  EXPECT_EQ(CleanFloatText(0.1L + 0.2L), "0,3");
  EXPECT_EQ(CleanFloatText(2.5L), "2,5");
  EXPECT_EQ(CleanFloatText(1.0L / 3), "0,333333333333333333");
}

TEST(Grouping, DigitGroups) {
  EXPECT_EQ(GroupDigits3("1234567"), "1 234 567");
  EXPECT_EQ(GroupDigits3("123"), "123");
  EXPECT_EQ(GroupFractionDigits3("1234567"), "123 456 7");
}

}  // namespace
}  // namespace lumatik
