// The compiled form against the text evaluator: generated and mutated terms,
// evaluated through both at many points and under changing parameter lines,
// must give the same 80-bit value, the same message, and leave the
// parameters and the shown message boxes alike.

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "exact/primes.h"
#include "expr/compiled_term.h"
#include "expr/evaluation_depth.h"
#include "expr/limits.h"
#include "shell/decimal_separator.h"
#include "support/engine_state.h"
#include "term_generator.h"

namespace lumatik {
namespace {

using testing::TermGenerator;

const char kHex[] = "0123456789abcdef";

// The ten bytes of an 80-bit value, written out for a failure report.
std::string Bytes(Extended v) {
  unsigned char b[10];
  std::memcpy(b, &v, sizeof b);
  std::string out;
  for (int i = 9; i >= 0; --i) out += {kHex[b[i] >> 4], kHex[b[i] & 15]};
  return out;
}

// Bit for bit: the sign of a zero counts, and a NaN must carry the same
// payload (the text evaluator only ever hands an x that is NaN through).
bool SameBits(Extended a, Extended b) { return std::memcmp(&a, &b, 10) == 0; }

std::string Printable(const std::string& s) {
  std::string out;
  for (unsigned char c : s)
    out += c >= 32 && c < 127 ? std::string(1, static_cast<char>(c)) : std::string{'\\', 'x', kHex[c >> 4], kHex[c & 15]};
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

// Stops prime table extensions far beyond what a school term asks for, so
// that a mutated "PrZ(9^9)" ends quickly (with its own message, alike in
// both evaluators).
class PrimeLimit : public PrimeProgressObserver {
 public:
  void opened() override {}
  void progressed(int) override {}
  bool cancelled() const override { return PrimeCount() > 200000; }
  void closed() override {}
};

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

  // Evaluates term at x through the text evaluator and through the compiled
  // form, both from the same state; false (with a report) when they differ.
  bool SameOutcome(const CompiledTerm& compiled, Extended x, const EngineState& before) {
    before.restore();
    messages.clear();
    const Extended expected = EvalTermAt(compiled.term(), x);
    const EngineState expectedState = EngineState::Now();
    const std::vector<std::string> expectedShown = messages;

    before.restore();
    messages.clear();
    const Extended actual = compiled(x);
    const EngineState actualState = EngineState::Now();

    if (SameBits(expected, actual) && expectedState == actualState && expectedShown == messages) return true;
    if (++failures_ <= 12) {
      ADD_FAILURE() << "term \"" << Printable(compiled.term()) << "\" at x=" << static_cast<double>(x)
                    << " with parameters \"" << Printable(before.paramLine) << "\"\n  text:     "
                    << Bytes(expected) << " \"" << Printable(expectedState.message) << "\" line \""
                    << Printable(expectedState.paramLine) << "\"\n  compiled: " << Bytes(actual) << " \""
                    << Printable(actualState.message) << "\" line \"" << Printable(actualState.paramLine)
                    << "\"";
    }
    return false;
  }

  int failures_ = 0;
  PrimeLimit primeLimit_;
};

// Chosen cases: each protects one rule of the evaluator that the compiled
// form has to follow.

struct Case {
  const char* term;
  Extended x;
  const char* params;
};

const Extended kInf = std::numeric_limits<Extended>::infinity();
const Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();
const Extended kTiny = std::numeric_limits<Extended>::denorm_min();

const Case kCases[] = {
    // Splitting, signs after operators, exponent literals.
    {"8-3-2", 0, " "}, {"8/4:2", 0, " "}, {"2^3^2", 0, " "}, {"-2^2", 0, " "}, {"2*-3^2", 0, " "},
    {"x^-2", 3, " "}, {"4--1", 0, " "}, {"+5", 0, " "}, {"1,5E-20*x", 2, " "}, {"2E5x", 1, " "},
    {"x2E5", 1, " x2=3 E5=4 "}, {"3e-1", 1, " e=2 "}, {"1E4000", 0, " "}, {"1E-5000", 0, " "},
    // Brackets that do not match, and what trails a bracket.
    {"(2+3", 0, " "}, {"2+3)", 0, " "}, {"((x)", 1, " "}, {"(x))", 1, " "}, {"sqrt(x) [0;8]", 4, " "},
    {"(", 0, " "}, {")", 0, " "}, {"()", 0, " "}, {"(x+1)(x-1)", 3, " "}, {"2(x", 2, " "},
    // Division by (almost) zero, failed powers and overflow.
    {"1/0", 0, " "}, {"1/0.1^16", 0, " "}, {"x/(x-1)", 1, " "}, {"(-8)^(1/3)", 0, " "}, {"0^-1", 0, " "},
    {"x^0.5", -4, " "}, {"x^3", -0.0L, " "}, {"x*x", -0.0L, " "}, {"0^0", 0, " "}, {"x^0", kNaN, " "},
    {"x^-1", kTiny, " "}, {"x^-1+0", kTiny, " "}, {"10^5000", 0, " "}, {"x*1E4000", 1e4000L, " "},
    {"exp(x)", 12000, " "}, {"exp(-x)", 1e5L, " "}, {"fak(1755)", 0, " "}, {"2^x", 0.5L, " "},
    // x that is not finite is handed through unchanged and fails in any
    // operation.
    {"x", kNaN, " "}, {"(x)", -kInf, " "}, {"x+1", kInf, " "}, {"x-x", kInf, " "}, {"abs(x)", kInf, " "},
    {"sgn(x)", kNaN, " "}, {"int(x)", kNaN, " "}, {"sin(x)", kInf, " "}, {"tan(x)", kInf, " "},
    // Domain messages of the functions.
    {"ln(x)", -2, " "}, {"lg(0)", 0, " "}, {"lb(x)", 8, " "}, {"wur(-1)", 0, " "}, {"asn(1.5)", 0, " "},
    {"acs(-x)", 2, " "}, {"as_(2)", 0, " "}, {"ac_(x)", -1, " "}, {"tan(Pi/2)", 0, " "}, {"ta_(90)", 0, " "},
    {"at_(1)", 0, " "}, {"co_(60)", 0, " "}, {"si_(30)", 0, " "}, {"rou(-2.5)", 0, " "}, {"round(2.5)", 0, " "},
    {"int(-2.5)", 0, " "}, {"sgn(0)", 0, " "}, {"sinx", 1, " "}, {"sin", 1, " "}, {"sin()", 1, " "},
    // Words, degrees, the middle dot, ":".
    {"sin(45\xB0)", 0, " "}, {"45\xB0", 0, " "}, {"x\xB0", 90, " "}, {"2\xB7x", 3, " "}, {"x:2:2", 8, " "},
    {"2Pi", 0, " "}, {"2sin(x)", 1, " "}, {"pi", 0, " "}, {"Pi", 0, " pi=3 Pi=4 "}, {"pi", 0, " pi=3 "},
    // Parameters: missing, unreadable, dividing by zero, numbers that are
    // parameters, terms as values, parameters added by the statistics
    // functions.
    {"a*x^3+b*x", 5, " a=1/3 b=-3 "}, {"a+2", 0, " a=1/0 "}, {"b", 0, " b=abc "}, {"3+x", 1, " 3=7 "},
    {"c", 0, " c=2^-20000 "}, {"a", 0, " a= "}, {"a", 0, " a=((1) "}, {"d", 0, " d=1-2-3 "}, {"ba", 0, " a=2 "},
    {"nue(6)", 0, " "}, {"BiS(6)", 0, " "}, {"Bin(x)", 0, " x=2 n=10 "}, {"AGM(x)", 3, " x=6 "}, {"PrZ(x)", 0, " x=abc "},
    {"Phi(1)", 0, " "}, {"GSU(x)", 0, " x=1 "}, {"fak(x)+x", 2, " x=5 "},
    // Mixed numbers are read on every call.
    {"1'1/2+4'5/22", 0, " "}, {"-2'1/3*x", 3, " "}, {"1'1/0", 0, " "}, {"x'1/2", 2, " "}, {"1'1/2", 0, " 1=5 "},
    // Bytes that mean nothing.
    {"a)+1", 0, " a)=2 "}, {"b(*x", 2, " b(=3 "}, {"#", 0, " "}, {"2#3", 0, " "}, {"\x80x", 1, " "}, {"x\x01", 1, " "}, {"\tx\n", 4, " "}, {"a=1", 0, " a=1=2 "},
};

TEST_F(CompiledTermTest, ChosenCasesAgree) {
  for (const Case& c : kCases) {
    const CompiledTerm compiled(c.term);
    EngineState before{c.params, {"x=1", "x0=0", "x'=0"}, "alt"};
    SameOutcome(compiled, c.x, before);
    before.message.clear();
    SameOutcome(compiled, c.x, before);
  }
}

// The compiled form binds parameters to the line it saw last: a changed
// line, a changed value and a changed decimal separator are all noticed.
TEST_F(CompiledTermTest, ParameterLineChangesBetweenCallsAreNoticed) {
  const CompiledTerm compiled("a*x+b+3");
  const char* lines[] = {" a=2 b=1 ", " a=2 b=1 ", " a=5 b=1 ", " b=1 ", " a=2,5 b=1 ", " a=2.5 b=1 3=4 ", " "};
  for (char separator : {',', '.', ','}) {
    SetDecimalSeparator(separator);
    for (const char* line : lines) SameOutcome(compiled, 2, EngineState{line, {}, ""});
  }
}

// Generated terms.

Extended PointFor(TermGenerator& maker) {
  static const Extended kNastyPoints[] = {0, -0.0L, 1, -1, 0.5L, 3, 1e-16L, 1e30L, 1e4000L, -1e4000L, kInf, -kInf,
                                      kNaN, kTiny, 45, 90, 2, -2};
  if (maker.pick(6) == 0) return kNastyPoints[maker.pick(sizeof kNastyPoints / sizeof kNastyPoints[0])];
  return -8 + 16 * static_cast<Extended>(maker.uniform());
}

const char* const kParamLines[] = {
    " ",
    " a=2 b=-3 c=1E-3 ",
    " a=1/3 b=-3 c=(1+2)*3 ",
    " x=5 a=2 b=0 c=0,5 ",
    " a=1/0 b=abc c=2^-20000 ",
    " 3=7 x2=4 E5=2 e=2,718281828459045 ",
    " n=10 p=1/6 a=1 b=2 c=3 x=2 ",
    " x=abc ",
    " a= b=2*-3 ",
    " pi=3 Pi=4 x=-1 ",
    " a=((1) b=1,5E-20 c=2^3^2 ",
    " x=1  x0=0  x'=0   ",
    " a)=2 b(=3 c=4 ",
};

TEST_F(CompiledTermTest, GeneratedTermsAgreeBitForBit) {
  TermGenerator maker(20260613);
  constexpr int kTerms = 200000;
  int compiledTerms = 0;
  for (int i = 0; i < kTerms; ++i) {
    // A part of the run reads numbers with the decimal point.
    if (i % 50000 == 0) SetDecimalSeparator(i == 100000 ? '.' : ',');
    const std::string text = maker.anyTerm();
    const CompiledTerm compiled(text);
    compiledTerms += compiled.isCompiled() ? 1 : 0;
    // Several points, and the parameter line changing between them.
    for (int k = 0; k < 2; ++k) {
      const char* line = kParamLines[maker.pick(sizeof kParamLines / sizeof kParamLines[0])];
      const EngineState before{line, {"x=1", "x0=0", "x'=0"}, maker.pick(4) == 0 ? "alt" : ""};
      SameOutcome(compiled, PointFor(maker), before);
    }
    if (failures_ > 12) break;
  }
  EXPECT_EQ(failures_, 0);
  // Most generated terms take the compiled road, not the text evaluator.
  EXPECT_GT(compiledTerms, kTerms / 2);
}

// A whole row of points at once gives what the calls one by one give: every
// value, and the message and parameters after the last call.
TEST_F(CompiledTermTest, RowsOfPointsAgreeWithCallsOneByOne) {
  TermGenerator maker(314159);
  std::vector<std::string> terms;
  for (const Case& c : kCases) terms.push_back(c.term);
  for (const char* t : {"1/3*x^3-3*x", "x/(x+1)/(x-1)", "-x^4+8/3*x^3-16/9*x^2+24/9*x-7/9", "2*ln(x)/x",
                        "3*(x/2+1/3-int(x/2+1/3))", "x^-3", "1/x^2", "2/x", "x^0,5", "(x+1)^x", "x^x^x",
                        "wur(x)", "tan(x)", "asn(x/4)", "ta_(x*45)"})
    terms.push_back(t);
  for (int i = 0; i < 6000; ++i) terms.push_back(maker.anyTerm());
  int failures = 0;
  for (const std::string& term : terms) {
    const CompiledTerm compiled(term);
    std::vector<Extended> xs(static_cast<std::size_t>(1 + maker.pick(150)));
    for (Extended& x : xs) x = PointFor(maker);
    const EngineState before{kParamLines[maker.pick(sizeof kParamLines / sizeof kParamLines[0])], {"x=1"},
                             maker.pick(2) == 0 ? "alt" : ""};
    before.restore();
    messages.clear();
    std::vector<Extended> expected;
    for (Extended x : xs) expected.push_back(EvalTermAt(term, x));
    const EngineState expectedState = EngineState::Now();
    const std::vector<std::string> expectedShown = messages;
    before.restore();
    messages.clear();
    const std::vector<Extended> actual = compiled.evaluate(xs);
    bool same = expectedState == EngineState::Now() && expectedShown == messages;
    for (std::size_t i = 0; i < xs.size(); ++i) same = same && SameBits(expected[i], actual[i]);
    if (!same && ++failures <= 5)
      ADD_FAILURE() << Printable(term) << " with \"" << Printable(before.paramLine) << "\": message \""
                    << Printable(expectedState.message) << "\" / \"" << Printable(MathErrorText()) << "\"";
  }
  EXPECT_EQ(failures, 0);
}

// The derivative and the Simpson rule evaluate their term through the
// compiled form; written out with the text evaluator they give the same.
TEST_F(CompiledTermTest, DerivativeAndSimpsonAgreeWithTheTextEvaluator) {
  TermGenerator maker(99);
  for (int i = 0; i < 3000; ++i) {
    const std::string term = i % 3 == 0 ? "1/3*x^3-3*x" : maker.anyTerm();
    const Extended x = PointFor(maker);
    const EngineState before{kParamLines[maker.pick(4)], {"x=1"}, ""};

    before.restore();
    const Extended h = 1e-6L;
    const Extended ahead = EvalTermAt(term, x + h);
    const Extended behind = EvalTermAt(term, x - h);
    const Extended expectedSlope = (ahead - behind) / (2 * h);
    const EngineState afterText = EngineState::Now();
    before.restore();
    const Extended slope = NumDerivative(term, x);
    ASSERT_TRUE(SameBits(expectedSlope, slope) && afterText == EngineState::Now()) << Printable(term);

    const int n = 2 * (1 + maker.pick(20));
    const Extended a = -8 + maker.pick(9), b = a + 1 + maker.pick(8);
    before.restore();
    const Extended step = (b - a) / n;
    Extended sum = 0;
    for (int k = 0; k <= n; ++k) {
      Extended y = EvalTermAt(term, a + k * step);
      if (k > 0 && k < n) y *= k % 2 == 1 ? 4 : 2;
      sum += y;
    }
    const Extended expectedIntegral = std::isfinite(sum) ? sum * step / 3 : 0;
    const EngineState afterSum = EngineState::Now();
    before.restore();
    messages.clear();
    const Extended integral = SimpsonIntegral(term, n, a, b);
    if (!std::isfinite(sum)) continue;  // the rule gives up with a message box
    ASSERT_TRUE(SameBits(expectedIntegral, integral) && afterSum == EngineState::Now()) << Printable(term);
  }
}

}  // namespace
}  // namespace lumatik
