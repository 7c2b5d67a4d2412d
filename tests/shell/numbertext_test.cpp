// The number formats of worked solutions (comma locale). That they read back
// as their values is checked in expr/number_roundtrip_test; these rows pin
// how they look.

#include <gtest/gtest.h>

#include <gmpxx.h>

#include <cmath>
#include <functional>
#include <random>

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
  int exponent = 0;
  const Extended mantissa = std::frexp(std::fabs(x), &exponent);
  mpq_class q(mpz_class(std::to_string(static_cast<unsigned long long>(std::ldexp(mantissa, 64)))));
  if (exponent - 64 >= 0) q *= mpq_class(mpz_class(1) << static_cast<mp_bitcnt_t>(exponent - 64));
  else q /= mpq_class(mpz_class(1) << static_cast<mp_bitcnt_t>(64 - exponent));
  return x < 0 ? mpq_class(-q) : q;
}

// |q| rounded half away from zero to `places` places: integer digits and
// fraction digits (trailing zeros dropped), and how near a tie it lies.
struct RoundedDecimal {
  std::string integer, fraction;
  mpq_class distanceToTie;
};

RoundedDecimal Round(const mpq_class& q, int places) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(places));
  const mpq_class scaled = abs(q) * power;
  const mpz_class whole = scaled.get_num() / scaled.get_den();
  const mpq_class rest = scaled - whole;
  RoundedDecimal r;
  r.distanceToTie = abs(rest - mpq_class(1, 2)) / power;
  std::string digits = mpz_class(rest >= mpq_class(1, 2) ? whole + 1 : whole).get_str();
  if (static_cast<int>(digits.size()) <= places) digits.insert(0, places + 1 - digits.size(), '0');
  r.integer = digits.substr(0, digits.size() - places);
  r.fraction = digits.substr(digits.size() - places);
  while (!r.fraction.empty() && r.fraction.back() == '0') r.fraction.pop_back();
  return r;
}

std::string GroupedInteger(const std::string& digits) {
  const std::string grouped = GroupDigits3(digits);
  return digits.size() == 4 ? digits : grouped;
}

// Random values from 10^-7 to 10^15 at every place count from 0 to 18,
// against GMP's rounding of the value's exact binary fraction: the fixed
// text, the grouped one (blanks only in groups of three, a four-digit
// integer part joined) and, where the rounding leaves nothing, the exponent.
TEST(NumberTexts, RoundCorrectlyAtEveryPlaceCount) {
  std::mt19937_64 random(1729);
  int checked = 0;
  for (int i = 0; i < 1500; ++i) {
    const Extended v = static_cast<Extended>(static_cast<long long>(random() % 2000000001) - 1000000000) /
                       static_cast<Extended>(1 + random() % 99999) * std::pow(10.0L, static_cast<int>(random() % 14) - 8);
    const mpq_class exact = ExactOf(v);
    if (v == 0 || abs(exact - mpq_class(mpz_class(std::to_string(std::llround(v))))) < mpq_class(1, 1000000)) continue;
    for (int places = 0; places <= 18; ++places) {
      const RoundedDecimal r = Round(exact, places);
      // A tie closer than the 18 digits the writers round to first is theirs to break.
      if (r.distanceToTie * mpq_class(mpz_class("1000000000000000000")) < abs(exact) + 1) continue;
      SCOPED_TRACE(GeneralFloatText(v, 18) + " at " + std::to_string(places));
      ++checked;
      const std::string sign = v < 0 ? "-" : "";
      if (r.integer == "0" && r.fraction.empty()) {
        EXPECT_EQ(FloatTextFixed(places, v), GeneralFloatText(v, 15));
        EXPECT_EQ(FloatTextGrouped(places, v), GeneralFloatText(v, 15));
        continue;
      }
      const std::string fixed = sign + r.integer + (r.fraction.empty() ? "" : "," + r.fraction);
      EXPECT_EQ(FloatTextFixed(places, v), fixed);
      const std::string grouped = sign + GroupedInteger(r.integer) +
                                  (r.fraction.empty() ? "" : "," + GroupFractionDigits3(r.fraction));
      EXPECT_EQ(FloatTextGrouped(places, v), grouped);
    }
  }
  EXPECT_GT(checked, 20000);
  for (const auto& [value, text] : std::vector<std::pair<Extended, const char*>>{
           {1234, "1234"}, {-1234, "-1234"}, {12345, "12 345"}, {1234567890, "1 234 567 890"}, {6.62607015e-34L, "6,62607015E-34"}})
    EXPECT_EQ(FloatText18(value), text);
}

}  // namespace
}  // namespace lumatik
