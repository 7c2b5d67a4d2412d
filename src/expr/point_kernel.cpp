#include "expr/point_kernel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "expr/matherror.h"
#include "expr/numeric.h"

namespace lumatik {

namespace {

using enum KernelOperation;
using enum KernelOperand;

// ---------------------------------------------------------------------------
// Step codes: one number for operation, operand and slot, so that a single
// switch picks the code of a step and every case is compiled for its own
// operand and slot.

constexpr int kOperandCount = 16;
constexpr int kBinaryCodes = (static_cast<int>(DivideInto) + 1) * kOperandCount * kKernelDepth;
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
  if (op <= static_cast<int>(DivideInto)) return (op * kOperandCount + static_cast<int>(operand)) * kKernelDepth + slot;
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

static_assert(kCodeCount <= 512, "the switch below lists 512 codes");

// ---------------------------------------------------------------------------
// Arithmetic, operation for operation the text evaluator's.

// Finite, tested without loading a constant: v - v is 0 exactly when v is
// finite and NaN otherwise.
inline bool IsFinite(Extended v) { return v - v == 0; }

// DivChecked's zero test, and a divisor that is no finite number (the
// result of a failed level, which a division could hide).
inline bool DivisorInRange(Extended v) { return IsFinite(v) & (std::fabs(v) >= 1e-15L); }

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

[[gnu::noinline]] Extended CallStep(const KernelStep& step, Extended a, bool& ok) {
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
  } catch (...) {
    ok = false;
    return 0;
  }
  if (MathErrorCount() != before || !IsFinite(v)) ok = false;
  return v;
}

// ---------------------------------------------------------------------------
// The machine.

struct Lane {
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
template <KernelOperand O, int S>
[[gnu::always_inline]] inline Extended OperandOf(Lane& lane, const KernelStep& k, bool& ok) {
  const Extended x = lane.x;
  if constexpr (O == Next) return SlotOf<S + 1>(lane);
  else if constexpr (O == Constant) return k.c;
  else if constexpr (O == X) return x;
  else if constexpr (O == XSquare) return x * x;
  else if constexpr (O == XCube) return x * (x * x);
  else if constexpr (O == XFourth) return (x * x) * (x * x);
  else if constexpr (O == XPower) return PositivePower(x, k.n);
  else if constexpr (O == ScaledX) return k.c * x;
  else if constexpr (O == ScaledXSquare) return k.c * (x * x);
  else if constexpr (O == ScaledXCube) return k.c * (x * (x * x));
  else if constexpr (O == ScaledXFourth) return k.c * ((x * x) * (x * x));
  else if constexpr (O == ScaledXPower) return k.c * PositivePower(x, k.n);
  else if constexpr (O == XPlusC) return x + k.c;
  else if constexpr (O == CMinusX) return k.c - x;
  else if constexpr (O == XOverC) return x / k.c;
  else {
    static_assert(O == COverX);
    ok = ok & DivisorInRange(x);
    return k.c / x;
  }
}

template <KernelOperation Op, KernelOperand O, int S>
[[gnu::always_inline]] inline void StepLane(Lane& lane, const KernelStep& k, bool& ok) {
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

// Two lanes at depth two hold six values in the eight x87 registers, which
// leaves two for the work of a step. Steps that need more (a divisor's
// tests, the loop of a general power) would make g++ keep values in memory
// in every step, so programs with them run one lane at a time.
constexpr bool FitsTwoLanesAtDepthTwo(KernelOperation operation, KernelOperand operand) {
  return operation != DivideInto && operation != WholePower && operand != COverX && operand != XPower &&
         operand != ScaledXPower && !(operation == Divide && operand != Constant);
}

// Step Code on every lane (one or two); a code the program cannot hold at
// this depth does nothing (add() never makes one). The lanes are named one
// by one, not looped over, so that g++ keeps their values in registers.
template <int Code, int Depth, int Lanes, bool Calls>
[[gnu::always_inline]] inline void Step(Lane* lanes, const KernelStep& k, bool& ok) {
  static_assert(Lanes == 1 || Lanes == 2);
  if constexpr (Code < kCodeCount) {
    constexpr Decoded d = Decode(Code);
    constexpr int reach = d.slot + (d.operand == Next && d.operation < WholePower ? 1 : 0);
    constexpr bool call = d.operation == Power || d.operation == PowerOnto || d.operation == Call;
    constexpr bool fits = Lanes == 1 || Depth == 1 || FitsTwoLanesAtDepthTwo(d.operation, d.operand);
    if constexpr (reach < Depth && (Calls || !call) && fits) {
      StepLane<d.operation, d.operand, d.slot>(lanes[0], k, ok);
      if constexpr (Lanes == 2) StepLane<d.operation, d.operand, d.slot>(lanes[1], k, ok);
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
[[gnu::always_inline]] inline bool RunGroup(const KernelStep* begin, const KernelStep* end, bool zeroXFails,
                                            Lane* lanes) {
  bool ok = true;
  if (zeroXFails) {
    ok = ok & (lanes[0].x != 0);
    if constexpr (Lanes == 2) ok = ok & (lanes[1].x != 0);
  }
  for (const KernelStep* k = begin; k != end; ++k) {
    // Every value of the masked code has its case: no range test.
    switch (k->code & 511) {
      LUMATIK_KERNEL_CASES256(0)
      LUMATIK_KERNEL_CASES256(256)
      default: break;
    }
  }
  ok = ok & IsFinite(lanes[0].s0);
  if constexpr (Lanes == 2) ok = ok & IsFinite(lanes[1].s0);
  return ok;
}

#undef LUMATIK_KERNEL_CASES256
#undef LUMATIK_KERNEL_CASES64
#undef LUMATIK_KERNEL_CASES16
#undef LUMATIK_KERNEL_CASES4
#undef LUMATIK_KERNEL_CASE

template <int Depth, int Lanes, bool Calls>
std::size_t RunRow(const KernelStep* begin, const KernelStep* end, bool zeroXFails, const Extended* xs, Extended* ys,
                   bool* failed, std::size_t n) {
  std::size_t i = 0;
  for (; i + Lanes <= n; i += Lanes) {
    Lane lanes[Lanes];
    lanes[0].x = xs[i];
    if constexpr (Lanes == 2) lanes[1].x = xs[i + 1];
    const bool ok = RunGroup<Depth, Lanes, Calls>(begin, end, zeroXFails, lanes);
    ys[i] = lanes[0].s0;
    failed[i] = !ok;
    if constexpr (Lanes == 2) {
      ys[i + 1] = lanes[1].s0;
      failed[i + 1] = !ok;
    }
  }
  return i;  // the points done
}

}  // namespace

bool KernelProgram::add(KernelStep step) {
  const int op = static_cast<int>(step.operation);
  if (op >= static_cast<int>(Power)) {
    if (op <= static_cast<int>(PowerOnto) && step.operand != Next) return false;
    if (op >= kUnaryFirst) step.operand = Next;  // unused
  }
  const int reach = step.slot + (step.operand == Next && op < kUnaryFirst ? 1 : 0);
  if (reach >= kKernelDepth || (step.operation == Set && step.operand == Next)) return false;
  step.code = static_cast<std::uint16_t>(Encode(step.operation, step.operand, step.slot));
  depth_ = std::max(depth_, reach + 1);
  calls_ = calls_ || step.operation == Power || step.operation == PowerOnto || step.operation == Call;
  fitsTwoLanes_ = fitsTwoLanes_ && FitsTwoLanesAtDepthTwo(step.operation, step.operand);
  oddPowerOfX_ = oddPowerOfX_ || step.operand == XCube || step.operand == ScaledXCube ||
                 ((step.operand == XPower || step.operand == ScaledXPower) && step.n % 2 != 0);
  steps_.push_back(step);
  return true;
}

bool KernelProgram::run(const Extended* xs, Extended* ys, bool* failed, std::size_t n) const {
  const KernelStep* begin = steps_.data();
  const KernelStep* end = begin + steps_.size();
  // The machine is compiled for a few sizes: two points side by side where
  // their stacks fit the eight x87 registers, no slot that the program does
  // not use, and no calls where the program makes none (a call empties the
  // registers, so with calls g++ keeps some of the values in memory).
  std::size_t done = 0;
  if (!calls_ && depth_ <= 1)
    done = RunRow<1, 2, false>(begin, end, oddPowerOfX_, xs, ys, failed, n);
  else if (!calls_ && depth_ <= 2 && fitsTwoLanes_)
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
