#include "expr/term_tree.h"

#include <algorithm>
#include <cstring>

#include "expr/limits.h"
#include "expr/term_normalise.h"
#include "shell/text_helpers.h"

namespace lumatik {

std::string TermTree::textOf(const LevelText& text) const {
  if (text.own >= 0) return ownTexts[static_cast<std::size_t>(text.own)];
  return std::string(text.zeros, '0') + root.substr(text.offset, text.length);
}

namespace {

constexpr std::int32_t kNoPiece = -2;

// The characters [from, from + length) of a level's text, as a piece of the
// root's text.
LevelText PieceOf(const LevelText& parent, std::size_t from, std::size_t length) {
  LevelText piece;
  if (parent.own != -1) {
    piece.own = kNoPiece;
    return piece;
  }
  const std::size_t zeros = from < parent.zeros ? std::min<std::size_t>(parent.zeros - from, length) : 0;
  piece.zeros = static_cast<std::uint32_t>(zeros);
  piece.offset = parent.offset + static_cast<std::uint32_t>(from > parent.zeros ? from - parent.zeros : 0);
  piece.length = static_cast<std::uint32_t>(length - zeros);
  return piece;
}

// Mirrors the text evaluator level by level; see EvalTermAt for the steps.
class TreeBuilder {
 public:
  explicit TreeBuilder(TermTree& tree) : tree_(tree) {}

  // The index of the level made from raw, whose text is the piece rawPiece
  // of its parent; -1 once the tree has turned out literal-only.
  std::int32_t build(const std::string& raw, const LevelText& rawPiece, int depth) {
    if (tree_.literalOnly) return -1;
    if (depth > kMaxTermDepth) {
      tree_.literalOnly = true;
      return -1;
    }
    tree_.depth = std::max(tree_.depth, depth);
    const auto index = static_cast<std::int32_t>(tree_.levels.size());
    tree_.levels.emplace_back();
    TermLevel level;

    // 1. to 6. Normalisation.
    std::string s = RemoveBlanks(RewriteWords(raw));
    if (s.size() > kMaxTermLength) {
      level.kind = TermLevel::Kind::TooLong;
      tree_.levels[index] = level;
      return index;
    }
    if (s.find('\'') != std::string::npos) {
      tree_.literalOnly = true;  // mixed numbers are evaluated on every call
      return -1;
    }
    s = InsertImplicitMultiplication(s);
    if (s.empty()) {
      tree_.levels[index] = level;
      return index;
    }
    if (s == "+" || s == "-") {
      tree_.literalOnly = true;  // the text evaluator reports the lone sign
      return -1;
    }
    if (s[0] == '-' || s[0] == '+') s = "0" + s;
    level.text = textFor(s, raw, rawPiece, depth);

    // 8. Operators with two operands.
    const SplitScan scan = ScanForSplits(s);
    level.surplus = scan.surplus;
    for (int op = 0; op < kOperatorCount; ++op) {
      const std::size_t p = scan.position[op];
      if (p == std::string::npos) continue;
      level.kind = TermLevel::Kind::Binary;
      level.op = static_cast<Operator>(op);
      level.bracketMessage = scan.surplus != 0 && op > 0;
      level.first = build(s.substr(0, p), PieceOf(level.text, 0, p), depth + 1);
      level.second = build(s.substr(p + 1), PieceOf(level.text, p + 1, s.size() - p - 1), depth + 1);
      tree_.levels[index] = level;
      return index;
    }
    level.bracketMessage = scan.surplus != 0;

    // 9. Function names.
    if (const BuiltinFunction* f = FindBuiltinFunction(s)) {
      if (f->argument != ArgumentMode::AtX) {
        // x from the parameter line, the prime table, parameters added on
        // the way: left to the text evaluator.
        tree_.literalOnly = true;
        return -1;
      }
      const std::size_t nameLength = std::strlen(f->name);
      level.kind = TermLevel::Kind::Function;
      level.function = f;
      level.first = build(s.substr(nameLength), PieceOf(level.text, nameLength, s.size() - nameLength),
                          depth + 1);
      tree_.levels[index] = level;
      return index;
    }

    // 10. Brackets.
    if (s[0] == '(') {
      std::size_t kept = s.size();
      while (kept >= 2 && s[kept - 1] != ')') --kept;
      const std::size_t innerLength = kept >= 2 ? kept - 2 : 0;
      level.kind = TermLevel::Kind::Bracket;
      level.first = build(s.substr(1, innerLength), PieceOf(level.text, 1, innerLength), depth + 1);
      tree_.levels[index] = level;
      return index;
    }

    // 11. and 12.
    if (s == "Pi")
      level.kind = TermLevel::Kind::Pi;
    else if (Trim(s) == "x")
      level.kind = TermLevel::Kind::X;
    else {
      level.kind = TermLevel::Kind::Leaf;
      level.first = static_cast<std::int32_t>(tree_.leaves.size());
      tree_.leaves.push_back({s});
    }
    tree_.levels[index] = level;
    return index;
  }

 private:
  // The level's text as a piece of the root's, checked against the text
  // itself; a copy of its own where normalising changed more than a sign.
  LevelText textFor(const std::string& s, const std::string& raw, const LevelText& rawPiece, int depth) {
    if (depth == 1) {
      tree_.root = s;
      LevelText whole;
      whole.length = static_cast<std::uint32_t>(s.size());
      return whole;
    }
    if (rawPiece.own == -1) {
      if (s == raw) return rawPiece;
      if (s.size() == raw.size() + 1 && s[0] == '0' && s.compare(1, std::string::npos, raw) == 0) {
        LevelText signed_ = rawPiece;
        ++signed_.zeros;
        return signed_;
      }
    }
    LevelText own;
    own.own = static_cast<std::int32_t>(tree_.ownTexts.size());
    tree_.ownTexts.push_back(s);
    return own;
  }

  TermTree& tree_;
};

}  // namespace

TermTree BuildTermTree(const std::string& term) {
  TermTree tree;
  TreeBuilder builder(tree);
  builder.build(term, LevelText{}, 1);
  if (tree.literalOnly) {
    tree.levels.clear();
    tree.ownTexts.clear();
    tree.leaves.clear();
  }
  return tree;
}

}  // namespace lumatik
