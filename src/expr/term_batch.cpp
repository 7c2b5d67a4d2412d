// A compiled term over many points. The instructions are regrouped into
// chains: a chain carries one value per point through a run of steps, each
// step combining it with a constant, with x, with a small part of the term
// worked out on the spot (x^n, x with a constant, c*x^n) or with the result of an earlier
// chain. So a point's value stays in a register from step to step, and the
// choice of what to do is made per step, not per level of the text.
//
// Per point every operation is the one TermProgram::run does, with the same
// operands, so the values agree to the last bit. Messages are not written:
// a point that would set one is marked, and runMany evaluates the last
// marked point once more with run(), which leaves MathErrorText as the whole
// sequence of evaluations would. The point kernel is faster; these chains
// serve the terms it cannot hold and the points where it reports a failure.

#include <algorithm>
#include <cmath>
#include <functional>
#include <new>

#include "expr/evaluate.h"
#include "expr/term_program.h"

namespace lumatik {

namespace {

constexpr std::size_t kChunk = 64;

enum class Source : std::uint8_t {
  Constant,
  X,
  Lane,          // the result of an earlier chain
  XPower,        // x^n with a constant whole n
  XWithC,        // x + c, x - c, x * c, x / c with c not below 1e-15, and the same with c first
  ScaledXPower,  // c*(x^n)
};

enum class SmallOp : std::uint8_t { Add, Subtract, SubtractFrom, Multiply, Divide, DivideInto };

struct PointOperand {
  Source source = Source::Constant;
  Extended c = 0;
  long long n = 0;
  bool positiveExponent = false;  // PowerOf's rule 0^e = 0 for e > 0
  SmallOp smallOp = SmallOp::Add;
  std::uint32_t lane = 0;
};

enum class StepOp : std::uint8_t {
  Add, Subtract, SubtractFrom, Multiply, Divide, DivideInto, Power, PowerOnto, WholePower, Function
};

struct Step {
  StepOp op;
  PointOperand operand;
  long long n = 0;  // WholePower
  bool positiveExponent = false;
  Extended (*compute)(Extended) = nullptr;
  std::uint8_t domain = 0;  // 0 any, 1 logarithm, 2 square root
};

struct Chain {
  PointOperand start;
  std::vector<Step> steps;
  std::uint32_t lane = 0;
};

struct PointState {
  bool messaged = false;  // a message, with 0 put in place of the level's value
};

// Finite, tested without loading a constant: v - v is 0 exactly when v is
// finite and NaN otherwise.
inline bool IsFinite(Extended v) { return v - v == 0; }

// A failed level gives 0 and a message.
inline Extended Checked(Extended v, PointState& p) {
  if (IsFinite(v)) return v;
  p.messaged = true;
  return 0;
}

// PowerOf with a constant whole exponent other than 0: IntPower's products
// in IntPower's order.
inline Extended WholePowerOf(Extended base, long long n, bool positiveExponent, PointState& p) {
  if (base == 0 && positiveExponent) return 0;
  const bool reciprocal = n < 0;
  if (reciprocal) n = -n;
  Extended r = 1;
  while (n > 0) {
    if (n % 2 == 1) {
      r *= base;
      if (!IsFinite(r)) return p.messaged = true, 0;
      --n;
    } else {
      base *= base;
      if (!IsFinite(base)) return p.messaged = true, 0;
      n /= 2;
    }
  }
  if (!reciprocal) return r;
  if (r == 0) return p.messaged = true, 0;
  return 1 / r;
}

inline Extended DivideChecked(Extended dividend, Extended divisor, PointState& p) {
  if (std::fabs(divisor) < 1e-15L) {
    p.messaged = true;
    return 0;
  }
  return Checked(dividend / divisor, p);
}

inline Extended PowerChecked(Extended base, Extended exponent, PointState& p) {
  Extended v = 0;
  if (TryPowerOf(base, exponent, v)) return v;
  p.messaged = true;
  return 0;
}

inline Extended ValueOf(const PointOperand& o, Extended x, const Extended* lanes, std::size_t i, PointState& p) {
  switch (o.source) {
    case Source::Constant: return o.c;
    case Source::X: return x;
    case Source::Lane: return lanes[o.lane * kChunk + i];
    case Source::XPower: return WholePowerOf(x, o.n, o.positiveExponent, p);
    case Source::XWithC:
      switch (o.smallOp) {
        case SmallOp::Add: return Checked(x + o.c, p);
        case SmallOp::Subtract: return Checked(x - o.c, p);
        case SmallOp::SubtractFrom: return Checked(o.c - x, p);
        case SmallOp::Multiply: return Checked(o.c * x, p);
        case SmallOp::Divide: return Checked(x / o.c, p);  // the divisor was tested when planning
        case SmallOp::DivideInto: return DivideChecked(o.c, x, p);
      }
      return 0;
    case Source::ScaledXPower: return Checked(o.c * WholePowerOf(x, o.n, o.positiveExponent, p), p);
  }
  return 0;
}

Extended ApplyFunction(const Step& step, Extended a, PointState& p) {
  // LnChecked below 1e-15 and the square root of a negative value give 0
  // and a message; otherwise the function is computed as the table says.
  if (step.domain == 1 && a < 1e-15L) return p.messaged = true, 0;
  if (step.domain == 2 && a < 0) return p.messaged = true, 0;
  const std::uint64_t before = MathErrorCount();
  Extended v = 0;
  try {
    v = step.compute(a);
  } catch (const std::bad_alloc&) {
    throw;  // out of memory ends the whole computation, as in the text evaluator
  } catch (...) {
    // Any failure of a function is its level's failure, as in the text evaluator.
    p.messaged = true;
    return 0;
  }
  if (MathErrorCount() != before) p.messaged = true;
  return Checked(v, p);
}

}  // namespace

struct TermProgram::Chains {
  std::vector<Chain> chains;
  std::uint32_t lanes = 0;
  bool alwaysMessaged = false;  // a message that every evaluation sets
  std::vector<Extended> rows;
};



void TermProgram::planChains() {
  chains_ = std::make_shared<Chains>();
  Chains& plan = *chains_;
  // Which instruction computes each register; every result is used once.
  std::vector<std::int32_t> producer(registers_.size(), -1);
  for (std::size_t k = 0; k < code_.size(); ++k) {
    if (code_[k].op == Op::Message)
      plan.alwaysMessaged = true;
    else
      producer[code_[k].target] = static_cast<std::int32_t>(k);
  }
  const auto instructionOf = [&](std::uint32_t slot) -> const Instruction* {
    return slot == 0 || producer[slot] < 0 ? nullptr : &code_[static_cast<std::size_t>(producer[slot])];
  };
  const auto isX = [](std::uint32_t slot, bool constant) { return slot == 0 && !constant; };
  // x^n, c*x and c*x^n are worked out where they are used.
  const auto smallPart = [&](std::uint32_t slot, PointOperand& o) -> bool {
    const Instruction* in = instructionOf(slot);
    if (!in) return false;
    if (in->op == Op::WholePower && isX(in->a, in->aConstant)) {
      o.source = Source::XPower;
      o.n = in->n;
      o.positiveExponent = registers_[in->b] > 0;
      return true;
    }
    if (in->aConstant == in->bConstant) return false;
    const std::uint32_t other = in->aConstant ? in->b : in->a;
    o.c = registers_[in->aConstant ? in->a : in->b];
    if (other == 0) {
      // One operation of x with a constant.
      o.source = Source::XWithC;
      switch (in->op) {
        case Op::Add: o.smallOp = SmallOp::Add; return true;
        case Op::Subtract: o.smallOp = in->aConstant ? SmallOp::SubtractFrom : SmallOp::Subtract; return true;
        case Op::Multiply: o.smallOp = SmallOp::Multiply; return true;
        case Op::Divide:
          if (in->aConstant) {
            o.smallOp = SmallOp::DivideInto;
            return true;
          }
          o.smallOp = SmallOp::Divide;
          return !(std::fabs(o.c) < 1e-15L);  // a divisor too small stays a step of its own
        default: return false;
      }
    }
    if (in->op != Op::Multiply) return false;
    const Instruction* power = instructionOf(other);
    if (power && power->op == Op::WholePower && isX(power->a, power->aConstant)) {
      o.source = Source::ScaledXPower;
      o.n = power->n;
      o.positiveExponent = registers_[power->b] > 0;
      return true;
    }
    return false;
  };

  // The operand for a register: a constant, x, a small part, or the lane of
  // a chain planned (and so run) before the chain that reads it.
  std::function<PointOperand(std::uint32_t, bool)> operand;
  std::function<void(std::uint32_t, Chain&)> extend;
  const auto isSimple = [&](std::uint32_t slot, bool constant) {
    PointOperand o;
    return constant || slot == 0 || smallPart(slot, o);
  };
  operand = [&](std::uint32_t slot, bool constant) -> PointOperand {
    PointOperand o;
    if (constant) {
      o.c = registers_[slot];
      return o;
    }
    if (slot == 0) {
      o.source = Source::X;
      return o;
    }
    if (smallPart(slot, o)) return o;
    Chain chain;
    extend(slot, chain);
    chain.lane = plan.lanes++;
    o.source = Source::Lane;
    o.lane = chain.lane;
    plan.chains.push_back(std::move(chain));
    return o;
  };
  // Appends to chain the steps that compute register slot.
  extend = [&](std::uint32_t slot, Chain& chain) {
    const Instruction* in = instructionOf(slot);
    if (isSimple(slot, false) || !in) {
      chain.start = operand(slot, false);
      return;
    }
    // A constant operand stays where the instruction sets a message for it.
    const auto runThrough = [&](std::uint32_t through, bool constant) {
      if (constant)
        chain.start = operand(through, true);
      else
        extend(through, chain);
    };
    Step step{};
    switch (in->op) {
      case Op::Function:
        runThrough(in->a, in->aConstant);
        step.op = StepOp::Function;
        step.compute = in->function->compute;
        step.domain = in->domain == Domain::Logarithm ? 1 : in->domain == Domain::SquareRoot ? 2 : 0;
        chain.steps.push_back(step);
        return;
      case Op::WholePower:
        runThrough(in->a, in->aConstant);
        step.op = StepOp::WholePower;
        step.n = in->n;
        step.positiveExponent = registers_[in->b] > 0;
        chain.steps.push_back(step);
        return;
      default: break;
    }
    // Two operands: the chain runs through the left one unless only the
    // right one needs steps of its own.
    const bool throughLeft = !isSimple(in->a, in->aConstant) || isSimple(in->b, in->bConstant);
    const std::uint32_t through = throughLeft ? in->a : in->b;
    const bool throughConstant = throughLeft ? in->aConstant : in->bConstant;
    step.operand = throughLeft ? operand(in->b, in->bConstant) : operand(in->a, in->aConstant);
    runThrough(through, throughConstant);
    switch (in->op) {
      case Op::Add: step.op = StepOp::Add; break;
      case Op::Subtract: step.op = throughLeft ? StepOp::Subtract : StepOp::SubtractFrom; break;
      case Op::Multiply: step.op = StepOp::Multiply; break;
      case Op::Divide: step.op = throughLeft ? StepOp::Divide : StepOp::DivideInto; break;
      default: step.op = throughLeft ? StepOp::Power : StepOp::PowerOnto; break;
    }
    chain.steps.push_back(step);
  };

  // Results nobody reads are still computed: their failures set messages.
  const std::vector<bool> read = registersRead();
  for (const Instruction& in : code_) {
    if (in.op == Op::Message || read[in.target] || in.target == result_) continue;
    Chain unread;
    extend(in.target, unread);
    unread.lane = plan.lanes++;
    plan.chains.push_back(std::move(unread));
  }
  if (!resultConstant_) {
    Chain root;
    extend(result_, root);
    root.lane = plan.lanes++;
    plan.chains.push_back(std::move(root));
  }
  plan.rows.resize(std::max<std::uint32_t>(plan.lanes, 1) * kChunk);
}

void TermProgram::runChains(const Extended* xs, Extended* ys, bool* messaged, std::size_t n) {
  if (!chains_) planChains();
  Chains& plan = *chains_;
  Extended* const rows = plan.rows.data();
  for (std::size_t start = 0; start < n; start += kChunk) {
    const std::size_t count = std::min(kChunk, n - start);
    const Extended* const x = xs + start;
    bool* const chunkMessaged = messaged + start;
    std::fill(chunkMessaged, chunkMessaged + count, plan.alwaysMessaged);
    for (const Chain& chain : plan.chains) {
      Extended* const out = rows + chain.lane * kChunk;
      for (std::size_t i = 0; i < count; ++i) {
        PointState p;
        Extended acc = ValueOf(chain.start, x[i], rows, i, p);
        for (const Step& step : chain.steps) {
          switch (step.op) {
            case StepOp::Add: acc = Checked(acc + ValueOf(step.operand, x[i], rows, i, p), p); break;
            case StepOp::Subtract: acc = Checked(acc - ValueOf(step.operand, x[i], rows, i, p), p); break;
            case StepOp::SubtractFrom: acc = Checked(ValueOf(step.operand, x[i], rows, i, p) - acc, p); break;
            case StepOp::Multiply: acc = Checked(acc * ValueOf(step.operand, x[i], rows, i, p), p); break;
            case StepOp::Divide: acc = DivideChecked(acc, ValueOf(step.operand, x[i], rows, i, p), p); break;
            case StepOp::DivideInto: acc = DivideChecked(ValueOf(step.operand, x[i], rows, i, p), acc, p); break;
            case StepOp::Power: acc = PowerChecked(acc, ValueOf(step.operand, x[i], rows, i, p), p); break;
            case StepOp::PowerOnto: acc = PowerChecked(ValueOf(step.operand, x[i], rows, i, p), acc, p); break;
            case StepOp::WholePower: acc = WholePowerOf(acc, step.n, step.positiveExponent, p); break;
            case StepOp::Function: acc = ApplyFunction(step, acc, p); break;
          }
        }
        out[i] = acc;
        chunkMessaged[i] |= p.messaged;
      }
    }
    if (resultConstant_)
      std::fill(ys + start, ys + start + count, registers_[result_]);
    else
      std::copy_n(rows + plan.chains.back().lane * kChunk, count, ys + start);
  }
}

}  // namespace lumatik
