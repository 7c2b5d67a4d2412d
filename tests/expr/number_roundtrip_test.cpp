// Every number text the program writes (grouped decimals, the general format
// with its "E", fractions, mixed numbers, root and Pi texts) reads back through
// the engine within the digits it keeps; decimals as the C library reads them.

#include <cstdlib>
#include <functional>
#include <random>

#include "calc/calculation.h"
#include "exact/fractions.h"
#include "exact/roots.h"
#include "expr/evaluate.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

// Half a unit of the d-th significant digit of v, and half a unit in the
// last place of the 64-bit mantissa that reading the digits rounds to.
Extended Significant(Extended v, int d) {
  if (v == 0) return 0;
  return 0.505L * std::pow(10.0L, std::floor(std::log10(std::fabs(v))) - d + 1) + std::fabs(v) * 0x1p-64L;
}

Extended Decimals(int decimals) { return 0.505L * std::pow(10.0L, -decimals); }

// The fixed and grouped writers write a value within 1e-18 of an integer as
// that integer, and fall back to the general format with 15 digits where
// their pattern cannot hold a value; they round to `decimals` places.
Extended FixedOrGeneral15(Extended v, int decimals) {
  return std::max(Decimals(decimals) + Significant(v, 19) + 1e-18L, Significant(v, 15));
}

struct DecimalFormat {
  const char* name;
  std::function<std::string(Extended)> write;
  std::function<Extended(Extended)> tolerance;
};

const std::vector<DecimalFormat>& DecimalFormats() {
  using F = std::function<std::string(Extended)>;
  const auto digits = [](int d) { return [d](Extended v) { return Significant(v, d); }; };
  const auto fixed = [](int decimals) { return [decimals](Extended v) { return FixedOrGeneral15(v, decimals); }; };
  static const std::vector<DecimalFormat> formats = {
      // Rounded to 18 significant digits, then to 18 decimals, as patterns do.
      {"Rechne", ResultText, [](Extended v) { return Significant(v, 18) + Decimals(18); }},
      {"general 15", F([](Extended v) { return GeneralFloatText(v, 15); }), digits(15)},
      {"general 18", F([](Extended v) { return GeneralFloatText(v, 18); }), digits(18)},
      {"NumberText", NumberText, digits(18)},
      {"PlainNumText", PlainNumText, digits(18)},
      {"CleanFloatText", CleanFloatText, [](Extended v) { return Significant(v, 18) + 1.01e-15L; }},
      {"FloatText18", FloatText18, fixed(18)},
      {"FloatTextGrouped 9", F([](Extended v) { return FloatTextGrouped(9, v); }), fixed(9)},
      // Geometry writes coordinates with three digits; tiny ones must still read back.
      {"FloatTextGrouped 3", F([](Extended v) { return FloatTextGrouped(3, v); }), fixed(3)},
      {"FloatTextFixed 3", F([](Extended v) { return FloatTextFixed(3, v); }), fixed(3)},
      {"FloatTextFixed 18", F([](Extended v) { return FloatTextFixed(18, v); }), fixed(18)},
      // Label texts drop digits that look like rounding noise, down to nine.
      {"GroupedDecimalText18", GroupedDecimalText18, fixed(9)},
  };
  return formats;
}

// The digits of a decimal text as the C library reads them.
Extended CLibraryReading(const std::string& text) {
  std::string plain;
  for (char c : text)
    if (c != ' ') plain += c == ',' ? '.' : c;
  return std::strtold(plain.c_str(), nullptr);
}

// Values with the nasty cases first: zero, integers at the edges of the
// patterns, rounding noise, tiny and huge numbers; then random ones.
std::vector<Extended> DecimalValues() {
  std::vector<Extended> values = {0, 1, -1, 0.5L, 0.1L, -0.1L, 2.5L, 1234, 12345, 0.125L, 1.0L / 3, -80.0L / 3,
                                  0.29999999999999999L, 1 - 1e-16L, 999999.99999999999999L, 1e-5L, 9.99999e-6L,
                                  1.5e-20L, -5.01655761266833e-20L, 1e15L, 1e15L + 37, 1e16L + 61,
                                  999999999999999999.0L, 1e18L, 1e18L + 1, 9.2e18L, 1e19L, 1.23456789012345678e25L,
                                  -2.5e-7L, 1e-300L, 1e300L};
  std::mt19937_64 random(4711);
  std::uniform_real_distribution<double> mantissa(1, 10);
  std::uniform_int_distribution<int> exponent(-24, 24);
  for (int i = 0; i < 3000; ++i) {
    Extended v = static_cast<Extended>(mantissa(random)) * std::pow(10.0L, exponent(random));
    if (random() % 5 == 0) v = std::round(v);  // whole numbers are written differently
    if (random() % 2 == 0) v = -v;
    values.push_back(v);
  }
  return values;
}

class NumberRoundTrip : public testing::EngineTest {
 protected:
  // The engine's reading of a text the program wrote, with no message.
  Extended ReadBack(const std::string& text) {
    MathErrorText().clear();
    const Extended value = EvalTerm(text);
    EXPECT_EQ(MathErrorText(), "") << text;
    return value;
  }
};

TEST_F(NumberRoundTrip, DecimalTextsReadBackWithinTheirDigits) {
  for (const Extended v : DecimalValues()) {
    for (const DecimalFormat& format : DecimalFormats()) {
      const std::string text = format.write(v);
      if (text.find('/') != std::string::npos) continue;  // NumberText found a fraction
      ASSERT_TRUE(text.find_first_of("0123456789") != std::string::npos) << format.name << " " << text;
      const Extended read = ReadBack(text);
      ASSERT_EQ(read, CLibraryReading(text)) << format.name << " " << text;
      ASSERT_LE(std::fabs(read - v), format.tolerance(v)) << format.name << ": " << static_cast<double>(v) << text;
    }
  }
}

TEST_F(NumberRoundTrip, FractionsAndMixedNumbersReadBackExactly) {
  std::mt19937_64 random(815);
  for (int i = 0; i < 3000; ++i) {
    const auto num = static_cast<Extended>(static_cast<std::int64_t>(random() % 2000001) - 1000000);
    const Extended v = num / static_cast<Extended>(1 + random() % 20000);
    for (const std::string& text : {NumberText(v), NumberTextMixed(v), FractionText(true, v, 1e-18L),
                                    FractionText(false, v, 1e-12L), ExactText(v)}) {
      if (text.empty()) continue;
      ASSERT_EQ(ReadBack(text), v) << text;
    }
  }
}

// a/b*sqrt(c), (m+-sqrt(p))/n and k/d*Pi, written by the root display.
TEST_F(NumberRoundTrip, RootAndPiTextsReadBack) {
  std::mt19937_64 random(1234);
  int written = 0;
  for (int i = 0; i < 1500; ++i) {
    const auto a = static_cast<Extended>(static_cast<int>(random() % 41) - 20);
    const auto b = static_cast<Extended>(1 + random() % 12);
    const auto c = static_cast<Extended>(2 + random() % 60);
    Extended v = a / b * kPi;
    if (i % 3 == 0) v = a / b * std::sqrt(c);
    if (i % 3 == 1) v = (a + (random() % 2 == 0 ? 1 : -1) * std::sqrt(c)) / b;
    if (v == 0) continue;
    for (const std::string& text : {RootText("sqrt", v), PiMultipleText(v), ExactText(v)}) {
      if (text.empty()) continue;
      ++written;
      // The Pi display accepts a fraction of Pi within 1e-15; without an
      // exact form ExactText writes twelve digits.
      Extended tolerance = std::fabs(v) * 1e-17L;
      if (text.find("Pi") != std::string::npos) tolerance = kPi * 1.01e-15L;
      if (text.find_first_of("/sP") == std::string::npos) tolerance = Significant(v, 12);
      ASSERT_LE(std::fabs(ReadBack(text) - v), tolerance) << static_cast<double>(v) << " written " << text;
    }
  }
  EXPECT_GT(written, 1500);
}

}  // namespace
}  // namespace lumatik
