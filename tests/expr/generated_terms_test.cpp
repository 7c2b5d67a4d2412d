// Generated terms with signs after operators, powers with signed exponents
// and literals with an "E" exponent, evaluated by the engine and by an
// independent recursive-descent reading in exact rational arithmetic with
// school precedence: a sign binds below the power (2*-3^2 = -18), powers
// group to the left as everywhere in this program (2^3^2 = 64).

#include <gmpxx.h>

#include <cctype>
#include <stdexcept>

#include "support/engine_state.h"
#include "term_generator.h"

namespace lumatik {
namespace {

// A case the exact reading should not decide: a zero divisor, or a number
// too long to hand over to 80 bits exactly.
struct Skip {};

// The exact value, and a bound of how far an 80-bit evaluation of the same
// steps may lie from it: each step rounds, and carries its operands' errors.
constexpr long double kRounding = 0x1p-61L;

struct Number {
  mpq_class exact;
  long double error = 0;
  long double value() const {
    return static_cast<long double>(exact.get_num().get_si()) / static_cast<long double>(exact.get_den().get_si());
  }
};

Number Rounded(mpq_class exact, long double carried) {
  exact.canonicalize();
  if (!exact.get_num().fits_slong_p() || !exact.get_den().fits_slong_p()) throw Skip{};
  Number n{exact, carried};
  n.error += std::fabs(n.value()) * kRounding;
  return n;
}

Number Add(const Number& a, const Number& b) { return Rounded(a.exact + b.exact, a.error + b.error); }
Number Negated(const Number& a) { return {-a.exact, a.error}; }
Number Times(const Number& a, const Number& b) {
  return Rounded(a.exact * b.exact, std::fabs(a.value()) * b.error + std::fabs(b.value()) * a.error + a.error * b.error);
}
Number Over(const Number& a, const Number& b) {
  if (std::fabs(b.value()) <= 2 * b.error || std::fabs(b.value()) < 1e-12L) throw Skip{};
  const mpq_class q = a.exact / b.exact;
  return Rounded(q, (a.error + std::fabs(Number{q}.value()) * b.error) / (std::fabs(b.value()) - b.error));
}

// Reads the grammar of TermGenerator::readable.
class ReferenceReader {
 public:
  explicit ReferenceReader(const std::string& text) : s_(text) {}
  Number Read() {
    const Number r = Expr();
    if (p_ != s_.size()) throw std::logic_error("unread text in " + s_);
    return r;
  }

 private:
  char Peek() const { return p_ < s_.size() ? s_[p_] : '\0'; }
  Number Expr() {
    Number r = Term();
    while (Peek() == '+' || Peek() == '-') r = s_[p_++] == '+' ? Add(r, Term()) : Add(r, Negated(Term()));
    return r;
  }
  Number Term() {
    Number r = Unary();
    while (Peek() == '*' || Peek() == '/' || Peek() == ':') r = s_[p_++] == '*' ? Times(r, Unary()) : Over(r, Unary());
    return r;
  }
  Number Unary() {
    if (Peek() == '-') return ++p_, Negated(Unary());
    if (Peek() == '+') return ++p_, Unary();
    return Power();
  }
  Number Power() {
    Number r = Primary();
    while (Peek() == '^') {
      ++p_;
      int sign = 1;
      while (Peek() == '-' || Peek() == '+') sign *= s_[p_++] == '-' ? -1 : 1;
      const int n = sign * (s_[p_++] - '0');
      if (r.exact == 0 && n < 0) throw Skip{};
      Number power{1};
      for (int i = 0; i < std::abs(n); ++i) power = Times(power, r);
      r = n < 0 ? Over(Number{1}, power) : power;
    }
    return r;
  }
  Number Primary() {
    if (Peek() == '(') {
      ++p_;
      const Number r = Expr();
      if (s_[p_++] != ')') throw std::logic_error("missing bracket in " + s_);
      return r;
    }
    // digits [, digits] [E [sign] digits]
    mpz_class num = 0, den = 1;
    while (std::isdigit(static_cast<unsigned char>(Peek()))) num = num * 10 + (s_[p_++] - '0');
    if (Peek() == ',') {
      ++p_;
      while (std::isdigit(static_cast<unsigned char>(Peek()))) num = num * 10 + (s_[p_++] - '0'), den *= 10;
    }
    if (Peek() == 'E') {
      const bool negative = s_[++p_] == '-';
      if (Peek() == '-' || Peek() == '+') ++p_;
      for (int e = s_[p_++] - '0'; e > 0; --e) (negative ? den : num) *= 10;  // a single digit
    }
    return Rounded(mpq_class(num, den), 0);
  }

  std::string s_;
  std::size_t p_ = 0;
};

class GeneratedTerms : public testing::EngineTest {};

TEST_F(GeneratedTerms, AgreeWithExactReading) {
  testing::TermGenerator generator(2024);
  int checked = 0;
  int withSignAfterOperator = 0;
  for (int i = 0; i < 6000; ++i) {
    const std::string term = generator.readable(2);
    Number exact;
    try {
      exact = ReferenceReader(term).Read();
    } catch (const Skip&) {
      continue;
    }
    MathErrorText().clear();
    const long double value = EvalTermAt(term, 0);
    ASSERT_EQ(MathErrorText(), "") << term;
    ASSERT_LE(std::fabs(value - exact.value()), exact.error) << term;
    ++checked;
    for (std::size_t k = 1; k < term.size(); ++k)
      if ((term[k] == '-' || term[k] == '+') && std::string("+-*/:^").find(term[k - 1]) != std::string::npos) {
        ++withSignAfterOperator;
        break;
      }
  }
  EXPECT_GT(checked, 4000);
  EXPECT_GT(withSignAfterOperator, 1500);
}

}  // namespace
}  // namespace lumatik
