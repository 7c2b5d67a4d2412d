// The exact reading walks a term exactly as the evaluator does - the same
// normalisation, the same split positions, the same bracket rule - so the
// fraction it finds is the value of the very term the extended value came
// from. Anything the evaluator would answer with a message, and anything
// that is not rational by construction, ends the exact reading.

#include "expr/exact_term.h"

#include <cstdlib>

#include "expr/builtin_functions.h"
#include "expr/limits.h"
#include "expr/evaluate.h"
#include "expr/parameters.h"
#include "expr/sign_positions.h"
#include "expr/term_normalise.h"
#include "expr/term_split.h"
#include "exact/rational.h"
#include "shell/decimal_separator.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

using Exact = std::optional<mpq_class>;

// Far beyond the extended range (about 16 400 bits): such a number would
// only cost time, the engine overflows there anyway.
constexpr std::size_t kMaxBits = 40000;
// Powers of ten the literal reader turns into numbers; beyond, the extended
// reading is infinite or zero.
constexpr long kMaxDecimalExponent = 4950;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t BitsOf(const mpq_class& q) {
  return mpz_sizeinbase(q.get_num_mpz_t(), 2) + mpz_sizeinbase(q.get_den_mpz_t(), 2);
}

mpz_class PowerOfTen(unsigned long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
  return power;
}

// What the number reader accepts: a sign, digits with one decimal separator
// of either kind (not both kinds), and an exponent with "E" or "e".
Exact ExactLiteral(const std::string& text) {
  const std::string s = RemoveBlanks(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  std::string digits;
  long exponent = 0;
  while (i < s.size() && IsDigit(s[i])) digits += s[i++];
  if (i < s.size() && (s[i] == ',' || s[i] == '.')) {
    const char separator = s[i++];
    while (i < s.size() && IsDigit(s[i])) digits += s[i++], --exponent;
    const char other = separator == ',' ? '.' : ',';
    if (s.find(other) != std::string::npos) return std::nullopt;
  }
  if (digits.empty()) return std::nullopt;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
    std::string power;
    while (i < s.size() && IsDigit(s[i])) power += s[i++];
    if (power.empty() || power.size() > 6) return std::nullopt;
    exponent += negativeExponent ? -std::atol(power.c_str()) : std::atol(power.c_str());
  }
  if (i != s.size()) return std::nullopt;
  mpq_class value{mpz_class(digits, 10)};
  const long magnitude = exponent + static_cast<long>(digits.size());
  if (value != 0 && (magnitude > kMaxDecimalExponent || magnitude < -kMaxDecimalExponent)) return std::nullopt;
  if (exponent > 0) value *= PowerOfTen(static_cast<unsigned long>(exponent));
  if (exponent < 0) value /= PowerOfTen(static_cast<unsigned long>(-exponent));
  value.canonicalize();
  if (negative) value = -value;
  return value;
}

Exact WholePower(const mpq_class& base, const mpq_class& exponent) {
  if (exponent.get_den() != 1 || !exponent.get_num().fits_slong_p()) return std::nullopt;
  const long n = exponent.get_num().get_si();
  if (n == 0) return mpq_class(1);
  if (base == 0) return n > 0 ? Exact(mpq_class(0)) : std::nullopt;
  const unsigned long magnitude = static_cast<unsigned long>(n < 0 ? -n : n);
  if (BitsOf(base) > 2 && magnitude > kMaxBits / (BitsOf(base) - 2)) return std::nullopt;
  if (abs(base) == 1) return mpq_class(base.get_num() < 0 && magnitude % 2 == 1 ? -1 : 1);
  mpz_class num;
  mpz_class den;
  mpz_pow_ui(num.get_mpz_t(), base.get_num_mpz_t(), magnitude);
  mpz_pow_ui(den.get_mpz_t(), base.get_den_mpz_t(), magnitude);
  mpq_class power = n > 0 ? mpq_class(num, den) : mpq_class(den, num);
  power.canonicalize();
  return power;
}

Exact Combine(Operator op, const mpq_class& left, const mpq_class& right) {
  switch (op) {
    case Operator::Plus: return mpq_class(left + right);
    case Operator::Minus: return mpq_class(left - right);
    case Operator::Times:
    case Operator::Dot: return mpq_class(left * right);
    case Operator::Divide:
      // The engine refuses divisors below 1e-15 as division by zero.
      if (abs(right) < mpq_class(1, PowerOfTen(15))) return std::nullopt;
      return mpq_class(left / right);
    case Operator::Power: return WholePower(left, right);
    case Operator::Count: break;
  }
  return std::nullopt;
}

Exact Bounded(Exact value) {
  if (value && BitsOf(*value) > kMaxBits) return std::nullopt;
  return value;
}

Exact ExactParamTerm(const std::string& s, int depth) {
  if (depth > kMaxTermDepth || s.size() > kMaxTermLength) return std::nullopt;
  struct ParamOperator {
    char symbol;
    bool takeLast;
    Operator op;
  };
  for (const ParamOperator o : {ParamOperator{'+', false, Operator::Plus}, ParamOperator{'-', true, Operator::Minus},
                                ParamOperator{'*', false, Operator::Times}, ParamOperator{'/', true, Operator::Divide},
                                ParamOperator{'^', false, Operator::Power}}) {
    const auto p = FindParamSplit(s, o.symbol, o.takeLast);
    if (p == std::string::npos) continue;
    const Exact left = ExactParamTerm(s.substr(0, p), depth + 1);
    if (!left) return std::nullopt;
    const Exact right = ExactParamTerm(s.substr(p + 1), depth + 1);
    if (!right) return std::nullopt;
    // The parameter evaluator refuses only an exact zero divisor.
    if (o.op == Operator::Divide) return *right == 0 ? std::nullopt : Bounded(mpq_class(*left / *right));
    return Bounded(Combine(o.op, *left, *right));
  }
  if (!s.empty() && s[0] == '(') return ExactParamTerm(s.size() >= 2 ? s.substr(1, s.size() - 2) : "", depth + 1);
  if (s.empty()) return mpq_class(0);
  return ExactLiteral(s);
}

Exact ExactAt(const std::string& term, int depth);

std::string MixedNumberText(const std::string& sum, int depth) {
  const Exact value = ExactAt(sum, depth + 1);
  return value ? RationalText(*value) : std::string();
}

Exact ExactAt(const std::string& term, int depth) {
  if (depth > kMaxTermDepth) return std::nullopt;
  std::string s = RemoveBlanks(RewriteWords(term));
  if (s.size() > kMaxTermLength) return std::nullopt;
  if (s.find('\'') != std::string::npos) {
    s = RewriteMixedNumbersWith(s, [depth](const std::string& sum) { return MixedNumberText(sum, depth); });
    if (s.empty()) return std::nullopt;
  }
  s = InsertImplicitMultiplication(s);
  if (s.empty()) return mpq_class(0);
  if (s == "+" || s == "-") return std::nullopt;  // a lone sign is a syntax error
  if (s[0] == '-' || s[0] == '+') s = "0" + s;

  const SplitScan scan = ScanForSplits(s);
  if (scan.surplus != 0) return std::nullopt;
  for (int op = 0; op < kOperatorCount; ++op) {
    const std::size_t p = scan.position[op];
    if (p == std::string::npos) continue;
    const Exact left = ExactAt(s.substr(0, p), depth + 1);
    if (!left) return std::nullopt;
    const Exact right = ExactAt(s.substr(p + 1), depth + 1);
    if (!right) return std::nullopt;
    return Bounded(Combine(static_cast<Operator>(op), *left, *right));
  }
  if (const BuiltinFunction* f = FindBuiltinFunction(s)) {
    if (std::string(f->name) != "abs") return std::nullopt;
    const Exact argument = ExactAt(s.substr(3), depth + 1);
    return argument ? Exact(abs(*argument)) : std::nullopt;
  }
  if (s[0] == '(') {
    std::string inner = s;
    while (inner.size() >= 2 && inner.back() != ')') inner.pop_back();
    inner = inner.size() >= 2 ? inner.substr(1, inner.size() - 2) : std::string();
    return ExactAt(inner, depth + 1);
  }
  if (s == "Pi") return std::nullopt;
  if (Trim(s) == "x") return HasParam("x") ? ExactParamValue("x") : mpq_class(0);
  if (HasParam(s)) return ExactParamValue(s);
  if (!CouldBeNumber(s)) return std::nullopt;
  return ExactLiteral(s);
}

}  // namespace

std::optional<mpq_class> ExactParamValue(const std::string& name) { return ExactParamTerm(ParamTerm(name), 0); }

std::optional<mpq_class> ExactTermValue(const std::string& term) { return ExactAt(term, 0); }

}  // namespace lumatik
