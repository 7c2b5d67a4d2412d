#pragma once

// The levels of a term as the text evaluator meets them, worked out once:
// each level's normalised text, how it splits (operator, function, bracket,
// constant, x, or a leaf that is a parameter or a number) and whether its
// brackets match. What a leaf stands for is left open, since the parameter
// line may change between evaluations.

#include <cstdint>
#include <string>
#include <vector>

#include "expr/builtin_functions.h"
#include "expr/term_split.h"
#include "shell/extended.h"

namespace lumatik {

// A level's text without a copy of its own: some "0" prefixes (from leading
// signs) followed by a piece of the root level's text. Levels whose text is
// no such piece keep their own copy.
struct LevelText {
  std::uint32_t zeros = 0;
  std::uint32_t offset = 0;
  std::uint32_t length = 0;
  std::int32_t own = -1;  // index into TermTree::ownTexts, or -1
};

struct TermLevel {
  enum class Kind : std::uint8_t {
    Empty,     // nothing left after normalising: 0, no message
    TooLong,   // "Term zu lang", 0
    Binary,    // left operator right
    Function,  // name argument, the argument evaluated at x
    Bracket,   // the bracket's inner term
    Pi,
    X,
    Leaf,  // a parameter or a number, decided when the term is bound
  };
  Kind kind = Kind::Empty;
  Operator op = Operator::Count;              // Binary
  const BuiltinFunction* function = nullptr;  // Function
  // The bracket surplus; when bracketMessage is set, the level sets the
  // bracket message before it evaluates anything else.
  int surplus = 0;
  bool bracketMessage = false;
  std::int32_t first = -1;   // left operand, argument, inner term, or leaf index
  std::int32_t second = -1;  // right operand
  LevelText text;
};

// A leaf's text, and what it reads as a number with the decimal separator
// that was in force when it was last read (reading happens again only when
// the separator changes).
struct TermLeaf {
  std::string text;
  char separator = 0;
  bool isNumber = false;
  Extended number = 0;
};

struct TermTree {
  // The root level's normalised text and the texts that are no piece of it.
  std::string root;
  std::vector<std::string> ownTexts;
  std::vector<TermLevel> levels;  // levels[0] is the whole term
  std::vector<TermLeaf> leaves;
  int depth = 0;                  // levels on the longest path, the root counting 1
  // Mixed numbers, functions that read parameters or the prime table, or
  // more levels than the evaluator allows: only the text evaluator itself
  // reproduces those.
  bool literalOnly = false;

  std::string textOf(const LevelText& text) const;
  std::string textOf(const TermLevel& level) const { return textOf(level.text); }
};

TermTree BuildTermTree(const std::string& term);

}  // namespace lumatik
