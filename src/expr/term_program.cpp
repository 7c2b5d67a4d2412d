#include "expr/term_program.h"

#include <cmath>
#include <new>

#include "exact/fractions.h"
#include "expr/limits.h"
#include "expr/evaluate.h"
#include "expr/term_normalise.h"
#include "shell/decimal_separator.h"
#include "shell/textconvert.h"
#include "shell/floatformat.h"

namespace lumatik {

namespace {

const std::string kDivisionByZero = "Div. durch Null";

}  // namespace

TermProgram::TermProgram(TermTree& tree) : tree_(tree) {
  // Folding and reading parameters may set messages; none of them stays.
  std::string saved = MathErrorText();
  registers_.push_back(0);  // x
  const Operand result = link(0);
  result_ = result.slot;
  resultConstant_ = result.constant;
  MathErrorText() = std::move(saved);
}

TermProgram::~TermProgram() = default;

Extended TermProgram::run(Extended x) {
  Extended y = 0;
  if (runKernel(x, y)) return y;
  Extended* r = registers_.data();
  r[0] = x;
  for (const Instruction& in : code_) execute(in, r);
  return r[result_];
}

inline void TermProgram::execute(const Instruction& in, Extended* r) {
  switch (in.op) {
    case Op::Message:
      SetMathError(messages_[static_cast<std::size_t>(in.n)]);
      return;
    case Op::Add: {
      const Extended v = r[in.a] + r[in.b];
      if (std::isfinite(v)) r[in.target] = v; else fail(in, r);
      return;
    }
    case Op::Subtract: {
      const Extended v = r[in.a] - r[in.b];
      if (std::isfinite(v)) r[in.target] = v; else fail(in, r);
      return;
    }
    case Op::Multiply: {
      const Extended v = r[in.a] * r[in.b];
      if (std::isfinite(v)) r[in.target] = v; else fail(in, r);
      return;
    }
    case Op::Divide: {
      // DivChecked: a divisor below 1e-15 gives 0 and a message, no failure.
      const Extended divisor = r[in.b];
      if (std::fabs(divisor) < 1e-15L) {
        SetMathError(kDivisionByZero);
        r[in.target] = 0;
        return;
      }
      const Extended v = r[in.a] / divisor;
      if (std::isfinite(v)) r[in.target] = v; else fail(in, r);
      return;
    }
    case Op::Power: {
      Extended v = 0;
      if (TryPowerOf(r[in.a], r[in.b], v)) r[in.target] = v; else fail(in, r);
      return;
    }
    case Op::WholePower: {
      // PowerOf with a constant whole exponent other than 0; b holds it.
      const Extended base = r[in.a];
      if (base == 0 && r[in.b] > 0) {
        r[in.target] = 0;
        return;
      }
      Extended v = 0;
      if (TryIntPower(base, in.n, v)) r[in.target] = v; else fail(in, r);
      return;
    }
    case Op::Function: {
      const BuiltinFunction& f = *in.function;
      Extended v = 0;
      try {
        v = f.compute(r[in.a]);
      } catch (const std::bad_alloc&) {
        throw;  // out of memory ends the whole computation, as in the text evaluator
      } catch (...) {
        // Any failure of a function is its level's failure, as in the text evaluator.
        functionFailed(in, r);
        return;
      }
      if (std::isfinite(v)) r[in.target] = v; else functionFailed(in, r);
      return;
    }
  }
}

// The level's guard: "Fehler in" with the level's text, and 0.
void TermProgram::fail(const Instruction& in, Extended* r) {
  auto [it, made] = failTexts_.try_emplace(in.level);
  if (made) it->second = "Fehler in " + tree_.textOf(tree_.levels[static_cast<std::size_t>(in.level)]);
  SetMathError(it->second);
  r[in.target] = 0;
}

// A function with its own guard reports its name and argument text.
void TermProgram::functionFailed(const Instruction& in, Extended* r) {
  if (!in.function->ownGuard) {
    fail(in, r);
    return;
  }
  // Own-guard texts are kept under negative keys beside the level texts.
  auto [it, made] = failTexts_.try_emplace(-1 - in.level);
  if (made) it->second = tree_.textOf(tree_.levels[static_cast<std::size_t>(in.level)]);
  SetMathError(it->second);
  r[in.target] = 0;
}

std::vector<bool> TermProgram::registersRead() const {
  std::vector<bool> read(registers_.size(), false);
  for (const Instruction& in : code_) {
    if (in.op == Op::Message) continue;
    read[in.a] = true;
    read[in.b] = true;
  }
  return read;
}

TermProgram::Operand TermProgram::constant(Extended value) {
  registers_.push_back(value);
  return {static_cast<std::uint32_t>(registers_.size() - 1), true};
}

void TermProgram::emitMessage(std::string text) {
  // A message that nothing can read before the next one replaces it.
  if (!code_.empty() && code_.back().op == Op::Message) {
    messages_[static_cast<std::size_t>(code_.back().n)] = std::move(text);
    return;
  }
  messages_.push_back(std::move(text));
  Instruction in{};
  in.op = Op::Message;
  in.level = -1;
  in.n = static_cast<std::int64_t>(messages_.size() - 1);
  code_.push_back(in);
}

TermProgram::Operand TermProgram::emit(Instruction in, bool foldable) {
  registers_.push_back(0);
  in.target = static_cast<std::uint32_t>(registers_.size() - 1);
  if (foldable) {
    // Computed now; it becomes a constant unless it set a message.
    const std::uint64_t before = MathErrorCount();
    execute(in, registers_.data());
    if (MathErrorCount() == before) return {in.target, true};
  }
  code_.push_back(in);
  return {in.target, false};
}

TermProgram::Operand TermProgram::leaf(TermLeaf& leaf) {
  // 12. A parameter first, then a number.
  if (HasParam(leaf.text)) {
    const std::uint64_t before = MathErrorCount();
    try {
      const Extended value = ParamValue(leaf.text);
      if (MathErrorCount() != before) literal_ = true;  // a parameter that talks
      return constant(value);
    } catch (const std::bad_alloc&) {
      throw;
    } catch (...) {
      // Whatever an unreadable parameter raises is its level's failure.
      emitMessage("Fehler in " + leaf.text);
      return constant(0);
    }
  }
  const char separator = DecimalSeparator();
  if (leaf.separator != separator) {
    leaf.separator = separator;
    leaf.isNumber = false;
    try {
      if (CouldBeNumber(leaf.text)) {
        leaf.number = StrToNumber(leaf.text);
        leaf.isNumber = true;
      }
    } catch (const ConversionError&) {
      // No number: the syntax message below.
    }
  }
  if (leaf.isNumber) return constant(leaf.number);
  emitMessage(UnreadableLeafMessage(leaf.text));
  return constant(0);
}

TermProgram::Operand TermProgram::link(std::int32_t index) {
  const TermLevel& level = tree_.levels[static_cast<std::size_t>(index)];
  if (level.bracketMessage) emitMessage(BracketMessage(tree_.textOf(level), level.surplus));
  using Kind = TermLevel::Kind;
  switch (level.kind) {
    case Kind::Empty: return constant(0);
    case Kind::TooLong:
      emitMessage(kTermTooLongMessage);
      return constant(0);
    case Kind::Pi: return constant(kPi);
    case Kind::X: return {0, false};
    case Kind::Leaf: return leaf(tree_.leaves[static_cast<std::size_t>(level.first)]);
    case Kind::Bracket: return link(level.first);
    case Kind::Function: {
      const Operand argument = link(level.first);
      Instruction in{};
      in.op = Op::Function;
      in.a = argument.slot;
      in.aConstant = argument.constant;
      in.level = index;
      in.function = level.function;
      const std::string name = level.function->name;
      in.domain = name == "ln" || name == "lg" || name == "lb" ? Domain::Logarithm
                  : name == "wur"                              ? Domain::SquareRoot
                                                               : Domain::Any;
      return emit(in, argument.constant);
    }
    case Kind::Binary: break;
  }
  const Operand left = link(level.first);
  const Operand right = link(level.second);
  Instruction in{};
  in.op = Op::Add;
  in.a = left.slot;
  in.aConstant = left.constant;
  in.b = right.slot;
  in.bConstant = right.constant;
  in.level = index;
  switch (level.op) {
    case Operator::Plus: break;
    case Operator::Minus: in.op = Op::Subtract; break;
    case Operator::Times:
    case Operator::Dot: in.op = Op::Multiply; break;
    case Operator::Divide: in.op = Op::Divide; break;
    case Operator::Power: {
      in.op = Op::Power;
      if (!right.constant) break;
      const Extended exponent = registers_[right.slot];
      if (exponent == 0) return constant(1);  // whatever the base
      if (IsWholeNumber(exponent, 1e-18L) && std::fabs(exponent) <= 2147483647.0L) {
        in.op = Op::WholePower;
        in.n = static_cast<std::int64_t>(std::nearbyint(exponent));
      }
      break;
    }
    case Operator::Count: break;
  }
  return emit(in, left.constant && right.constant);
}

}  // namespace lumatik
