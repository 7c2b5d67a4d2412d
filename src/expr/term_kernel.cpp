// A bound term program as a point kernel program (see point_kernel.h): the
// instructions, which form a tree, are written out for a stack of four
// slots, the deeper operand first so that few slots are needed, with x^n,
// c*x^n, x+c, x-c, c-x, x/c and c/x kept as operands of the step that uses
// them. Every operation stays the one TermProgram::run does with the same
// operands; only the order in which independent operands are computed
// changes, which no value depends on. The machine sets no messages, so the
// messages that every evaluation sets are replayed after it, and a point it
// reports as failed goes through the instructions.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "shell/matherror.h"
#include "expr/point_kernel.h"
#include "expr/term_program.h"

namespace lumatik {

struct TermProgram::Kernel {
  KernelProgram program;
  bool usable = false;
  std::vector<std::size_t> messages;  // the texts every evaluation sets, in order
};

namespace {

// x/c is x*(1/c) to the last bit where 1/c is exact: c a power of two.
bool HasExactReciprocal(Extended c) {
  int exponent = 0;
  const Extended mantissa = std::frexp(c, &exponent);
  return std::fabs(mantissa) == 0.5L && std::isfinite(1 / c) && 1 / c * c == 1;
}

bool TooSmallDivisor(Extended c) { return std::fabs(c) < 1e-15L; }

KernelOperation Reversed(KernelOperation operation) {
  switch (operation) {
    case KernelOperation::Subtract: return KernelOperation::SubtractFrom;
    case KernelOperation::Divide: return KernelOperation::DivideInto;
    case KernelOperation::Power: return KernelOperation::PowerOnto;
    default: return operation;  // Add and Multiply give the same bits either way round
  }
}

}  // namespace

class TermProgram::KernelPlanner {
 public:
  explicit KernelPlanner(const TermProgram& program)
      : p_(program), producer_(program.registers_.size(), -1), need_(program.registers_.size(), 0) {
    for (std::size_t k = 0; k < p_.code_.size(); ++k)
      if (p_.code_[k].op != Op::Message) producer_[p_.code_[k].target] = static_cast<std::int32_t>(k);
  }

  // The program for the result register, or false where the term has a
  // form the kernel does not hold.
  bool plan(KernelProgram& program) { return emit(p_.result_, false, 0, program); }

 private:
  const Instruction* producerOf(std::uint32_t slot) const {
    return slot == 0 || producer_[slot] < 0 ? nullptr : &p_.code_[static_cast<std::size_t>(producer_[slot])];
  }
  static bool IsX(std::uint32_t slot, bool constant) { return slot == 0 && !constant; }

  // n for x^n with a constant whole n > 0.
  long long powerOfX(std::uint32_t slot, bool constant) const {
    if (constant) return 0;
    const Instruction* in = producerOf(slot);
    return in && in->op == Op::WholePower && IsX(in->a, in->aConstant) && in->n > 0 ? in->n : 0;
  }

  static KernelOperand PowerOperand(long long n, bool scaled) {
    using enum KernelOperand;
    switch (n) {
      case 2: return scaled ? ScaledXSquare : XSquare;
      case 3: return scaled ? ScaledXCube : XCube;
      case 4: return scaled ? ScaledXFourth : XFourth;
      default: return scaled ? ScaledXPower : XPower;
    }
  }

  // Fills step's operand where register slot is one the kernel works out
  // inside a step; false otherwise.
  bool operandOf(std::uint32_t slot, bool constant, KernelStep& step) const {
    using enum KernelOperand;
    if (constant) {
      step.operand = Constant;
      step.c = p_.registers_[slot];
      return std::isfinite(step.c);
    }
    if (slot == 0) {
      step.operand = X;
      return true;
    }
    const Instruction* in = producerOf(slot);
    if (!in) return false;
    if (const long long n = powerOfX(slot, false); n > 0) {
      step.operand = PowerOperand(n, false);
      step.n = n;
      return true;
    }
    if (in->aConstant == in->bConstant) return false;
    const Extended c = p_.registers_[in->aConstant ? in->a : in->b];
    const std::uint32_t other = in->aConstant ? in->b : in->a;
    if (!std::isfinite(c)) return false;
    step.c = c;
    switch (in->op) {
      case Op::Multiply: {
        if (IsX(other, false)) {
          step.operand = ScaledX;
          return true;
        }
        const long long n = powerOfX(other, false);
        step.operand = PowerOperand(n, true);
        step.n = n;
        return n > 0;
      }
      case Op::Add: step.operand = XPlusC; return IsX(other, false);
      case Op::Subtract:
        if (!IsX(other, false)) return false;
        step.operand = in->aConstant ? CMinusX : XPlusC;
        if (!in->aConstant) step.c = -c;  // x-c and x+(-c) round alike, the sign of a zero too
        return true;
      case Op::Divide:
        if (!IsX(other, false)) return false;
        if (in->aConstant) {
          step.operand = COverX;
          return true;
        }
        if (TooSmallDivisor(c)) return false;
        if (HasExactReciprocal(c)) {
          step.operand = ScaledX;
          step.c = 1 / c;
        } else {
          step.operand = XOverC;
        }
        return true;
      default: return false;
    }
  }

  bool isOperand(std::uint32_t slot, bool constant) const {
    KernelStep step;
    return operandOf(slot, constant, step);
  }

  // Slots needed to compute register slot into one slot.
  int need(std::uint32_t slot, bool constant) {
    if (isOperand(slot, constant)) return 1;
    const Instruction* in = producerOf(slot);
    if (!in) return 1;
    int& known = need_[slot];
    if (known > 0) return known;
    int n = 1;
    if (in->op == Op::Function || in->op == Op::WholePower) {
      n = need(in->a, in->aConstant);
    } else if (in->op != Op::Power && isOperand(in->b, in->bConstant)) {
      n = need(in->a, in->aConstant);
    } else if (in->op != Op::Power && isOperand(in->a, in->aConstant)) {
      n = need(in->b, in->bConstant);
    } else {
      const int left = need(in->a, in->aConstant);
      const int right = need(in->b, in->bConstant);
      n = left == right ? left + 1 : std::max(left, right);
    }
    return known = n;
  }

  static KernelOperation FunctionOperation(const BuiltinFunction& f) {
    if (std::strcmp(f.name, "abs") == 0) return KernelOperation::Abs;
    if (std::strcmp(f.name, "sgn") == 0) return KernelOperation::Sign;
    if (std::strcmp(f.name, "int") == 0) return KernelOperation::Floor;
    if (std::strcmp(f.name, "rou") == 0) return KernelOperation::Round;
    return KernelOperation::Call;
  }

  // An operand combined with a constant (c*x+d, 0-x^4, x^2-1, d/x^2) as one
  // step: step's operation becomes the Set...Constant form. False where in
  // is no such combination.
  bool fuseWithConstant(const Instruction& in, KernelStep& step) const {
    using enum KernelOperation;
    const bool constantFirst = in.aConstant;
    if (in.aConstant == in.bConstant && !in.aConstant) return false;
    KernelStep operand = step;
    const std::uint32_t other = constantFirst ? in.b : in.a;
    if (!operandOf(other, constantFirst ? in.bConstant : in.aConstant, operand) ||
        operand.operand == KernelOperand::Next)
      return false;
    Extended d = p_.registers_[constantFirst ? in.a : in.b];
    if (!std::isfinite(d)) return false;
    switch (in.op) {
      case Op::Add: operand.operation = SetPlusConstant; break;
      case Op::Subtract:
        operand.operation = constantFirst ? SetConstantMinus : SetPlusConstant;
        if (!constantFirst) d = -d;  // x-d and x+(-d) round alike
        break;
      case Op::Multiply: operand.operation = SetTimesConstant; break;
      case Op::Divide:
        if (constantFirst) {
          operand.operation = SetConstantOver;
          break;
        }
        if (TooSmallDivisor(d)) return false;
        operand.operation = HasExactReciprocal(d) ? SetTimesConstant : SetOverConstant;
        if (HasExactReciprocal(d)) d = 1 / d;
        break;
      default: return false;
    }
    operand.d = d;
    step = operand;
    return true;
  }

  // Steps that leave the value of register slot in stack slot depth.
  bool emit(std::uint32_t slot, bool constant, int depth, KernelProgram& program) {
    if (depth >= kKernelDepth) return false;
    KernelStep step;
    step.slot = static_cast<std::uint8_t>(depth);
    if (operandOf(slot, constant, step)) {
      step.operation = KernelOperation::Set;
      return program.add(step);
    }
    const Instruction* in = producerOf(slot);
    if (!in) return false;
    switch (in->op) {
      case Op::Function:
        if (!emit(in->a, in->aConstant, depth, program)) return false;
        step.operation = FunctionOperation(*in->function);
        step.function = in->function->compute;
        step.domain = in->domain == Domain::Logarithm    ? KernelDomain::Logarithm
                      : in->domain == Domain::SquareRoot ? KernelDomain::SquareRoot
                                                         : KernelDomain::Any;
        return program.add(step);
      case Op::WholePower:
        // n is never 0 here: exponent 0 became the constant 1 when the term was bound,
        // and exponents that only round to 0 are left to the instructions.
        if (in->n == 0 || !emit(in->a, in->aConstant, depth, program)) return false;
        step.operation = in->n == 2   ? KernelOperation::Square
                         : in->n == 3 ? KernelOperation::Cube
                                      : KernelOperation::WholePower;
        step.n = in->n;
        return program.add(step);
      case Op::Add: step.operation = KernelOperation::Add; break;
      case Op::Subtract: step.operation = KernelOperation::Subtract; break;
      case Op::Multiply: step.operation = KernelOperation::Multiply; break;
      case Op::Divide: step.operation = KernelOperation::Divide; break;
      case Op::Power: step.operation = KernelOperation::Power; break;
      case Op::Message: return false;
    }
    if (step.operation != KernelOperation::Power && fuseWithConstant(*in, step)) return program.add(step);
    if (step.operation != KernelOperation::Power) {
      // One operand inside the step.
      if (operandOf(in->b, in->bConstant, step)) {
        if (step.operation == KernelOperation::Divide && step.operand == KernelOperand::Constant) {
          // Every evaluation would divide by zero: left to the instructions.
          if (TooSmallDivisor(step.c)) return false;
          if (HasExactReciprocal(step.c)) {
            step.operation = KernelOperation::Multiply;
            step.c = 1 / step.c;
          }
        }
        return emit(in->a, in->aConstant, depth, program) && program.add(step);
      }
      if (operandOf(in->a, in->aConstant, step)) {
        step.operation = Reversed(step.operation);
        return emit(in->b, in->bConstant, depth, program) && program.add(step);
      }
    }
    // Both operands in slots, the one that needs more slots first.
    step.operand = KernelOperand::Next;
    const bool leftFirst = need(in->a, in->aConstant) >= need(in->b, in->bConstant);
    const auto [first, firstConstant] = leftFirst ? std::pair{in->a, in->aConstant} : std::pair{in->b, in->bConstant};
    const auto [second, secondConstant] = leftFirst ? std::pair{in->b, in->bConstant} : std::pair{in->a, in->aConstant};
    if (!leftFirst) step.operation = Reversed(step.operation);
    return emit(first, firstConstant, depth, program) && emit(second, secondConstant, depth + 1, program) &&
           program.add(step);
  }

  const TermProgram& p_;
  std::vector<std::int32_t> producer_;
  std::vector<int> need_;  // 0 where not yet known
};

void TermProgram::planKernel() {
  kernel_ = std::make_shared<Kernel>();
  Kernel& kernel = *kernel_;
  if (resultConstant_) return;  // nothing to compute per point
  // Results nobody reads are left to the instructions.
  const std::vector<bool> read = registersRead();
  for (const Instruction& in : code_) {
    if (in.op == Op::Message)
      kernel.messages.push_back(static_cast<std::size_t>(in.n));
    else if (!read[in.target] && in.target != result_)
      return;
  }
  KernelPlanner planner(*this);
  kernel.usable = planner.plan(kernel.program);
}

void TermProgram::runMany(const Extended* xs, Extended* ys, std::size_t n) {
  if (!kernel_) planKernel();
  const Kernel& kernel = *kernel_;
  constexpr std::size_t kBlock = 256;
  bool flags[kBlock];
  std::size_t lastMessaged = n;
  for (std::size_t start = 0; start < n; start += kBlock) {
    const std::size_t count = std::min(kBlock, n - start);
    const Extended* const x = xs + start;
    Extended* const y = ys + start;
    if (kernel.usable) {
      if (!kernel.program.run(x, y, flags, count)) {
        if (!kernel.messages.empty()) lastMessaged = start + count - 1;
        continue;
      }
      for (std::size_t i = 0; i < count; ++i) {
        if (flags[i])
          runChains(x + i, y + i, &flags[i], 1);
        else
          flags[i] = !kernel.messages.empty();
      }
    } else {
      runChains(x, y, flags, count);
    }
    for (std::size_t i = count; i-- > 0;)
      if (flags[i]) {
        lastMessaged = start + i;
        break;
      }
  }
  // The messages of the sequence are those of its last point that has any.
  if (lastMessaged < n) run(xs[lastMessaged]);
}

bool TermProgram::runKernel(Extended x, Extended& y) {
  if (!kernel_) planKernel();
  if (!kernel_->usable || !kernel_->program.runOne(x, y)) return false;
  for (std::size_t message : kernel_->messages) SetMathError(messages_[message]);
  return true;
}

}  // namespace lumatik
