#pragma once

// A term as a short program for a small stack machine whose stack lives in
// local variables of one function, so that g++ keeps a point's values in x87
// registers from the first operation to the last, as hand-written code does.
// Every step does the text evaluator's operation with the same operands, so
// the values agree to the last bit; the operands that plot terms are made of
// (x^n, c*x^n, x+c, c-x, x/c, c/x) are worked out inside the step that uses
// them. The machine has no messages: a point where the text evaluator would
// set one (a divisor below 1e-15, a failed power, a value that is no finite
// number, a function's own message) is reported as failed, and the caller
// evaluates it step by step instead.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "shell/extended.h"

namespace lumatik {

enum class KernelOperation : std::uint8_t {
  // slot = slot op operand (Set: slot = operand; the "Into"/"From" and
  // "Onto" forms take the operand first).
  Set,
  Add,
  Subtract,
  SubtractFrom,
  Multiply,
  Divide,
  DivideInto,
  // slot = operand op d, or d op operand, with a second constant d: a part
  // of the term such as c*x+d, x^2-d, 0-x^4 or d/x^2 in one step.
  SetPlusConstant,
  SetConstantMinus,
  SetTimesConstant,
  SetOverConstant,  // d at least 1e-15 in absolute value
  SetConstantOver,
  // The same with the next slot only.
  Power,
  PowerOnto,
  // slot = f(slot).
  WholePower,  // a constant whole exponent n other than 0
  Square,
  Cube,
  Floor,
  Round,
  Abs,
  Sign,
  Call,  // any other function of the table
};

enum class KernelOperand : std::uint8_t {
  Next,  // the next slot of the stack
  Constant,
  X,
  XSquare,  // x^2, x^3, x^4 and x^n (n > 0) as PowerOf computes them
  XCube,
  XFourth,
  XPower,
  ScaledX,  // c*x, c*x^2, ...
  ScaledXSquare,
  ScaledXCube,
  ScaledXFourth,
  ScaledXPower,
  XPlusC,   // x+c, and x-c as x+(-c), which rounds alike
  CMinusX,  // c-x
  XOverC,   // x/c with c at least 1e-15 in absolute value
  COverX,   // c/x with the zero test on x
};

inline constexpr int kKernelDepth = 4;  // slots of the stack

// Functions called through the table whose messages can be told from their
// argument beforehand, so that the machine need not call them to learn it.
enum class KernelDomain : std::uint8_t { Any, Logarithm, SquareRoot };

struct KernelStep {
  KernelOperation operation = KernelOperation::Set;
  KernelOperand operand = KernelOperand::Constant;
  std::uint8_t slot = 0;
  KernelDomain domain = KernelDomain::Any;
  long long n = 0;  // the exponent of powers
  Extended c = 0;   // the operand's constant
  Extended d = 0;   // the second constant of the Set...Constant operations
  Extended (*function)(Extended) = nullptr;
};

class KernelProgram {
 public:
  // Appends a step; false where the machine has no such step, or where its
  // constant lies outside the range of double (see Encoded).
  bool add(KernelStep step);
  bool empty() const { return steps_.empty(); }
  // Slots the program uses.
  int depth() const { return depth_; }

  // ys[i] = the value at xs[i]; failed[i] where the point must be evaluated
  // step by step (ys[i] is then meaningless). True when any point failed.
  bool run(const Extended* xs, Extended* ys, bool* failed, std::size_t n) const;
  // The value at x; false where x must be evaluated step by step.
  bool runOne(Extended x, Extended& y) const;

  // A step as the machine reads it.
  struct Encoded {
    std::uint16_t code = 0;  // operation, operand and slot in one
    KernelDomain domain = KernelDomain::Any;
    long long n = 0;
    // The constant as the sum of two doubles: the x87 unit loads a double
    // in one step and an 80-bit value in several, and the sum of the two
    // is the constant to the last bit.
    double high = 0;
    double low = 0;
    double secondHigh = 0;  // d in the same way
    double secondLow = 0;
    Extended (*function)(Extended) = nullptr;
  };

 private:
  std::vector<Encoded> steps_;
  int depth_ = 0;
  bool calls_ = false;         // a step calls a function
  bool fitsSixValues_ = true;  // every step leaves six values in registers
  bool oddPowerOfX_ = false;   // an operand x^n with odd n: x = 0 is failed
};

}  // namespace lumatik
