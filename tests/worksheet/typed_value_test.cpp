// The reading of one typed value: plain numbers exactly as written, terms
// through the engine, and terms the engine cannot compute reported instead
// of read as some number.

#include <gtest/gtest.h>

#include <cmath>

#include "exact/rational.h"
#include "expr/lumath.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/typed_value.h"

namespace lumatik {
namespace {

class TypedValueTest : public testing::EngineTest {};

TEST_F(TypedValueTest, RecognisesFractionsThatTermsCompute) {
  struct Case {
    const char* term;
    const char* fraction;  // nullptr: no fraction
  };
  const Case cases[] = {{"2*3/7", "6/7"},   {"1/3+1/7", "10/21"}, {"wur(1/4)", "1/2"}, {"(1/2)", "1/2"},
                        {"-5/1000000", "-1/200000"}, {"wur(2)", nullptr}, {"Pi", nullptr},   {"exp(1)", nullptr},
                        {"1/3000007", nullptr}, {"1000000*wur(5)", nullptr}, {"1000000/7", "1000000/7"}};
  for (const Case& c : cases) {
    const auto fraction = RecogniseFraction(ReadTypedValue(c.term).value);
    if (c.fraction == nullptr) {
      EXPECT_FALSE(fraction) << c.term;
    } else {
      ASSERT_TRUE(fraction) << c.term;
      EXPECT_EQ(fraction->get_str(), c.fraction) << c.term;
    }
  }
  EXPECT_EQ(RecogniseFraction(0)->get_str(), "0");
}

TEST_F(TypedValueTest, TermsBeginningWithALetterAreComputed) {
  struct Case {
    const char* item;
    long double value;
  };
  const Case cases[] = {{"wur(3)", std::sqrt(3.0L)}, {"Pi/2", 0x1.921fb54442d18469p+0L}, {"-Pi", -0x3.243f6a8885a308d3p+0L},
                        {"sqrt(2)/2", std::sqrt(2.0L) / 2}, {"1'3/5", 1.6L}, {"1,5E-20", 1.5e-20L}, {"2E5", 2e5L},
                        {"-0,5", -0.5L}, {"2*3", 6}};
  for (const Case& c : cases) {
    const TypedValue typed = ReadTypedValue(c.item);
    EXPECT_TRUE(typed.computed) << c.item;
    EXPECT_NEAR(static_cast<double>(typed.value), static_cast<double>(c.value), 1e-15) << c.item;
  }
}

TEST_F(TypedValueTest, UncomputableTermsAreReportedWithTheEngineMessage) {
  for (const char* item : {"wurzel(3)", "abc", "1/0", "Pi/0", "x1", "*"}) {
    const TypedValue typed = ReadTypedValue(item);
    EXPECT_FALSE(typed.computed) << item;
    EXPECT_FALSE(typed.message.empty()) << item;
    EXPECT_EQ(typed.value, 0) << item;
  }
  // A term that works leaves an earlier message alone.
  MathErrorText() = "vorher";
  EXPECT_TRUE(ReadTypedValue("wur(9)").computed);
  EXPECT_EQ(MathErrorText(), "vorher");
}

TEST_F(TypedValueTest, HintNamesTheLineTheItemAndTheMessage) {
  EXPECT_EQ(UncomputableValueHint(3, "wurzel(3)", "Syntaxf. in zel(3)"),
            Cp1252("Abbruch:In Zeile 3 kann \"wurzel(3)\" nicht berechnet werden (Syntaxf. in zel(3)).\r"
                   "Erlaubt sind Zahlen und Rechenausdrücke ohne Leerstelle, z.B. 1/3, wur(3) oder Pi/2."));
}

}  // namespace
}  // namespace lumatik
