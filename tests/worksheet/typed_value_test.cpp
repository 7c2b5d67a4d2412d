// The reading of one typed value: plain numbers exactly as written, terms
// through the engine, and terms the engine cannot compute reported instead
// of read as some number.

#include <gtest/gtest.h>

#include <cmath>

#include "exact/rational.h"
#include "expr/evaluate.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/typed_value.h"

namespace lumatik {
namespace {

class TypedValueTest : public testing::EngineTest {};

TEST_F(TypedValueTest, RecognisesFractionsThatTermsCompute) {
  const std::pair<const char*, const char*> cases[] = {  // the term, its fraction or nullptr
      {"2*3/7", "6/7"}, {"wur(1/4)", "1/2"}, {"-5/1000000", "-1/200000"}, {"1000000/7", "1000000/7"},
      {"wur(2)", nullptr}, {"exp(1)", nullptr}, {"1/3000007", nullptr}, {"1000000*wur(5)", nullptr}};
  for (const auto& [term, expected] : cases) {
    const auto fraction = RecogniseFraction(ReadTypedValue(term).value);
    EXPECT_EQ(fraction ? fraction->get_str() : "none", expected ? expected : "none") << term;
  }
  EXPECT_EQ(RecogniseFraction(0)->get_str(), "0");
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

}  // namespace
}  // namespace lumatik
