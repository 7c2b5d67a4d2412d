#pragma once

// A term tree bound to one parameter line: every leaf is now a parameter's
// value or a number, parts without x are folded into constants where that
// sets no message, and the rest is a flat list of instructions over a file
// of 80-bit registers. Each instruction does exactly what the text
// evaluator does at the level it stands for, including the messages it
// sets and the 0 it puts in place of a failed level, in the same order.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "expr/term_tree.h"
#include "shell/extended.h"

namespace lumatik {

class TermProgram {
 public:
  // Binds tree (which must outlive the program) to the parameter line and
  // decimal separator in force now; the tree's leaves keep what they read as
  // numbers for the next binding. MathErrorText is left as it was.
  explicit TermProgram(TermTree& tree);
  ~TermProgram();

  // True when binding met something only the text evaluator reproduces.
  bool literal() const { return literal_; }

  // The term's value at x, with the messages of the text evaluator.
  Extended run(Extended x);

  // ys[i] = run(xs[i]) for i = 0 .. n-1, in this order. Messages are not
  // written on the way: the last point whose evaluation sets one is
  // evaluated once more with run(), which leaves MathErrorText as the whole
  // sequence would.
  void runMany(const Extended* xs, Extended* ys, std::size_t n);

  // f'(x) and f''(x) by forward-mode automatic differentiation: the same
  // instructions on values carried with their first and second derivative.
  // No messages; false where a step has no derivative there (a failure, a
  // function the rules below do not know, a kink or a jump taken at its
  // place), and the caller then falls back to a difference quotient.
  bool derivatives(Extended x, Extended& d1, Extended& d2);

 private:
  enum class Op : std::uint8_t { Message, Add, Subtract, Multiply, Divide, Power, WholePower, Function };
  // Functions whose messages can be told from their argument alone.
  enum class Domain : std::uint8_t { Any, Logarithm, SquareRoot };

  struct Instruction {
    Op op;
    bool aConstant;  // operand a is a constant, not a result of x
    bool bConstant;
    Domain domain;
    std::uint32_t target;
    std::uint32_t a;
    std::uint32_t b;
    std::int32_t level;  // the level whose failure this instruction reports
    std::int64_t n;      // WholePower: the exponent; Message: index of the text
    const BuiltinFunction* function;
  };

  struct Operand {
    std::uint32_t slot;
    bool constant;
  };

  Operand link(std::int32_t index);
  Operand leaf(TermLeaf& leaf);
  Operand constant(Extended value);
  Operand emit(Instruction instruction, bool foldable);
  void emitMessage(std::string text);

  void execute(const Instruction& in, Extended* r);
  void fail(const Instruction& in, Extended* r);
  void functionFailed(const Instruction& in, Extended* r);
  // The program for the point kernel (see point_kernel.h), where the term
  // has that form: the whole term per point in registers. run() and
  // runMany() take it first and fall back to the instructions for the
  // points where it reports a failure.
  struct Kernel;
  class KernelPlanner;
  void planKernel();
  // Which registers some instruction reads. Results nobody reads (the base
  // of a power with exponent 0) are computed for their messages only.
  std::vector<bool> registersRead() const;
  // The kernel's value at x with the messages every evaluation sets; false
  // where the instructions must answer.
  bool runKernel(Extended x, Extended& y);
  // The fallback over many points: chains of steps on one value per point.
  // messaged[i] tells whether the evaluation at xs[i] sets a message.
  struct Chains;
  void planChains();
  void runChains(const Extended* xs, Extended* ys, bool* messaged, std::size_t n);

  TermTree& tree_;
  std::vector<Instruction> code_;
  std::vector<Extended> registers_;  // [0] is x, then constants and results
  std::vector<std::string> messages_;
  std::unordered_map<std::int32_t, std::string> failTexts_;  // made on first use
  std::shared_ptr<Chains> chains_;  // made when first needed
  std::shared_ptr<Kernel> kernel_;  // made by the first run or runMany
  std::uint32_t result_ = 0;
  bool resultConstant_ = false;
  bool literal_ = false;
};

}  // namespace lumatik
