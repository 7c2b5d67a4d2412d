#pragma once

// Where a level of a term splits: the binary operators in the order they are
// tried, and the one scan that finds each operator's split position. Shared
// by the text evaluator and the compiled form so that both split alike.

#include <cstddef>
#include <string>

#include "shell/extended.h"

namespace lumatik {

// Binary operators in the order they are tried; "/" and ":" are one operator.
enum class Operator { Plus, Minus, Times, Dot, Divide, Power, Count };

inline constexpr int kOperatorCount = static_cast<int>(Operator::Count);

inline bool IsOperatorChar(Operator op, char c) {
  switch (op) {
    case Operator::Plus: return c == '+';
    case Operator::Minus: return c == '-';
    case Operator::Times: return c == '*';
    case Operator::Dot: return c == kMiddleDot;
    case Operator::Divide: return c == '/' || c == ':';
    case Operator::Power: return c == '^';
    case Operator::Count: break;
  }
  return false;
}

// One scan from the last character to the first finds, for every operator,
// its last position at bracket depth 0 (never the first character), and the
// bracket surplus of the whole text. A sign is no split position: the "-" of
// "3*-2" belongs to the right operand of "*", the "-" of "1,5E-20" to the
// number.
struct SplitScan {
  std::size_t position[kOperatorCount];
  int surplus = 0;
};

SplitScan ScanForSplits(const std::string& s);

// "(2|-1 Klammern zu viel!": the text of the level and its bracket surplus.
std::string BracketMessage(const std::string& s, int surplus);

}  // namespace lumatik
