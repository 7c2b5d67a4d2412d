// "Integral": the memo's input lines, the number of strips, and Simpson's
// sums against exact rational integrals of generated polynomials.

#include "discuss/simpson_integral.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "exact_polynomial.h"
#include "shell/codepage.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

class IntegralPressTest : public testing::EngineTest {};

// The value after " = " of the result line: grouped digits, decimal comma,
// an optional "=fraction".
long double ResultValue(const std::string& line) {
  std::string plain;
  for (char c : line.substr(line.find(" = ") + 3)) {
    if (c == '=') break;
    if (c != ' ') plain += c == ',' ? '.' : c;
  }
  return std::strtold(plain.c_str(), nullptr);
}


// The first press writes the lines the user edits; pressed again on them it computes.
TEST_F(IntegralPressTest, FirstPressWritesTheInputLinesAndTheSecondComputes) {
  const IntegralOutcome first = IntegralPress({"f(x)=x^2", "Intervall [-10;10]"}, {"x^2", " "});
  EXPECT_EQ(first.appendedLines, (std::vector<std::string>{"Integralgrenze x1 = -5", "Integralgrenze x2 =  5",
                                                           "Simpsonschritte pro Einheit n = 100"}));
  EXPECT_TRUE(first.moveWindowToTop);
  EXPECT_EQ(
      first.message,
      Cp1252("Das Integral von x1 bis x2 über \rf(x) = x^2\r\n wird berechnet.Ändern Sie oben noch die Werte "
             "für x1 und x2!\r  Integral x1 = ???\r  Integral x2 = ???\r\r  Simpsonschritte pro Einheit n = "
             "100 (Vorgabe)\r         (je mehr, um so genauer)\r\rBitte Integral nach Änderung nocheinmal "
             "anklicken"));
  const IntegralOutcome second = IntegralPress(first.appendedLines, {"x^2", " "});
  ASSERT_EQ(second.appendedLines.size(), 3u);
  EXPECT_EQ(second.appendedLines[2], "exakt (aus der Stammfunktion): 250/3");
  EXPECT_TRUE(second.message.empty());
  EXPECT_FALSE(second.moveWindowToTop);
  EXPECT_NEAR(ResultValue(second.appendedLines[0]), 250.0L / 3, 1e-15L);
  EXPECT_EQ(second.appendedLines[1].rfind("[Fehler(Simpson mit 1000 Summ.) ~ ", 0), 0u) << second.appendedLines[1];
  EXPECT_EQ(second.appendedLines[1].back(), ']');
}

// An integral over a pole does not exist; a gap at a bound or inside counts
// with its limit; a value Simpson only approximates carries no fraction.
TEST_F(IntegralPressTest, PolesGapsAndLimits) {
  const auto result = [](const std::string& term, const char* x1, const char* x2) {
    return IntegralResultLines({term, " "}, x1, x2, EvalTerm(x1), EvalTerm(x2), 200);
  };
  EXPECT_EQ(result("x^2+2/x", "-1", "1").at(0), "Integral(-1;1)x^2+2/x = Integral existiert nicht: Polstelle bei x = 0");
  EXPECT_EQ(result("1/(x-0,3001)", "-1", "1").at(0), "Integral(-1;1)1/(x-0,3001) = Integral existiert nicht: Polstelle bei x = 0,3001");
  EXPECT_EQ(result("1/sqrt(abs(x))", "-1", "1").size(), 1u);
  for (const char* gap : {"(x^3-1)/(x-1)", "(x^3-1)/(x-1)*(x+1)/(x+1)"}) {
    const std::vector<std::string> lines = result(gap, "-1", "1");
    ASSERT_EQ(lines.size(), 2u) << gap;
    EXPECT_NEAR(ResultValue(lines[0]), 8.0L / 3, 1e-12L) << lines[0];
    EXPECT_EQ(lines[0].find('/', lines[0].find(" = ")), std::string::npos) << lines[0];
  }
}

TEST_F(IntegralPressTest, UnreadableValuesAreRefused) {
  // The parameter x that EvalTerm reads first is no number.
  const IntegralOutcome outcome =
      IntegralPress({"Integralgrenze x1 = 0", "Integralgrenze x2 = 1", "Simpsonschritte pro Einheit n = 100"},
                    {"x", " x=abc "});
  EXPECT_TRUE(outcome.appendedLines.empty());
  EXPECT_EQ(outcome.message, Cp1252("Falsche Werte für x1, x2 oder n"));
}

struct StripsCase {
  Extended x1, x2, n;
  long long strips;
};

class Strips : public ::testing::TestWithParam<StripsCase> {};

TEST_P(Strips, AtLeastHundredEvenAndBounded) {
  EXPECT_EQ(SimpsonStrips(GetParam().x1, GetParam().x2, GetParam().n), GetParam().strips);
}

INSTANTIATE_TEST_SUITE_P(Table, Strips,
                         ::testing::Values(StripsCase{-5, 5, 100, 1000}, StripsCase{0, 101, 1, 102},
                                           StripsCase{5, -5, 100, 1000}, StripsCase{0, 1, 250.5L, 250},
                                           StripsCase{0, 1, -500, 100}, StripsCase{0, 1e9L, 1e9L, kMaxSimpsonStrips},
                                           StripsCase{0, 1, std::nanl(""), 100}));

class SimpsonReference : public testing::EngineTest {};

TEST_F(SimpsonReference, ExactUpToDegreeThreeAndEstimatedBeyond) {
  std::mt19937 random(333);
  int beyondCubic = 0;
  for (int k = 0; k < 80; ++k) {
    const int degree = static_cast<int>(random() % 7);
    testing::Coefficients p;
    for (int i = 0; i <= degree; ++i) {
      mpq_class c(static_cast<int>(random() % 33) - 16, 8);
      c.canonicalize();
      p.push_back(c);
    }
    if (p.back() == 0) p.back() = 1;
    mpq_class a(static_cast<int>(random() % 25) - 12, 4), b(static_cast<int>(random() % 25) - 12, 4);
    a.canonicalize(), b.canonicalize();
    const long long n = 20 + static_cast<long long>(random() % 200);
    const std::string term = testing::TermText(p);
    SCOPED_TRACE(term + " from " + a.get_str() + " to " + b.get_str() + " n=" + std::to_string(n));

    const long long strips = SimpsonStrips(a.get_d(), b.get_d(), n);
    const std::vector<std::string> lines =
        IntegralResultLines({term, " "}, a.get_str(), b.get_str(), a.get_d(), b.get_d(), strips);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("Integral(" + a.get_str() + ";" + b.get_str() + ")" + term + " = ", 0), 0u);
    // The polynomial's integral from its antiderivative, beside Simpson's value without a fraction.
    EXPECT_EQ(lines[2], "exakt (aus der Stammfunktion): " + testing::Integral(p, a, b).get_str());
    EXPECT_EQ(lines[0].find('/', lines[0].find(" = ")), std::string::npos) << lines[0];
    const long double exact = testing::Integral(p, a, b).get_d();
    const long double shown = ResultValue(lines[0]);
    const long double estimate = std::strtold(lines[1].substr(lines[1].find("~ ") + 2).c_str(), nullptr);
    // What the rounding of the sums alone may leave.
    long double scale = 0;
    const long double reach = std::max(std::fabs(a.get_d()), std::fabs(b.get_d()));
    for (std::size_t i = 0; i < p.size(); ++i) scale += std::fabs(p[i].get_d()) * std::pow(reach, i);
    const long double rounding = 1e-15L * (1 + scale * std::fabs(b.get_d() - a.get_d()));
    if (degree <= 3) {
      EXPECT_NEAR(shown, exact, rounding) << lines[0];
      EXPECT_LE(std::fabs(estimate), 2 * rounding) << lines[1];
    } else {
      ++beyondCubic;
      // Simpson's error falls with h^4: the finer sum is off by about 1/15 of the sums' difference.
      EXPECT_LE(std::fabs(shown - exact), std::fabs(estimate) / 5 + rounding) << lines[0] << " " << lines[1];
      if (a != b) {
        EXPECT_GT(std::fabs(estimate), 0) << lines[1];
      }
    }
  }
  EXPECT_GT(beyondCubic, 20);
}

}  // namespace
}  // namespace lumatik
