// The compiled form against the text evaluator: generated and mutated terms at
// many points and under changing parameter lines give the same 80-bit value and
// message, and leave the parameters and the shown message boxes alike.

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>

#include "exact/primes.h"
#include "expr/compiled_term.h"
#include "shell/decimal_separator.h"
#include "support/engine_state.h"
#include "term_generator.h"

namespace lumatik {
namespace {

using testing::TermGenerator;

// Bit for bit: the sign of a zero counts, and a NaN must carry the same
// payload (the text evaluator only ever hands an x that is NaN through).
bool SameBits(Extended a, Extended b) { return std::memcmp(&a, &b, 10) == 0; }

std::string Printable(const std::string& s) {
  std::string out;
  for (unsigned char c : s) out += c >= 32 && c < 127 ? std::string(1, static_cast<char>(c)) : "\\" + std::to_string(c);
  return out;
}

// Everything an evaluation reads or may change besides its value.
struct EngineState {
  std::string paramLine;
  std::vector<std::string> paramLines;
  std::string message;

  static EngineState Now() { return {ParamLine(), ParamLines().lines(), MathErrorText()}; }
  void restore() const {
    ParamLine() = paramLine;
    ParamLines().setLines(paramLines);
    MathErrorText() = message;
  }
  bool operator==(const EngineState&) const = default;
};

// Stops prime tables far beyond what a school term asks for: a mutated
// "PrZ(9^9)" ends quickly, with the same message in both evaluators.
class PrimeLimit : public PrimeProgressObserver {
 public:
  void opened() override {}
  void progressed(int) override {}
  bool cancelled() const override { return PrimeCount() > 200000; }
  void closed() override {}
};

const Extended kInf = std::numeric_limits<Extended>::infinity();
const Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();
const Extended kTiny = std::numeric_limits<Extended>::denorm_min();

Extended PointFor(TermGenerator& maker) {
  static const Extended kNastyPoints[] = {0, -0.0L, 1, -1, 0.5L, 3, 1e-16L, 1e30L, 1e4000L, -1e4000L, kInf, -kInf,
                                          kNaN, kTiny, 45, 90, 2, -2};
  if (maker.pick(6) == 0) return kNastyPoints[maker.pick(sizeof kNastyPoints / sizeof kNastyPoints[0])];
  return -8 + 16 * static_cast<Extended>(maker.uniform());
}

const std::vector<const char*> kParamLines = {
    " ", " a=2 b=-3 c=1E-3 ", " a=1/3 b=-3 c=(1+2)*3 ", " x=5 a=2 b=0 c=0,5 ", " a=1/0 b=abc c=2^-20000 ",
    " 3=7 x2=4 E5=2 e=2,718281828459045 ", " n=10 p=1/6 a=1 b=2 c=3 x=2 ", " x=abc ", " a= b=2*-3 ",
    " pi=3 Pi=4 x=-1 ", " a=((1) b=1,5E-20 c=2^3^2 ", " x=1  x0=0  x'=0   ", " a)=2 b(=3 c=4 ",
};
const char* AnyLine(TermGenerator& maker) { return kParamLines[maker.pick(static_cast<int>(kParamLines.size()))]; }

class CompiledTermTest : public testing::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPrimeProgressObserver(&primeLimit_);
  }
  void TearDown() override {
    SetPrimeProgressObserver(nullptr);
    SetDecimalSeparator(',');
    EngineTest::TearDown();
  }

  // The points through the text evaluator and the compiled form (per point or
  // as one row), both from the same state; false (with a report) if they differ.
  bool SameOutcome(const CompiledTerm& compiled, const std::vector<Extended>& xs, const EngineState& before,
                   bool asRow = false) {
    before.restore();
    messages.clear();
    std::vector<Extended> expected;
    for (Extended x : xs) expected.push_back(EvalTermAt(compiled.term(), x));
    const EngineState expectedState = EngineState::Now();
    const std::vector<std::string> expectedShown = messages;

    before.restore();
    messages.clear();
    std::vector<Extended> actual;
    if (asRow) actual = compiled.evaluate(xs);
    for (std::size_t i = 0; !asRow && i < xs.size(); ++i) actual.push_back(compiled(xs[i]));
    bool same = EngineState::Now() == expectedState && messages == expectedShown;
    for (std::size_t i = 0; i < xs.size(); ++i) same = same && SameBits(expected[i], actual[i]);
    if (!same && ++failures_ <= 12)
      ADD_FAILURE() << "term \"" << Printable(compiled.term()) << "\" at x=" << static_cast<double>(xs[0])
                    << " with parameters \"" << Printable(before.paramLine) << "\": message \""
                    << Printable(expectedState.message) << "\" / \"" << Printable(MathErrorText()) << "\"";
    return same;
  }

  int failures_ = 0;
  PrimeLimit primeLimit_;
};

// The compiled form binds parameters to the line it saw last: a changed
// line, a changed value and a changed decimal separator are all noticed.
TEST_F(CompiledTermTest, ParameterLineChangesBetweenCallsAreNoticed) {
  const CompiledTerm compiled("a*x+b+3");
  for (char separator : {',', '.', ','}) {
    SetDecimalSeparator(separator);
    for (const char* line : {" a=2 b=1 ", " a=2 b=1 ", " a=5 b=1 ", " b=1 ", " a=2,5 b=1 ", " a=2.5 b=1 3=4 ", " "})
      SameOutcome(compiled, {2}, EngineState{line, {}, ""});
  }
  EXPECT_EQ(failures_, 0);
}

TEST_F(CompiledTermTest, GeneratedTermsAgreeBitForBit) {
  TermGenerator maker(20260613);
  constexpr int kTerms = 200000;
  int compiledTerms = 0;
  for (int i = 0; i < kTerms && failures_ <= 12; ++i) {
    // A part of the run reads numbers with the decimal point.
    if (i % 50000 == 0) SetDecimalSeparator(i == 100000 ? '.' : ',');
    const CompiledTerm compiled(maker.anyTerm());
    compiledTerms += compiled.isCompiled() ? 1 : 0;
    // Several points, and the parameter line changing between them.
    for (int k = 0; k < 2; ++k) {
      const EngineState before{AnyLine(maker), {"x=1", "x0=0", "x'=0"}, maker.pick(4) == 0 ? "alt" : ""};
      SameOutcome(compiled, {PointFor(maker)}, before);
    }
  }
  EXPECT_EQ(failures_, 0);
  // Most generated terms take the compiled road, not the text evaluator.
  EXPECT_GT(compiledTerms, kTerms / 2);
}

// A whole row of points at once gives what the calls one by one give: every
// value, and the message and parameters after the last call.
TEST_F(CompiledTermTest, RowsOfPointsAgreeWithCallsOneByOne) {
  TermGenerator maker(314159);
  std::vector<std::string> terms = {
      "1/3*x^3-3*x", "x/(x+1)/(x-1)", "-x^4+8/3*x^3-16/9*x^2+24/9*x-7/9", "2*ln(x)/x", "3*(x/2+1/3-int(x/2+1/3))",
      "x^-3", "1/x^2", "2/x", "x^0,5", "(x+1)^x", "x^x^x", "wur(x)", "tan(x)", "asn(x/4)", "ta_(x*45)", "x2E5",
      "1'1/2+4'5/22", "x'1/2", "sin(45\xB0)", "x\xB0", "(2+3", "sqrt(x) [0;8]", "a)+1", "BiS(6)", "fak(x)+x"};
  for (int i = 0; i < 6000; ++i) terms.push_back(maker.anyTerm());
  for (const std::string& term : terms) {
    std::vector<Extended> xs(static_cast<std::size_t>(1 + maker.pick(150)));
    for (Extended& x : xs) x = PointFor(maker);
    SameOutcome(CompiledTerm(term), xs, EngineState{AnyLine(maker), {"x=1"}, maker.pick(2) == 0 ? "alt" : ""}, true);
  }
  EXPECT_EQ(failures_, 0);
}

// The derivative and the Simpson rule evaluate their term through the
// compiled form; written out with the text evaluator they give the same.
TEST_F(CompiledTermTest, DerivativeAndSimpsonAgreeWithTheTextEvaluator) {
  TermGenerator maker(99);
  for (int i = 0; i < 3000; ++i) {
    const std::string term = i % 3 == 0 ? "1/3*x^3-3*x" : maker.anyTerm();
    const Extended x = PointFor(maker);
    const EngineState before{kParamLines[maker.pick(4)], {"x=1"}, ""};

    // The slope: exact for the cubic; for the others it agrees with
    // difference quotients of the text evaluator where f is smooth there.
    before.restore();
    const std::uint64_t count = MathErrorCount();
    const Extended h = 1e-5L;
    const Extended wide = (EvalTermAt(term, x + h) - EvalTermAt(term, x - h)) / (2 * h);
    const Extended narrow = (EvalTermAt(term, x + h / 4) - EvalTermAt(term, x - h / 4)) / (h / 2);
    // Values far above the step, or numbers of many digits beside x, lose
    // the quotient in their rounding.
    int digits = 0, longestDigits = 0;
    for (char ch : term) longestDigits = std::max(longestDigits, digits = std::isdigit(static_cast<unsigned char>(ch)) ? digits + 1 : 0);
    const bool smooth = longestDigits < 8 && std::fabs(x) < 1e6L && std::fabs(EvalTermAt(term, x)) < 1e6L && MathErrorCount() == count && std::fabs(wide - narrow) <= 1e-7L * (1 + std::fabs(wide));
    before.restore();
    const Extended slope = NumDerivative(term, x);
    if (i % 3 == 0 && std::isfinite(x * x * x)) {
      ASSERT_NEAR(slope, x * x - 3, 1e-17L * (1 + x * x)) << Printable(term);
    } else if (i % 3 != 0 && smooth) {
      ASSERT_NEAR(slope, narrow, 1e-6L * (1 + std::fabs(narrow))) << Printable(term);
    }

    const int n = 2 * (1 + maker.pick(20));
    const Extended a = -8 + maker.pick(9), b = a + 1 + maker.pick(8);
    before.restore();
    const Extended step = (b - a) / n;
    Extended sum = 0;
    for (int k = 0; k <= n; ++k) sum += EvalTermAt(term, a + k * step) * (k == 0 || k == n ? 1 : k % 2 == 1 ? 4 : 2);
    const EngineState afterSum = EngineState::Now();
    before.restore();
    messages.clear();
    const Extended integral = SimpsonIntegral(term, n, a, b);
    if (!std::isfinite(sum)) continue;  // the rule gives up with a message box
    ASSERT_TRUE(SameBits(sum * step / 3, integral) && afterSum == EngineState::Now()) << Printable(term);
  }
}

}  // namespace
}  // namespace lumatik
