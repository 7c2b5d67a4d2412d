#include "calc/primelist.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "exact/primes.h"
#include "expr/evaluate.h"

namespace lumatik {

namespace {

// Indexes beyond 2^31 name no prime; clamping keeps the loop counter sane
// for any typed value.
std::int64_t PrimeIndex(Extended value) {
  if (!(value > 0)) return 0;
  if (value > 2147483648.0L) return 2147483648LL;
  return static_cast<std::int64_t>(std::nearbyint(value));
}

}  // namespace

bool BuildPrimeList(Extended first, Extended last,
                    const std::function<void(const std::string& line)>& addLine) {
  const std::int64_t a = PrimeIndex(first);
  const std::int64_t b = PrimeIndex(last);
  // The table grows in one request, so the cancel dialog can be answered;
  // asked one prime at a time, each request would end before the dialog
  // ever polled its button. After a cancel the list stops where the table
  // stopped.
  std::int64_t known = b;
  const bool listGrows = b > a && a < kPrimesBelow2To31;
  if (listGrows && NthPrime(static_cast<Extended>(std::min(b, kPrimesBelow2To31))) == 0)
    known = PrimeCount() + 1;
  std::int64_t p = NthPrime(static_cast<Extended>(a));
  std::string line = std::to_string(p);
  for (std::int64_t i = a + 1; i <= b; ++i) {
    const std::int64_t q = i <= known ? NthPrime(static_cast<Extended>(i)) : 0;
    if (q == 0) return false;
    line += q == p + 2 ? "*" : " ";
    line += std::to_string(q);
    p = q;
    if (line.size() > kPrimeListLineLength) {
      addLine(line);
      line.clear();
    }
  }
  addLine(line);
  return true;
}

bool BuildPrimeList(const std::string& firstText, const std::string& lastText,
                    const std::function<void(const std::string& line)>& addLine) {
  return BuildPrimeList(EvalTermGuarded(firstText), EvalTermGuarded(lastText), addLine);
}

}  // namespace lumatik
