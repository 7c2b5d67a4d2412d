#include "expr/point_kernel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "shell/matherror.h"
#include "expr/numeric.h"

namespace lumatik {

namespace {

using enum KernelOperation;
using enum KernelOperand;
using Encoded = KernelProgram::Encoded;

// ---------------------------------------------------------------------------
// Step codes: one number for operation, operand and slot, so that a single
// switch picks the code of a step and every case is compiled for its own
// operand and slot.

constexpr int kOperandCount = 16;
constexpr int kBinaryCodes = (static_cast<int>(SetConstantOver) + 1) * kOperandCount * kKernelDepth;
constexpr int kPowerCodes = 2 * kKernelDepth;  // Power and PowerOnto, with the next slot only
constexpr int kUnaryFirst = static_cast<int>(WholePower);
constexpr int kCodeCount = kBinaryCodes + kPowerCodes + (static_cast<int>(Call) - kUnaryFirst + 1) * kKernelDepth;

struct Decoded {
  KernelOperation operation;
  KernelOperand operand;
  int slot;
};

constexpr int Encode(KernelOperation operation, KernelOperand operand, int slot) {
  const int op = static_cast<int>(operation);
  if (op <= static_cast<int>(SetConstantOver))
    return (op * kOperandCount + static_cast<int>(operand)) * kKernelDepth + slot;
  if (op <= static_cast<int>(PowerOnto)) return kBinaryCodes + (op - static_cast<int>(Power)) * kKernelDepth + slot;
  return kBinaryCodes + kPowerCodes + (op - kUnaryFirst) * kKernelDepth + slot;
}

constexpr Decoded Decode(int code) {
  if (code < kBinaryCodes)
    return {static_cast<KernelOperation>(code / (kOperandCount * kKernelDepth)),
            static_cast<KernelOperand>(code / kKernelDepth % kOperandCount), code % kKernelDepth};
  code -= kBinaryCodes;
  if (code < kPowerCodes)
    return {static_cast<KernelOperation>(static_cast<int>(Power) + code / kKernelDepth), Next, code % kKernelDepth};
  code -= kPowerCodes;
  return {static_cast<KernelOperation>(kUnaryFirst + code / kKernelDepth), Next, code % kKernelDepth};
}

static_assert(kCodeCount <= 1024, "the switch below lists 1024 codes");

// ---------------------------------------------------------------------------
// Arithmetic, operation for operation the text evaluator's.

// The tests compare with bounds that a float holds exactly, loaded and
// compared in one asm each: g++ would otherwise load them as 80-bit
// constants, which the x87 unit loads slowly, or keep the loaded bound aside
// (stored and reloaded as 80 bits) in registers the stacks need. Both bounds
// are a little stricter than the engine's: a value between the two bounds is
// failed too and goes to the instructions, which test it exactly.
// DivChecked's zero test is |divisor| < 1e-15; 2^-49 lies just above.
constexpr float kSmallestDivisor = 0x1p-49f;
static_assert(kSmallestDivisor > 1e-15L && kSmallestDivisor < 2e-15L);
// Values from 2^127 on are failed together with the infinite ones; they are
// rare among a term's values, and the instructions give them exactly.
constexpr float kHuge = 0x1p127f;

#if defined(__clang__)
// clang (the fuzzing build) takes no x87 register clobbers: the plain
// comparisons, which give the same answers.
inline bool BoundAbove(const float& bound, Extended a) { return static_cast<Extended>(bound) > a; }
inline bool BoundAtMost(const float& bound, Extended a) { return !(static_cast<Extended>(bound) > a); }
#else
// bound > a, false where a is NaN. The bound is pushed and popped by
// fcomip; st(7) is named so that g++ leaves a register free for the push.
inline bool BoundAbove(const float& bound, Extended a) {
  bool above;
  asm("flds %[bound]\n\tfcomip %%st(1), %%st" : "=@cca"(above) : "t"(a), [bound] "m"(bound) : "st(7)");
  return above;
}

// bound <= a, true where a is NaN (callers test a against kHuge as well).
inline bool BoundAtMost(const float& bound, Extended a) {
  bool atMost;
  asm("flds %[bound]\n\tfcomip %%st(1), %%st" : "=@ccbe"(atMost) : "t"(a), [bound] "m"(bound) : "st(7)");
  return atMost;
}
#endif

// A NaN fails the comparison itself.
inline bool IsFinite(Extended v) { return BoundAbove(kHuge, std::fabs(v)); }

// DivChecked's zero test, and a divisor that is no finite number (the
// result of a failed level, which a division could hide).
inline bool DivisorInRange(Extended v) {
  const Extended a = std::fabs(v);
  // Both tests without a branch between them.
  return (static_cast<int>(BoundAtMost(kSmallestDivisor, a)) & static_cast<int>(BoundAbove(kHuge, a))) != 0;
}

// IntPower's products for n > 0 without its tests: once a product is no
// finite number, every later one is none either, up to the result.
inline Extended PositivePower(Extended base, long long n) {
  Extended r = 1;
  while (n > 0) {
    if (n % 2 == 1) {
      r *= base;
      --n;
    } else {
      base *= base;
      n /= 2;
    }
  }
  return r;
}

// PowerOf gives 0 for a zero base and a positive exponent, where IntPower's
// products would keep the sign of -0.
inline Extended ZeroBaseRule(Extended base, Extended power) { return base == 0 ? 0 : power; }

inline Extended WholePowerOf(Extended base, long long n, bool& ok) {
  if (n > 0) return ZeroBaseRule(base, PositivePower(base, n));
  // TryIntPower: the reciprocal of a finite power other than 0.
  const Extended denominator = PositivePower(base, -n);
  ok = ok & IsFinite(denominator) & (denominator != 0);
  return 1 / denominator;
}

// The calls: outside the machine's function, since a call empties the x87
// registers anyway.
[[gnu::noinline]] Extended PowerStep(Extended base, Extended exponent, bool& ok) {
  Extended v = 0;
  if (!IsFinite(base) || !IsFinite(exponent) || !TryPowerOf(base, exponent, v)) ok = false;
  return v;
}

[[gnu::noinline]] Extended CallStep(const Encoded& step, Extended a, bool& ok) {
  // A function's argument that is no finite number comes from a failed level,
  // and some functions (sgn, atn) would hide it.
  if (!IsFinite(a) || (step.domain == KernelDomain::Logarithm && a < 1e-15L) ||
      (step.domain == KernelDomain::SquareRoot && a < 0)) {
    ok = false;
    return 0;
  }
  const std::uint64_t before = MathErrorCount();
  Extended v = 0;
  try {
    v = step.function(a);
  } catch (const std::bad_alloc&) {
    throw;  // out of memory ends the whole computation, as in the text evaluator
  } catch (...) {
    // Any other failure sends the point to the text evaluator, which says
    // what went wrong in its own words.
    ok = false;
    return 0;
  }
  if (MathErrorCount() != before || !IsFinite(v)) ok = false;
  return v;
}

// ---------------------------------------------------------------------------
// The machine.

// A point's x and stack. Slot 0 starts as x, which saves a program that
// begins with x its first step (see add()).
struct Lane {
  void start(Extended at) { x = s0 = at; }
  Extended x = 0;
  Extended s0 = 0, s1 = 0, s2 = 0, s3 = 0;
};

template <int S>
[[gnu::always_inline]] inline Extended& SlotOf(Lane& lane) {
  static_assert(S >= 0 && S < kKernelDepth);
  if constexpr (S == 0) return lane.s0;
  else if constexpr (S == 1) return lane.s1;
  else if constexpr (S == 2) return lane.s2;
  else return lane.s3;
}

// The operands x^n with odd n would need PowerOf's rule for a zero base;
// a point with x = 0 is failed instead (see OddPowerOfX), which keeps a
// register free.
inline Extended ConstantOf(const Encoded& k) { return Extended(k.high) + Extended(k.low); }
inline Extended SecondConstantOf(const Encoded& k) { return Extended(k.secondHigh) + Extended(k.secondLow); }

template <KernelOperand O, int S>
[[gnu::always_inline]] inline Extended OperandOf(Lane& lane, const Encoded& k, bool& ok) {
  const Extended x = lane.x;
  const Extended c = ConstantOf(k);
  if constexpr (O == Next) return SlotOf<S + 1>(lane);
  else if constexpr (O == Constant) return c;
  else if constexpr (O == X) return x;
  else if constexpr (O == XSquare) return x * x;
  else if constexpr (O == XCube) return x * (x * x);
  else if constexpr (O == XFourth) return (x * x) * (x * x);
  else if constexpr (O == XPower) return PositivePower(x, k.n);
  else if constexpr (O == ScaledX) return c * x;
  else if constexpr (O == ScaledXSquare) return c * (x * x);
  else if constexpr (O == ScaledXCube) return c * (x * (x * x));
  else if constexpr (O == ScaledXFourth) return c * ((x * x) * (x * x));
  else if constexpr (O == ScaledXPower) return c * PositivePower(x, k.n);
  else if constexpr (O == XPlusC) return x + c;
  else if constexpr (O == CMinusX) return c - x;
  else if constexpr (O == XOverC) return x / c;
  else {
    static_assert(O == COverX);
    ok = ok & DivisorInRange(x);
    return c / x;
  }
}

template <KernelOperation Op, KernelOperand O, int S>
[[gnu::always_inline]] inline void StepLane(Lane& lane, const Encoded& k, bool& ok) {
  Extended& s = SlotOf<S>(lane);
  if constexpr (Op < WholePower) {
    const Extended v = OperandOf<O, S>(lane, k, ok);
    if constexpr (Op == Set) s = v;
    else if constexpr (Op == Add) s = s + v;
    else if constexpr (Op == Subtract) s = s - v;
    else if constexpr (Op == SubtractFrom) s = v - s;
    else if constexpr (Op == Multiply) s = s * v;
    else if constexpr (Op == Divide) {
      // A constant divisor was tested when the program was made.
      if constexpr (O != Constant) ok = ok & DivisorInRange(v);
      s = s / v;
    } else if constexpr (Op == DivideInto) {
      ok = ok & DivisorInRange(s);
      s = v / s;
    } else if constexpr (Op == SetPlusConstant) {
      s = v + SecondConstantOf(k);
    } else if constexpr (Op == SetConstantMinus) {
      s = SecondConstantOf(k) - v;
    } else if constexpr (Op == SetTimesConstant) {
      s = v * SecondConstantOf(k);
    } else if constexpr (Op == SetOverConstant) {
      s = v / SecondConstantOf(k);  // tested when the program was made
    } else if constexpr (Op == SetConstantOver) {
      ok = ok & DivisorInRange(v);
      s = SecondConstantOf(k) / v;
    } else {
      bool powerOk = true;
      s = Op == Power ? PowerStep(s, v, powerOk) : PowerStep(v, s, powerOk);
      ok = ok & powerOk;
    }
  } else if constexpr (Op == WholePower) {
    s = WholePowerOf(s, k.n, ok);
  } else if constexpr (Op == Square) {
    s = s * s;
  } else if constexpr (Op == Cube) {
    s = ZeroBaseRule(s, s * (s * s));
  } else if constexpr (Op == Floor) {
    // FloorOf's trunc(a), less 1 below it, is floor(a) for every a.
    s = std::floor(s);
  } else if constexpr (Op == Round) {
    s = std::floor(s + 0.5L);
  } else if constexpr (Op == Abs) {
    s = std::fabs(s);
  } else if constexpr (Op == Sign) {
    ok = ok & IsFinite(s);  // the sign of a failed level's value would hide it
    s = s >= 0 ? 1 : -1;
  } else {
    static_assert(Op == Call);
    bool callOk = true;
    s = CallStep(k, s, callOk);
    ok = ok & callOk;
  }
}

// Three lanes at depth one, or two at depth two, hold six values in the
// eight x87 registers, which leaves two for the work of a step. Steps that
// need more (a divisor's tests, the loop of a general power) would make g++
// keep values in memory in every step, so programs with them run fewer
// lanes at a time.
constexpr bool FitsSixValues(KernelOperation operation, KernelOperand operand) {
  return operation != DivideInto && operation != SetConstantOver && operation != WholePower && operand != COverX &&
         operand != XPower && operand != ScaledXPower && !(operation == Divide && operand != Constant);
}

// Step Code on every lane (one or two); a code the program cannot hold at
// this depth does nothing (add() never makes one). The lanes are named one
// by one, not looped over, so that g++ keeps their values in registers.
template <int Code, int Depth, int Lanes, bool Calls>
[[gnu::always_inline]] inline void Step(Lane* lanes, const Encoded& k, bool& ok) {
  static_assert(Lanes >= 1 && Lanes <= 3);
  if constexpr (Code < kCodeCount) {
    constexpr Decoded d = Decode(Code);
    constexpr int reach = d.slot + (d.operand == Next && d.operation < WholePower ? 1 : 0);
    constexpr bool call = d.operation == Power || d.operation == PowerOnto || d.operation == Call;
    constexpr bool fits = Lanes * (Depth + 1) <= 5 || FitsSixValues(d.operation, d.operand);
    if constexpr (reach < Depth && (Calls || !call) && fits) {
      StepLane<d.operation, d.operand, d.slot>(lanes[0], k, ok);
      if constexpr (Lanes > 1) StepLane<d.operation, d.operand, d.slot>(lanes[1], k, ok);
      if constexpr (Lanes > 2) StepLane<d.operation, d.operand, d.slot>(lanes[2], k, ok);
    }
  }
}

#define LUMATIK_KERNEL_CASE(n) \
  case (n): Step<(n), Depth, Lanes, Calls>(lanes, *k, ok); break;
#define LUMATIK_KERNEL_CASES4(n) \
  LUMATIK_KERNEL_CASE(n) LUMATIK_KERNEL_CASE((n) + 1) LUMATIK_KERNEL_CASE((n) + 2) LUMATIK_KERNEL_CASE((n) + 3)
#define LUMATIK_KERNEL_CASES16(n)                                                          \
  LUMATIK_KERNEL_CASES4(n) LUMATIK_KERNEL_CASES4((n) + 4) LUMATIK_KERNEL_CASES4((n) + 8) \
  LUMATIK_KERNEL_CASES4((n) + 12)
#define LUMATIK_KERNEL_CASES64(n)                                                                \
  LUMATIK_KERNEL_CASES16(n) LUMATIK_KERNEL_CASES16((n) + 16) LUMATIK_KERNEL_CASES16((n) + 32) \
  LUMATIK_KERNEL_CASES16((n) + 48)
#define LUMATIK_KERNEL_CASES256(n)                                                                \
  LUMATIK_KERNEL_CASES64(n) LUMATIK_KERNEL_CASES64((n) + 64) LUMATIK_KERNEL_CASES64((n) + 128) \
  LUMATIK_KERNEL_CASES64((n) + 192)

// The whole program for Lanes points side by side: the stack of every lane
// stays in registers, and one choice of step serves all lanes.
template <int Depth, int Lanes, bool Calls>
[[gnu::always_inline]] inline bool RunGroup(const Encoded* begin, const Encoded* end, bool zeroXFails,
                                            Lane* lanes) {
  bool ok = true;
  if (zeroXFails) {
    ok = ok & (lanes[0].x != 0);
    if constexpr (Lanes > 1) ok = ok & (lanes[1].x != 0);
    if constexpr (Lanes > 2) ok = ok & (lanes[2].x != 0);
  }
  for (const Encoded* k = begin; k != end; ++k) {
    // Every value of the masked code has its case: no range test.
    switch (k->code & 1023) {
      LUMATIK_KERNEL_CASES256(0)
      LUMATIK_KERNEL_CASES256(256)
      LUMATIK_KERNEL_CASES256(512)
      LUMATIK_KERNEL_CASES256(768)
      default: break;
    }
  }
  ok = ok & IsFinite(lanes[0].s0);
  if constexpr (Lanes > 1) ok = ok & IsFinite(lanes[1].s0);
  if constexpr (Lanes > 2) ok = ok & IsFinite(lanes[2].s0);
  return ok;
}

#undef LUMATIK_KERNEL_CASES256
#undef LUMATIK_KERNEL_CASES64
#undef LUMATIK_KERNEL_CASES16
#undef LUMATIK_KERNEL_CASES4
#undef LUMATIK_KERNEL_CASE

template <int Depth, int Lanes, bool Calls>
std::size_t RunRow(const Encoded* begin, const Encoded* end, bool zeroXFails, const Extended* xs, Extended* ys,
                   bool* failed, std::size_t n) {
  std::size_t i = 0;
  for (; i + Lanes <= n; i += Lanes) {
    Lane lanes[Lanes];
    lanes[0].start(xs[i]);
    if constexpr (Lanes > 1) lanes[1].start(xs[i + 1]);
    if constexpr (Lanes > 2) lanes[2].start(xs[i + 2]);
    const bool ok = RunGroup<Depth, Lanes, Calls>(begin, end, zeroXFails, lanes);
    ys[i] = lanes[0].s0;
    failed[i] = !ok;
    if constexpr (Lanes > 1) {
      ys[i + 1] = lanes[1].s0;
      failed[i + 1] = !ok;
    }
    if constexpr (Lanes > 2) {
      ys[i + 2] = lanes[2].s0;
      failed[i + 2] = !ok;
    }
  }
  return i;  // the points done
}

// c as high + low; false where no two doubles give c to the last bit (a
// constant beyond the range of double).
bool SplitConstant(Extended c, double& high, double& low) {
  // The rest is exact in 80 bits and fits a double; a zero rest is -0,
  // which leaves the sign of a zero high part alone.
  high = static_cast<double>(c);
  const Extended rest = c - high;
  low = rest == 0 ? -0.0 : static_cast<double>(rest);
  const Extended sum = Extended(high) + Extended(low);
  return std::memcmp(&sum, &c, 10) == 0;
}

}  // namespace

bool KernelProgram::add(KernelStep step) {
  const int op = static_cast<int>(step.operation);
  if (op >= static_cast<int>(Power)) {
    if (op <= static_cast<int>(PowerOnto) && step.operand != Next) return false;
    if (op >= kUnaryFirst) step.operand = Next;  // unused
  }
  const int reach = step.slot + (step.operand == Next && op < kUnaryFirst ? 1 : 0);
  const bool set = step.operation == Set || (step.operation >= SetPlusConstant && step.operation <= SetConstantOver);
  if (reach >= kKernelDepth || (set && step.operand == Next)) return false;
  Encoded encoded;
  encoded.code = static_cast<std::uint16_t>(Encode(step.operation, step.operand, step.slot));
  encoded.domain = step.domain;
  encoded.n = step.n;
  encoded.function = step.function;
  if (!SplitConstant(step.c, encoded.high, encoded.low) || !SplitConstant(step.d, encoded.secondHigh, encoded.secondLow))
    return false;
  depth_ = std::max(depth_, reach + 1);
  // Slot 0 starts as x: a first step that sets it to x is left out.
  if (steps_.empty() && step.operation == Set && step.operand == X && step.slot == 0) return true;
  calls_ = calls_ || step.operation == Power || step.operation == PowerOnto || step.operation == Call;
  fitsSixValues_ = fitsSixValues_ && FitsSixValues(step.operation, step.operand);
  oddPowerOfX_ = oddPowerOfX_ || step.operand == XCube || step.operand == ScaledXCube ||
                 ((step.operand == XPower || step.operand == ScaledXPower) && step.n % 2 != 0);
  steps_.push_back(encoded);
  return true;
}

bool KernelProgram::run(const Extended* xs, Extended* ys, bool* failed, std::size_t n) const {
  const Encoded* begin = steps_.data();
  const Encoded* end = begin + steps_.size();
  // The machine is compiled for a few sizes: two or three points side by
  // side where their stacks fit the eight x87 registers, no slot that the program does
  // not use, and no calls where the program makes none (a call empties the
  // registers, so with calls g++ keeps some of the values in memory).
  std::size_t done = 0;
  if (!calls_ && depth_ <= 1 && fitsSixValues_)
    done = RunRow<1, 3, false>(begin, end, oddPowerOfX_, xs, ys, failed, n);
  else if (!calls_ && depth_ <= 1)
    done = RunRow<1, 2, false>(begin, end, oddPowerOfX_, xs, ys, failed, n);
  else if (!calls_ && depth_ <= 2 && fitsSixValues_)
    done = RunRow<2, 2, false>(begin, end, oddPowerOfX_, xs, ys, failed, n);
  RunRow<kKernelDepth, 1, true>(begin, end, oddPowerOfX_, xs + done, ys + done, failed + done, n - done);
  return std::find(failed, failed + n, true) != failed + n;
}

bool KernelProgram::runOne(Extended x, Extended& y) const {
  bool failed = true;
  RunRow<kKernelDepth, 1, true>(steps_.data(), steps_.data() + steps_.size(), oddPowerOfX_, &x, &y, &failed, 1);
  return !failed;
}

}  // namespace lumatik
