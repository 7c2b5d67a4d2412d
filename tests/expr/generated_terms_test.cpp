// Generated terms with signs after operators, powers with signed exponents
// and literals with an "E" exponent, evaluated by the engine and by an
// independent recursive-descent reading in exact rational arithmetic with
// school precedence: a sign binds below the power (2*-3^2 = -18), powers
// group to the left as everywhere in this program (2^3^2 = 64).

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>

#include "support/engine_state.h"

namespace lumatik {
namespace {

using Int = __int128;

// A case the exact reading cannot or should not decide: an overflow or a
// zero divisor.
struct Skip {};

Int Gcd(Int a, Int b) {
  if (a < 0) a = -a;
  if (b < 0) b = -b;
  while (b != 0) {
    const Int t = a % b;
    a = b;
    b = t;
  }
  return a;
}

// Numerators and denominators stay below 2^62, so that a sum of two
// products still fits the 128 bits.
constexpr Int kLimit = Int{1} << 62;

struct Rational {
  Int num = 0;
  Int den = 1;

  static Rational Of(Int n, Int d) {
    if (d == 0) throw Skip{};
    if (d < 0) n = -n, d = -d;
    const Int g = Gcd(n, d);
    if (g > 1) n /= g, d /= g;
    if (n > kLimit || n < -kLimit || d > kLimit) throw Skip{};
    return {n, d};
  }
  long double value() const { return static_cast<long double>(num) / static_cast<long double>(den); }
};

Rational operator+(Rational a, Rational b) { return Rational::Of(a.num * b.den + b.num * a.den, a.den * b.den); }
Rational operator-(Rational a, Rational b) { return Rational::Of(a.num * b.den - b.num * a.den, a.den * b.den); }
Rational operator*(Rational a, Rational b) { return Rational::Of(a.num * b.num, a.den * b.den); }
Rational operator/(Rational a, Rational b) {
  if (b.num == 0) throw Skip{};
  return Rational::Of(a.num * b.den, a.den * b.num);
}

Rational RaisedTo(Rational base, int n) {
  if (n < 0) return Rational::Of(1, 1) / RaisedTo(base, -n);
  Rational r = Rational::Of(1, 1);
  for (int i = 0; i < n; ++i) r = r * base;
  return r;
}

// expr  := term (("+" | "-") term)*
// term  := unary (("*" | "/" | ":") unary)*
// unary := ("+" | "-") unary | power
// power := primary ("^" sign* digit)*
// primary := literal | "(" expr ")"
class ReferenceReader {
 public:
  explicit ReferenceReader(const std::string& text) : s_(text) {}
  Rational Read() {
    const Rational r = Expr();
    if (p_ != s_.size()) throw std::logic_error("unread text in " + s_);
    return r;
  }
  long double largest = 1;  // the largest magnitude met on the way

 private:
  char Peek() const { return p_ < s_.size() ? s_[p_] : '\0'; }
  Rational Note(Rational r) {
    largest = std::max(largest, std::fabs(r.value()));
    return r;
  }
  Rational Expr() {
    Rational r = Term();
    while (Peek() == '+' || Peek() == '-') r = Note(s_[p_++] == '+' ? r + Term() : r - Term());
    return r;
  }
  Rational Term() {
    Rational r = Unary();
    while (Peek() == '*' || Peek() == '/' || Peek() == ':') {
      const char op = s_[p_++];
      const Rational right = Unary();
      if (op != '*' && std::fabs(right.value()) < 1e-12L) throw Skip{};
      r = Note(op == '*' ? r * right : r / right);
    }
    return r;
  }
  Rational Unary() {
    if (Peek() == '-') return ++p_, Note(Rational::Of(0, 1) - Unary());
    if (Peek() == '+') return ++p_, Unary();
    return Power();
  }
  Rational Power() {
    Rational r = Primary();
    while (Peek() == '^') {
      ++p_;
      int sign = 1;
      while (Peek() == '-' || Peek() == '+') sign *= s_[p_++] == '-' ? -1 : 1;
      const int n = sign * (s_[p_++] - '0');
      if (r.num == 0 && n < 0) throw Skip{};
      r = Note(RaisedTo(r, n));
    }
    return r;
  }
  Rational Primary() {
    if (Peek() == '(') {
      ++p_;
      const Rational r = Expr();
      if (Peek() != ')') throw std::logic_error("missing bracket in " + s_);
      ++p_;
      return r;
    }
    // digits [, digits] [E [sign] digits]
    Int num = 0;
    Int den = 1;
    while (std::isdigit(static_cast<unsigned char>(Peek()))) num = num * 10 + (s_[p_++] - '0');
    if (Peek() == ',') {
      ++p_;
      while (std::isdigit(static_cast<unsigned char>(Peek()))) num = num * 10 + (s_[p_++] - '0'), den *= 10;
    }
    if (Peek() == 'E') {
      ++p_;
      const bool negative = Peek() == '-';
      if (Peek() == '-' || Peek() == '+') ++p_;
      int e = 0;
      while (std::isdigit(static_cast<unsigned char>(Peek()))) e = e * 10 + (s_[p_++] - '0');
      for (int i = 0; i < e; ++i) (negative ? den : num) *= 10;
    }
    return Rational::Of(num, den);
  }

  std::string s_;
  std::size_t p_ = 0;
};

class TermGenerator {
 public:
  explicit TermGenerator(unsigned seed) : random_(seed) {}
  std::string Expr(int depth) {
    std::string s = Term(depth);
    for (int n = Pick(3); n > 0; --n) s += (Pick(2) == 0 ? "+" : "-") + Term(depth);
    return s;
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  std::string Signs() {
    switch (Pick(8)) {
      case 0: case 1: return "-";
      case 2: return "+";
      case 3: return "--";
      default: return "";
    }
  }
  std::string Term(int depth) {
    std::string s = Unary(depth);
    static const char* const kProducts[] = {"*", "*", "/", ":"};
    for (int n = Pick(3); n > 0; --n) s += kProducts[Pick(4)] + Unary(depth);
    return s;
  }
  std::string Unary(int depth) { return Signs() + Power(depth); }
  std::string Power(int depth) {
    std::string s = Primary(depth);
    for (int n = Pick(4) == 0 ? 1 + Pick(2) : 0; n > 0; --n) s += "^" + Signs() + std::to_string(Pick(4));
    return s;
  }
  std::string Primary(int depth) {
    if (depth > 0 && Pick(3) == 0) return "(" + Expr(depth - 1) + ")";
    std::string s = std::to_string(Pick(20));
    switch (Pick(6)) {
      case 0: return s + "," + std::to_string(Pick(10));
      case 1: return s + "E" + (Pick(2) == 0 ? "-" : "") + std::to_string(Pick(3));
      default: return s;
    }
  }

  std::mt19937 random_;
};

class GeneratedTerms : public testing::EngineTest {};

TEST_F(GeneratedTerms, AgreeWithExactReading) {
  TermGenerator generator(2024);
  int checked = 0;
  int withSignAfterOperator = 0;
  for (int i = 0; i < 6000; ++i) {
    const std::string term = generator.Expr(2);
    ReferenceReader reference(term);
    Rational exact;
    try {
      exact = reference.Read();
    } catch (const Skip&) {
      continue;
    }
    MathErrorText().clear();
    const long double value = EvalTermAt(term, 0);
    ASSERT_EQ(MathErrorText(), "") << term;
    ASSERT_NEAR(static_cast<double>(value), static_cast<double>(exact.value()),
                static_cast<double>(reference.largest * 1e-15L))
        << term;
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
