// The term language as a table: term, x, value, and the message it leaves;
// what the exact reading of generated_terms_test leaves out.

#include <cmath>

#include "shell/codepage.h"
#include "shell/textconvert.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

struct EvalCase {
  const char* term;  // UTF-8
  Extended x;
  Extended expected;
  const char* message;  // UTF-8; "" means no message at all
};

class EvalTermTest : public testing::EngineTest {};

TEST_F(EvalTermTest, ValuesAndMessagesOfTheTermLanguage) {
  const EvalCase cases[] = {
      {"2*8,5+4*(27.3-3/2)", 0, 120.2L, ""}, {"a-b+c", 0, 0, "Unbekannter Name c"}, {"3·4", 0, 12, ""},
      {"1'1/2+4'5/22", 0, 63.0L / 11.0L, ""}, {"-2'1/3", 0, -7.0L / 3.0L, ""}, {"   ", 0, 0, ""},
      // A sign directly after an operator belongs to what follows and binds
      // like the leading minus, below the power.
      {"2^-x", 3, 0.125L, ""}, {"x^-1/2", 4, 0.125L, ""}, {"2·-3", 0, -6, ""}, {"2*-sin(0)+1", 0, 1, ""},
      {"2*-1'1/2", 0, -3, ""}, {"3*-", 0, 0, "Syntaxf. in -"}, {"+", 0, 0, "Syntaxf. in +"}, {"1/-0", 0, 0, "Div. durch Null"},
      {"2*-pi", 0, 0, "Unbekannter Name pi"},
      // Exponents as the program's number formats write them; a lower-case
      // "e" and a literal glued to a name are no exponents.
      {"1.5E-20", 0, 1.5e-20L, ""}, {"1,23456789012345678E25", 0, 1.23456789012345678e25L, ""},
      {"2E5x", 2, 400000, ""}, {"2^1E-1", 0, 1.07177346253629316421L, ""}, {"1/1E-20", 0, 0, "Div. durch Null"},
      {"1E-5000", 0, 0, ""}, {"1E5000", 0, 0, "Syntaxf. in 1E5000"}, {"1e5", 0, 0, "Unbekannter Name e5"},
      {"2E", 0, 0, "Unbekannter Name E"}, {"2E-x", 1, -1, "Unbekannter Name E"}, {"x2E5", 0, 0, "Unbekannter Name E5"},
      // Implicit multiplication and powers.
      {"(x+1)(x-1)", 3, 8, ""}, {"3(4+1)", 0, 15, ""}, {"2Pi", 0, 2 * kPi, ""}, {"sqrt(x) [0;8]", 4, 2, ""},
      {"x2", 0, 0, "Unbekannter Name x2"}, {"2^0.5", 0, std::sqrt(2.0L), ""}, {"0^0", 0, 1, ""},
      {"(-8)^(1/3)", 0, 0, "Fehler in (-8)^(1/3)"}, {"0^(0-1)", 0, 0, "Fehler in 0^(0-1)"},
      {"10^5000", 0, 0, "Fehler in 10^5000"}, {"10^(0-5000)", 0, 0, "Fehler in 10^(0-5000)"},
      // Failures; the last one met wins, and left operands come first.
      {"1/0.1^16", 0, 0, "Div. durch Null"}, {"(2+3", 0, 3, "(2|-1 Klammern zu viel!"},
      {"2+3)", 0, 0, "Syntaxf. in 2+3)"}, {"2+@", 0, 2, "Syntaxf. in @"}, {"1/0+pi", 0, 0, "Unbekannter Name pi"},
      {"pi+1/0", 0, 0, "Div. durch Null"}, {"1+exp(100000)", 0, 1, "Fehler in exp(100000)"}};
  for (const EvalCase& c : cases) {
    MathErrorText().clear();
    const Extended value = EvalTermAt(Cp1252(c.term), c.x);
    const Extended tolerance = std::fabs(c.expected) * 4e-19L;
    EXPECT_NEAR(static_cast<double>(value - c.expected), 0.0, static_cast<double>(tolerance) + 1e-300)
        << c.term << " gave " << static_cast<double>(value);
    EXPECT_EQ(Cp1252ToUtf8(MathErrorText()), c.message) << c.term;
  }
}

TEST_F(EvalTermTest, TakesXFromTheParameterLine) {
  UseParams({"x=5", "a=2"});
  EXPECT_EQ(EvalTerm("a*x"), 10);
  EXPECT_EQ(EvalTermAt("a*x", 1), 2);
}

TEST_F(EvalTermTest, UnreadableXEscapesOnlyTheUnguardedCall) {
  UseParams({"x=abc"});
  EXPECT_ANY_THROW(EvalTerm("1"));
  EXPECT_EQ(EvalTermGuarded("1"), 0);
  // Inside a term the failing parameter costs only its sub-term.
  EXPECT_EQ(EvalTermAt("x0+1", 0), 1);
  UseParams({"y=abc"});
  EXPECT_EQ(EvalTermAt("y+1", 0), 1);
  EXPECT_EQ(MathErrorText(), "Fehler in y");
}

TEST_F(EvalTermTest, WordRewritingGivesTheSameValues) {
  const Extended byDegrees = EvalTermAt(Cp1252("sin(45°)"), 0);
  EXPECT_EQ(byDegrees, EvalTermAt("si_(45)", 0));
  EXPECT_NEAR(static_cast<double>(byDegrees - EvalTermAt("sin(Pi/4)", 0)), 0, 1e-18);
  EXPECT_EQ(EvalTermAt("sqrt(2)", 0), EvalTermAt("wur(2)", 0));
  EXPECT_EQ(EvalTermAt("round(2.5)", 0), 3);
  EXPECT_EQ(EvalTermAt("sinx", 0.5L), EvalTermAt("sin(x)", 0.5L));
}

TEST_F(EvalTermTest, StrToNumberReadsBothSeparators) {
  EXPECT_EQ(StrToNumber("8,5"), 8.5L);
  EXPECT_EQ(StrToNumber("8.5"), 8.5L);
  EXPECT_EQ(StrToNumber(" 1 234 "), 1234);
  EXPECT_THROW(StrToNumber("1,2,3"), ConversionError);
  EXPECT_THROW(StrToNumber("abc"), ConversionError);
}

}  // namespace
}  // namespace lumatik
