// Terms made of rational numbers are read exactly: random fractions over
// 10^-30 to 10^30, typed in every notation the term language has, come
// back as the very fraction GMP computed, and the calculator shows it.

#include <random>

#include "calc/calculation.h"
#include "exact/rational.h"
#include "expr/exact_term.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

mpz_class TenTo(int k) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(k));
  return power;
}

// p/10^decimals typed as a decimal with an exponent: "-1,5E-3".
std::string DecimalText(long p, int decimals, int exponent) {
  std::string digits = std::to_string(std::labs(p));
  if (static_cast<int>(digits.size()) <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  if (decimals > 0) digits.insert(digits.size() - decimals, exponent % 2 == 0 ? "," : ".");
  return (p < 0 ? "-" : "") + digits + "E" + std::to_string(exponent);
}

struct TypedRational {
  std::string term;
  mpq_class value;
  std::vector<std::string> params;
};

// A random fraction at a random magnitude, typed one of six ways: plain,
// mixed, as a decimal with exponent, through a parameter, as a product
// with a power of ten, as a sum in brackets with a whole power.
TypedRational RandomTypedRational(std::mt19937_64& random, int kind) {
  const long p = static_cast<long>(random() % 2000000) - 1000000;
  const long q = 1 + static_cast<long>(random() % (kind == 2 ? 1 : 99999));
  const int k = static_cast<int>(random() % 61) - 30;
  mpq_class base(p, q);
  base.canonicalize();
  const mpq_class scale = k >= 0 ? mpq_class(TenTo(k)) : mpq_class(1, TenTo(-k));
  const std::string power = "10^" + (k < 0 ? "(" + std::to_string(k) + ")" : std::to_string(k));
  switch (kind) {
    case 0: return {"(" + RationalText(base) + ")*" + power, base * scale, {}};
    case 1: return {"(" + MixedRationalText(base) + ")*" + power, base * scale, {}};
    case 2: {
      const int decimals = static_cast<int>(random() % 7);
      return {DecimalText(p, decimals, k), mpq_class(p) / mpq_class(TenTo(decimals)) * scale, {}};
    }
    case 3: return {"a*b", base * scale, {"a=" + RationalText(base), "b=" + power}};
    case 4: {
      const mpq_class sum = base * base + mpq_class(2, 3);
      return {"((" + RationalText(base) + ")^2+2/3)^3:7*" + power, sum * sum * sum / 7 * scale, {}};
    }
    default: return {"-(" + RationalText(base) + ")*" + power + "*(1+1/7)", -base * scale * mpq_class(8, 7), {}};
  }
}

class ExactTerms : public testing::EngineTest {};

TEST_F(ExactTerms, RandomRationalsComeBackAsThemselves) {
  std::mt19937_64 random(2024);
  for (int i = 0; i < 1800; ++i) {
    const TypedRational typed = RandomTypedRational(random, i % 6);
    SCOPED_TRACE(typed.term);
    UseParams(typed.params);
    ASSERT_EQ(ExactTermValue(typed.term).value_or(mpq_class(1, 7919)), typed.value);
    // The extended evaluation of the same text agrees to its last bits.
    const Extended expected = ToExtended(typed.value);
    MathErrorText().clear();
    const Extended v = EvalTerm(typed.term);
    ASSERT_EQ(MathErrorText(), "");
    ASSERT_LE(std::fabs(v - expected), 64 * std::fabs(expected) * 0x1p-64L);
    // The calculator shows the fraction itself; typed back, the fraction and
    // the mixed number give the same value.
    ParamLines().setLines(typed.params);
    const Calculation c = Calculate(typed.term);
    ASSERT_EQ(c.value, expected);
    ASSERT_EQ(c.fraction.empty(), typed.value.get_den() == 1 || !FitsFractionDisplay(typed.value));
    if (c.fraction.empty()) continue;
    const std::string plain = RationalText(typed.value);
    ASSERT_EQ(c.fraction.substr(0, c.fraction.find(' ')), plain);
    for (const std::string& text : {plain, MixedRationalText(typed.value)}) ASSERT_EQ(ExactTermValue(text).value_or(-1), typed.value);
  }
}

TEST_F(ExactTerms, OnlyRationalTermsHaveAnExactValue) {
  UseParams({"x=5", "a=1/3", "b=-3", "c=2^0.5"});
  const std::pair<const char*, const char*> exact[] = {
      {"a*x^3+b*x", "80/3"}, {"0.865", "173/200"}, {"1,5E-3", "3/2000"}, {"26'2/3", "80/3"},
      {"-2'1/3*3", "-7"}, {"2^-2", "1/4"}, {"abs(-0.00000014159)", "14159/100000000000"},
      {"0.1+0.2-0.3", "0"}, {"", "0"}, {"3(4+1)", "15"}, {"8:4/2", "1"}, {"2^3^2", "64"}};
  for (const auto& [term, value] : exact) EXPECT_EQ(ExactTermValue(term).value_or(-1), mpq_class(value)) << term;
  for (const char* term : {"Pi", "sqrt(4)", "2^0.5", "c", "sin(0)", "1/0", "1/0.1^16", "+", "(2+3", "2+3)", "pi",
                           "10^100000", "1E-99999"})
    EXPECT_FALSE(ExactTermValue(term).has_value()) << term;
}

}  // namespace
}  // namespace lumatik
