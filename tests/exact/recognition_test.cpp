// No fraction, root or Pi multiple is claimed for a value that is none:
// random irrational values over 10^-30 to 10^30 whose nature is known by
// construction, each display asked for its exact form.

#include <cmath>
#include <random>

#include "exact/fractions.h"
#include "exact/rational.h"
#include "exact/roots.h"
#include "expr/exact_term.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

bool IsSquareFree(long n) {
  for (long p = 2; p * p <= n; ++p)
    if (n % (p * p) == 0) return false;
  return true;
}

struct Irrational {
  Extended value;
  std::string term, allowedRoot;      // the root a root form must have, or "" for none
  std::optional<mpq_class> piFactor;  // the factor of a true Pi multiple
};

Irrational RandomIrrational(std::mt19937_64& random, int kind) {
  const int k = static_cast<int>(random() % 61) - 30;
  const std::string scale = "*10^(" + std::to_string(k) + ")";
  const Extended ten = std::pow(10.0L, static_cast<Extended>(k));
  const long a = 1 + static_cast<long>(random() % 40);
  const long e = a == 20 ? 21 : a - 20;  // exp(0) is no irrational number
  long n = 2 + static_cast<long>(random() % 5000);
  while (!IsSquareFree(n)) ++n;
  switch (kind) {
    case 0: return {std::exp(static_cast<Extended>(e)) * ten, "exp(" + std::to_string(e) + ")" + scale, "", {}};
    case 1: return {std::log(static_cast<Extended>(a + 1)) * ten, "ln(" + std::to_string(a + 1) + ")" + scale, "", {}};
    case 2: return {std::sqrt(static_cast<Extended>(n)) * ten, "sqrt(" + std::to_string(n) + ")" + scale,
                    "sqrt(" + std::to_string(n) + ")", {}};
    case 3: {
      const long q = 1 + static_cast<long>(random() % 999);
      mpq_class factor(a - 20, q);
      factor.canonicalize();
      if (factor == 0) factor = 1;
      mpz_class power;
      mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::abs(k)));
      const mpq_class exact = k >= 0 ? mpq_class(factor * power) : mpq_class(factor / power);
      return {ToExtended(factor) * kPi * ten, "Pi*" + RationalText(factor) + scale, "", exact};
    }
    default:
      return {std::sqrt(static_cast<Extended>(n)) * std::exp(1.0L) * ten,
              "sqrt(" + std::to_string(n) + ")*exp(1)" + scale, "", {}};
  }
}

class Recognition : public testing::EngineTest {};

TEST_F(Recognition, ClaimsOnlyWhatIsTrue) {
  std::mt19937_64 random(31415);
  int claimed = 0;
  for (int i = 0; i < 2500; ++i) {
    const Irrational x = RandomIrrational(random, i % 5);
    SCOPED_TRACE(x.term);
    EXPECT_EQ(NumberText(x.value).find('/'), std::string::npos);
    EXPECT_EQ(FractionText(true, x.value, 1e-18L), "");
    for (const std::string& text : {RootText("sqrt", x.value), ExactText(x.value), PiMultipleText(x.value)}) {
      if (text.find_first_of("/sP") == std::string::npos) continue;  // a decimal, or nothing
      ++claimed;
      const auto pi = text.find("Pi");
      if (pi != std::string::npos) {
        // A Pi multiple: its factor must be the true one, exactly.
        ASSERT_TRUE(x.piFactor.has_value()) << text;
        const std::string factor = pi == 0 ? "1" : text == "-Pi" ? "-1" : text.substr(0, pi - 1);
        EXPECT_EQ(ExactTermValue(factor).value_or(0), *x.piFactor) << text;
        continue;
      }
      // A root form: of the true radicand, with the value to its last bits.
      ASSERT_FALSE(x.allowedRoot.empty()) << text;
      EXPECT_NE(text.find(x.allowedRoot), std::string::npos) << text;
      EXPECT_LE(std::fabs(EvalTermAt(text, 0) - x.value), std::fabs(x.value) * 1e-17L) << text;
    }
  }
  EXPECT_GT(claimed, 300);  // the true forms are still found
}

}  // namespace
}  // namespace lumatik
