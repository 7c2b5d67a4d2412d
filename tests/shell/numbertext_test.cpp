// The number formats of worked solutions (comma locale). That they read back
// as their values is checked in expr/number_roundtrip_test; these rows pin
// how they look.

#include <gtest/gtest.h>

#include <gmpxx.h>

#include <cmath>
#include <functional>
#include <random>

#include "shell/floatformat.h"
#include "shell/text_helpers.h"

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

// The exact value of an extended number.
mpq_class ExactOf(Extended x) {
  int e = 0;
  const Extended mantissa = std::frexp(std::fabs(x), &e);
  mpq_class q(mpz_class(std::to_string(static_cast<unsigned long long>(std::ldexp(mantissa, 64)))));
  mpz_class power = mpz_class(1) << static_cast<mp_bitcnt_t>(std::abs(e - 64));
  q = e >= 64 ? mpq_class(q * power) : mpq_class(q / power);
  return x < 0 ? mpq_class(-q) : q;
}

// Random values from 10^-7 to 10^15 at every place count from 0 to 18,
// against GMP's rounding (half away from zero) of the value's exact binary
// fraction: the fixed text, the grouped one (blanks in groups of three, a
// four-digit integer part joined) and, where nothing is left, the exponent.
TEST(NumberTexts, RoundCorrectlyAtEveryPlaceCount) {
  std::mt19937_64 random(1729);
  int checked = 0;
  for (int i = 0; i < 1500; ++i) {
    const Extended v = static_cast<Extended>(static_cast<long long>(random() % 2000000001) - 1000000000) /
                       static_cast<Extended>(1 + random() % 99999) * std::pow(10.0L, static_cast<int>(random() % 14) - 8);
    const mpq_class exact = abs(ExactOf(v));
    if (v == 0 || abs(exact - mpq_class(mpz_class(std::to_string(std::llabs(std::llround(v)))))) < mpq_class(1, 1000000)) continue;
    for (int places = 0; places <= 18; ++places) {
      mpz_class power;
      mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(places));
      const mpq_class scaled = exact * power;
      const mpq_class rest = scaled - mpz_class(scaled.get_num() / scaled.get_den());
      // A tie closer than the 18 digits the writers round to first is theirs to break.
      if (abs(rest - mpq_class(1, 2)) * mpq_class(mpz_class("1000000000000000000")) < (exact + 1) * power) continue;
      std::string digits = mpz_class(scaled.get_num() / scaled.get_den() + (rest >= mpq_class(1, 2) ? 1 : 0)).get_str();
      if (static_cast<int>(digits.size()) <= places) digits.insert(0, places + 1 - digits.size(), '0');
      const std::string integer = digits.substr(0, digits.size() - places);
      std::string fraction = digits.substr(digits.size() - places);
      while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
      SCOPED_TRACE(GeneralFloatText(v, 18) + " at " + std::to_string(places));
      ++checked;
      const std::string sign = v < 0 ? "-" : "";
      const bool nothing = integer == "0" && fraction.empty();
      EXPECT_EQ(FloatTextFixed(places, v), nothing ? GeneralFloatText(v, 15) : sign + integer + (fraction.empty() ? "" : "," + fraction));
      EXPECT_EQ(FloatTextGrouped(places, v), nothing ? GeneralFloatText(v, 15)
                                                      : sign + (integer.size() == 4 ? integer : GroupDigits3(integer)) +
                                                            (fraction.empty() ? "" : "," + GroupFractionDigits3(fraction)));
    }
  }
  EXPECT_GT(checked, 20000);
  for (const auto& [value, text] : std::vector<std::pair<Extended, const char*>>{
           {-1234, "-1234"}, {12345, "12 345"}, {1234567890, "1 234 567 890"}, {6.62607015e-34L, "6,62607015E-34"}})
    EXPECT_EQ(FloatText18(value), text);
}

}  // namespace
}  // namespace lumatik
