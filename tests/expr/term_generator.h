#pragma once

// Terms from a fixed seed, with the nasty cases of typed input built in:
// signs after operators, "E" exponents, brackets, mixed numbers, parameters,
// every function name, degrees, bytes that mean nothing, unmatched brackets.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "expr/evaluate.h"

namespace lumatik::testing {

class TermGenerator {
 public:
  explicit TermGenerator(std::uint64_t seed) : random_(seed) {}

  int pick(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }
  double uniform() { return std::uniform_real_distribution<double>(0, 1)(random_); }
  std::string oneOf(const std::vector<std::string>& list) { return list[static_cast<std::size_t>(pick(static_cast<int>(list.size())))]; }

  // Only what an exact reading decides: whole numbers, decimal commas and
  // "E" exponents, brackets, + - * / :, signs after any operator, and powers
  // with a signed digit as exponent.
  //   expr := term (("+" | "-") term)*     term := unary (("*" | "/" | ":") unary)*
  //   unary := signs power                 power := primary ("^" signs digit)*
  //   primary := number | "(" expr ")"
  std::string readable(int depth) {
    std::string s = readableTerm(depth);
    for (int n = pick(3); n > 0; --n) s += (pick(2) == 0 ? "+" : "-") + readableTerm(depth);
    return s;
  }

  // Anything a user may type: the above and every function, names that some
  // parameter lines know, odd numbers, junk bytes, and one to three random
  // mutations (dropped, doubled or inserted characters, cut-off ends).
  std::string anyTerm() {
    std::string s = expression(pick(5) / 2);
    for (int n = pick(3) == 0 ? 1 + pick(3) : 0; n > 0; --n) s = mutate(s);
    return s;
  }

 private:
  std::string signs() { return oneOf({"", "", "", "", "-", "+", "--", "+-"}); }

  std::string readableTerm(int depth) {
    std::string s = signs() + readablePower(depth);
    for (int n = pick(3); n > 0; --n) s += oneOf({"*", "*", "/", ":"}) + signs() + readablePower(depth);
    return s;
  }
  std::string readablePower(int depth) {
    std::string s;
    if (depth > 0 && pick(3) == 0) {
      s = "(" + readable(depth - 1) + ")";
    } else {
      s = std::to_string(pick(20));
      switch (pick(6)) {
        case 0: s += "," + std::to_string(pick(10)); break;
        case 1: s += "E" + std::string(pick(2) == 0 ? "-" : "") + std::to_string(pick(3)); break;
        default: break;
      }
    }
    for (int n = pick(4) == 0 ? 1 + pick(2) : 0; n > 0; --n) s += "^" + signs() + std::to_string(pick(4));
    return s;
  }

  static const std::vector<std::string>& FunctionNames(ArgumentMode mode) {
    static const auto names = [] {
      std::vector<std::vector<std::string>> byMode(2);
      for (const BuiltinFunction& f : BuiltinFunctions()) byMode[f.argument == ArgumentMode::AtX ? 0 : 1].push_back(f.name);
      byMode[0].push_back("sqrt");
      byMode[0].push_back("round");
      return byMode;
    }();
    return names[mode == ArgumentMode::AtX ? 0 : 1];
  }

  std::string number() {
    switch (pick(8)) {
      // Numbers that do not read, read as 0, overflow, or are mixed numbers.
      case 0: return oneOf({"1E4000", "1E-5000", "0.000000000000001", "123456789012345678901", "00", "1,2,3", ",5",
                            "5,", "1e5", "1'1/2", "-2'1/3", "3'", "'5", "1'1/0", "45\xB0", "999999999999999999999",
                            "2E", "1E-"});
      case 1: case 2: case 3: return std::to_string(pick(100));
      default: return oneOf({"0", "1", "2", "3", "7", "10", "16", "0,5", "2.5", "0,1", "1,5E-20", "2E5", "1E+3", "3E-2", "1E30"});
    }
  }

  std::string atom() {
    const int choice = pick(40);
    if (choice == 0)
      return oneOf({"#", "$", "\x80", "\xE4", "\x01", "\t", "?", "!", "=", ";", "[", "]", "|", "&", "%", "\"", "_",
                    "\xB0", "\xB7", ":", ""});
    // Names that only some parameter lines know, or none.
    if (choice < 4) return oneOf({"pi", "n", "p", "e", "x0", "x2", "E5", "X", "ab", "a1", "x'"});
    return choice < 20 ? number() : oneOf({"x", "x", "x", "x", "x", "x", "Pi", "a", "a", "b", "b", "c"});
  }

  std::string function(int depth) {
    // Functions that read x from the parameter line cost an integral or a
    // table: now and then.
    const std::string name = pick(25) == 0 ? oneOf(FunctionNames(ArgumentMode::XFromParameter))
                                           : oneOf(FunctionNames(ArgumentMode::AtX));
    switch (pick(8)) {
      case 0: return name + atom();
      case 1: return name + "(" + expression(depth);
      case 2: return name + "(" + expression(depth) + ")" + oneOf({"[0;8]", ")", "x", "2"});
      default: return name + "(" + expression(depth) + ")";
    }
  }

  std::string operand(int depth) {
    std::string s;
    switch (depth > 0 ? pick(7) : 0) {
      case 1: case 2: s = "(" + expression(depth - 1) + ")"; break;
      case 3: case 4: s = function(depth - 1); break;
      case 5: s = number() + "(" + expression(depth - 1) + ")"; break;  // implicit "*"
      default: s = atom(); break;
    }
    if (pick(8) == 0) s = number() + s;  // "2x", "3Pi"
    return s;
  }

  std::string op() {
    std::string s = oneOf({"+", "-", "*", "/", ":", "^", "\xB7", "+", "-", "*"}) + signs();
    if (pick(10) == 0) s = " " + s + " ";
    return s;
  }

  std::string expression(int depth) {
    std::string s = pick(6) == 0 ? "-" : "";
    s += operand(depth);
    for (int n = pick(depth > 0 ? 2 : 4); n > 0; --n) s += op() + operand(depth);
    return s;
  }

  std::string mutate(std::string s) {
    static const std::string kAlphabet = "()()+-*/:^'.,E e0123456789xPiasnc\xB0\xB7#";
    const auto at = [&](std::size_t extra) { return static_cast<std::size_t>(pick(static_cast<int>(s.size() + extra))); };
    const auto letter = [&] { return kAlphabet[static_cast<std::size_t>(pick(static_cast<int>(kAlphabet.size())))]; };
    switch (s.empty() ? 1 : pick(6)) {
      case 0: s.erase(at(0), 1); break;
      case 1: s.insert(at(1), 1, letter()); break;
      case 2: s[at(0)] = letter(); break;
      case 3: {
        const std::size_t from = at(0);
        s.insert(at(1), s.substr(from, 1 + pick(6)));
        break;
      }
      case 4: s.resize(at(0)); break;
      default: s.insert(at(1), pick(2) == 0 ? "(" : ")"); break;
    }
    return s;
  }

  std::mt19937_64 random_;
};

}  // namespace lumatik::testing
