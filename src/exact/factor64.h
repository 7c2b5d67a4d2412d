#pragma once

// Primality and factorisation of 64-bit integers, for the factors beyond the
// reach of trial division: the 80-bit type holds every integer up to 2^64,
// and a school calculator should factor 10^16+61 or a product of two
// nine-digit primes at once.

#include <cstdint>
#include <vector>

namespace lumatik {

// Miller-Rabin with the first twelve primes as bases, which decides every
// n below 3.3e24, so the answer is exact for all 64-bit n.
bool IsPrime64(std::uint64_t n);

// The prime factors of n >= 2 in ascending order (Pollard's rho in Brent's
// form splits composites); empty for n < 2.
std::vector<std::uint64_t> PrimeFactors64(std::uint64_t n);

}  // namespace lumatik
