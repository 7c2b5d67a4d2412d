#pragma once

// The calculator's "Primzahlen": the primes from the a-th to the b-th as
// history lines, with twin primes joined by "*".

#include <functional>
#include <string>

#include "shell/extended.h"

namespace lumatik {

// The heading line the history shows above the list.
inline constexpr const char* kPrimeListHeading = "            Primzahlen (*=Zwillinge)";

// A line is written once it is longer than this many characters.
inline constexpr std::size_t kPrimeListLineLength = 65;

// Writes the primes with the indexes first..last (both rounded) line by
// line. A cancelled prime computation ends the list at once and drops the
// line being built; the result is then false.
bool BuildPrimeList(Extended first, Extended last,
                    const std::function<void(const std::string& line)>& addLine);

// The same with the two values as typed (terms, evaluated by the engine).
bool BuildPrimeList(const std::string& firstText, const std::string& lastText,
                    const std::function<void(const std::string& line)>& addLine);

}  // namespace lumatik
