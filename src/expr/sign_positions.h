#pragma once

// Where a "+" or "-" in a term is a sign and not an operator. Both splitters
// (the evaluator's and the parameter evaluator's) skip these positions, so a
// sign stays with the operand that follows it.

#include <cstddef>
#include <string>

namespace lumatik {

// An "E" that marks the exponent of a number literal, as the program's own
// number formats write it: "1,5E-20", "2E5", "-5,01655761266833E-20".
// The rule, all of it on the text itself:
// - the "E" is upper case and directly follows a digit;
// - that digit belongs to a literal: the run of digits and decimal
//   separators before the "E" does not follow an ASCII letter ("x2E5" stays
//   the parameter x2 times E5);
// - the "E" is followed by an optional "+" or "-" and at least one digit.
// A lower-case "e" is never an exponent: 2e, 3e-1 keep meaning 2*e, 3*e-1
// with a parameter e, as pupils write Euler's number.
bool IsExponentMark(const std::string& s, std::size_t i);

// The "+" or "-" right after an exponent mark ("1E-5").
bool IsExponentSign(const std::string& s, std::size_t i);

// A "+" or "-" directly after another operator ("3*-2", "x^-2", "4--1") is
// the sign of what follows, read like a leading minus: 2*-3^2 = 2*(0-3^2).
bool IsSignAfterOperator(const std::string& s, std::size_t i);

// Either of the two: a position at which no term is split.
bool IsSignPosition(const std::string& s, std::size_t i);

}  // namespace lumatik
