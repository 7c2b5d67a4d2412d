#include "discuss/exact_integral.h"

#include <cctype>
#include <cstdint>

#include "expr/parameters.h"
#include "expr/term_tree.h"

namespace lumatik {

namespace {

using Polynomial = std::vector<mpq_class>;

// Whole powers of this size are not a pupil's polynomial.
constexpr long kLargestExponent = 64;

// "12", "1.156", "0,5": the number as written.
std::optional<mpq_class> DecimalNumber(const std::string& text) {
  mpz_class digits = 0;
  mpz_class scale = 1;
  bool separator = false;
  bool any = false;
  for (char c : text) {
    if (c == '.' || c == ',') {
      if (separator) return std::nullopt;
      separator = true;
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      digits = digits * 10 + (c - '0');
      if (separator) scale *= 10;
      any = true;
    } else {
      return std::nullopt;
    }
  }
  if (!any) return std::nullopt;
  mpq_class value(digits, scale);
  value.canonicalize();
  return value;
}

void Trim(Polynomial& p) {
  while (p.size() > 1 && p.back() == 0) p.pop_back();
}

Polynomial Combine(const Polynomial& p, const Polynomial& q, int sign) {
  Polynomial r(std::max(p.size(), q.size()), 0);
  for (std::size_t i = 0; i < p.size(); ++i) r[i] += p[i];
  for (std::size_t i = 0; i < q.size(); ++i) r[i] += sign * q[i];
  Trim(r);
  return r;
}

Polynomial Times(const Polynomial& p, const Polynomial& q) {
  Polynomial r(p.size() + q.size() - 1, 0);
  for (std::size_t i = 0; i < p.size(); ++i)
    for (std::size_t j = 0; j < q.size(); ++j) r[i + j] += p[i] * q[j];
  Trim(r);
  return r;
}

class PolynomialReader {
 public:
  explicit PolynomialReader(const TermTree& tree) : tree_(tree) {}

  std::optional<Polynomial> read(std::int32_t index) {
    const TermLevel& level = tree_.levels[static_cast<std::size_t>(index)];
    if (level.bracketMessage) return std::nullopt;
    using Kind = TermLevel::Kind;
    switch (level.kind) {
      case Kind::Empty: return Polynomial{0};
      case Kind::X: return Polynomial{0, 1};
      case Kind::Bracket: return read(level.first);
      case Kind::Leaf: {
        const std::string& text = tree_.leaves[static_cast<std::size_t>(level.first)].text;
        if (HasParam(text)) return std::nullopt;
        const std::optional<mpq_class> number = DecimalNumber(text);
        if (!number) return std::nullopt;
        return Polynomial{*number};
      }
      case Kind::Binary: return binary(level);
      case Kind::TooLong:
      case Kind::Function:
      case Kind::Pi: break;
    }
    return std::nullopt;
  }

 private:
  std::optional<Polynomial> binary(const TermLevel& level) {
    const std::optional<Polynomial> left = read(level.first);
    const std::optional<Polynomial> right = read(level.second);
    if (!left || !right) return std::nullopt;
    switch (level.op) {
      case Operator::Plus: return Combine(*left, *right, 1);
      case Operator::Minus: return Combine(*left, *right, -1);
      case Operator::Times:
      case Operator::Dot: return Times(*left, *right);
      case Operator::Divide: {
        if (right->size() != 1 || (*right)[0] == 0) return std::nullopt;
        Polynomial r = *left;
        for (mpq_class& c : r) c /= (*right)[0];
        return r;
      }
      case Operator::Power: {
        if (right->size() != 1 || (*right)[0].get_den() != 1) return std::nullopt;
        const mpz_class& n = (*right)[0].get_num();
        if (n < 0 || n > kLargestExponent) return std::nullopt;
        // 0^0 is 1 in the engine, whatever the base.
        Polynomial r{1};
        for (long k = 0; k < n.get_si(); ++k) r = Times(r, *left);
        return r;
      }
      case Operator::Count: break;
    }
    return std::nullopt;
  }

  const TermTree& tree_;
};

mpq_class AntiderivativeAt(const Polynomial& p, const mpq_class& x) {
  mpq_class sum = 0;
  for (std::size_t i = p.size(); i-- > 0;) sum = (sum + p[i] / static_cast<long>(i + 1)) * x;
  return sum;
}

}  // namespace

std::optional<std::vector<mpq_class>> ExactPolynomial(const std::string& term) {
  const TermTree tree = BuildTermTree(term);
  if (tree.literalOnly || tree.levels.empty()) return std::nullopt;
  return PolynomialReader(tree).read(0);
}

std::optional<mpq_class> ExactPolynomialIntegral(const std::string& term, const std::string& x1,
                                                 const std::string& x2) {
  const std::optional<Polynomial> p = ExactPolynomial(term);
  const std::optional<Polynomial> from = ExactPolynomial(x1);
  const std::optional<Polynomial> to = ExactPolynomial(x2);
  if (!p || !from || !to || from->size() != 1 || to->size() != 1) return std::nullopt;
  return AntiderivativeAt(*p, (*to)[0]) - AntiderivativeAt(*p, (*from)[0]);
}

}  // namespace lumatik
