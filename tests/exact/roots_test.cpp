// Root, Pi and quadratic forms: each text, typed back as a term, gives the value.

#include <cmath>

#include "exact/roots.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

class RootForms : public testing::EngineTest {};

TEST_F(RootForms, WriteATermWithTheSameValue) {
  const std::pair<const char*, const char*> cases[] = {  // the value to write, RootText("sqrt", value)
      {"sin(Pi/4)", "1/2*sqrt(2)"}, {"sqrt(32/225)*sqrt(21)", "4/15*sqrt(42)"}, {"tan(Pi/12)", "(2-sqrt(3))"},
      {"(1+sqrt(5))/2", "(1+sqrt(5))/2"}, {"-sqrt(8)", "-2*sqrt(2)"}, {"sqrt(12347)", "sqrt(12347)"},
      {"Pi/6", "1/6*Pi"}, {"-3*Pi/4", "-3/4*Pi"}, {"0", "0"}, {"1", "1"}, {"-1", "-1"},
      {"(-648+sqrt(324))/1944", "-35/108"},              // the root of a perfect square is a fraction
      {"2+10/9*sqrt(3)", "(18+10*sqrt(3))/9"},            // square factors leave the root
      {"9/4*sqrt(2)", "9/4*sqrt(2)"}, {"256/3*Pi", "256/3*Pi"}, {"9+9*sqrt(3)", "(9+9*sqrt(3))"}, {"Pi/10^5", "1/100000*Pi"}};
  for (const auto& [term, expected] : cases) {
    const Extended value = EvalTermAt(term, 0);
    const std::string text = RootText("sqrt", value);
    EXPECT_EQ(text, expected) << term;
    // Independent check: the text is a term of the language with that value.
    EXPECT_NEAR(static_cast<double>(EvalTermAt(text, 0)), static_cast<double>(value), 1e-15) << text;
  }
  EXPECT_EQ(QuadraticRootText(0.5L), "1/2");
  EXPECT_EQ(QuadraticRootText(-35.0L / 108), "-35/108");
}

using QuadraticForms = RootForms;

// Every (m +- sqrt(d))/n with small m, n and d: the text reads back as the
// value, holds no sign right after an operator, no square factor under the
// root and no root of a perfect square.
TEST_F(QuadraticForms, TextsOfGeneratedValuesReadLikeATeachers) {
  int written = 0;
  for (int n = 1; n <= 10; ++n) {
    for (int m = -10; m <= 10; ++m) {
      for (const int d : {2, 3, 4, 5, 8, 9, 12, 18, 20, 27, 49, 50, 72, 75}) {
        for (const int sign : {1, -1}) {
          const Extended x = (m + sign * std::sqrt(static_cast<Extended>(d))) / n;
          const std::string text = QuadraticRootText(x);
          if (text.empty()) continue;
          ++written;
          SCOPED_TRACE("(" + std::to_string(m) + (sign > 0 ? "+" : "-") + "sqrt(" + std::to_string(d) + "))/" +
                       std::to_string(n) + " -> " + text);
          EXPECT_NEAR(static_cast<double>(EvalTermAt(text, 0)), static_cast<double>(x), 1e-12);
          for (const char* bad : {"+-", "--", "/-", "sqrt(1)", "sqrt(4)", "sqrt(9)", "sqrt(8)", "sqrt(12)"}) {
            EXPECT_EQ(text.find(bad), std::string::npos) << bad;
          }
          const bool square = d == 4 || d == 9 || d == 49;
          EXPECT_EQ(text.find("sqrt") == std::string::npos, square);
        }
      }
    }
  }
  EXPECT_GT(written, 3000);
}

TEST_F(RootForms, PiMultipleIntegerFractionRootOrDecimal) {
  EXPECT_EQ(PiMultipleText(-kPi), "-Pi");
  EXPECT_EQ(PiMultipleText(std::exp(1.0L)), "");
  EXPECT_EQ(ExactText(2.5L), "2'1/2");
  EXPECT_EQ(ExactText(-3.0000000000001L), "-3");
  EXPECT_EQ(ExactText(1.234567e-13L), "1,234567E-13");  // no 0, no fraction
  EXPECT_EQ(ExactText(std::sqrt(2.0L)), "sqrt(2)");
  EXPECT_EQ(ExactText(std::exp(1.0L)), "2,71828182846");
  EXPECT_EQ(RootTextWithDecimal(1.0L / 3), "1/3 = 0,333");
  EXPECT_EQ(RootTextWithDecimal(std::sqrt(2.0L)), "sqrt(2) = 1,414");
  EXPECT_EQ(RootTextWithDecimal(std::exp(1.0L)), "2,71828182846");
  EXPECT_EQ(RootSuffix(std::sqrt(2.0L) / 2), "=1/2*sqrt(2)");
  EXPECT_EQ(RootSuffix(std::exp(1.0L)), "");
  EXPECT_EQ(PlainNumText(123456789012), "123456789012");
}

}  // namespace
}  // namespace lumatik
