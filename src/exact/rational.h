#pragma once

// Exact fractions of any size (GMP's mpq_class). The worksheet commands
// decide with them what floating point can only guess - is this pivot,
// discriminant or distance zero, are these lines parallel? - whenever the
// numbers a pupil types are fractions: a number read exactly as it was
// typed, an extended value recognised as the fraction it stands for, exact
// roots, the correctly rounded extended value, and the texts.

#include <gmpxx.h>

#include <optional>
#include <string>

#include "shell/extended.h"

namespace lumatik {

// A plain number as users type it and the program writes it: "-3", "0,25",
// "1.5", "7/3", "1,5/2", "-1'1/2" (mixed), "2E5", "-1,5E-20"; either decimal
// separator, blanks ignored ("1 234"). A term with operators, brackets or
// names is no literal; neither is a zero denominator.
std::optional<mpq_class> ReadRationalLiteral(const std::string& text);

// Which fraction an extended value stands for. Each command family keeps
// its own rule; all of them refuse values such as sqrt(2) or Pi.
//
// Linear systems: the fraction with a denominator up to 10^6 from which the
// value differs by no more than its last few bits, as a term such as
// "2*3/7" computes it, provided no other fraction of such a denominator
// comes as close; nothing for 10^6 * sqrt(5).
std::optional<mpq_class> RecogniseFraction(Extended x);

// Equations: an integer, or the fraction that the fraction search finds
// within a few units in the last place with a denominator small against
// that tolerance, or a decimal with up to eight places ("2/3", "0,1",
// "-7/12", "2,00000001").
std::optional<mpq_class> RecogniseTypedFraction(Extended x);

// Geometry: a fraction the fraction display would print (numerator times
// denominator at most 1e14) whose quotient is the value itself to the last
// bit; nothing for 1E20.
std::optional<mpq_class> RecogniseDisplayedFraction(Extended x);

// The extended value nearest to q, ties to even.
Extended ToExtended(const mpq_class& q);

// The square root when numerator and denominator are squares (none for a
// negative value), the real cube root when both are cubes.
std::optional<mpq_class> ExactSquareRoot(const mpq_class& q);
std::optional<mpq_class> ExactCubeRoot(const mpq_class& q);

// "-46/11", "5", "0": numerator and denominator with all their digits.
std::string RationalText(const mpq_class& q);

// "26'2/3", "-1'731/1155"; a proper fraction or an integer as RationalText.
std::string MixedRationalText(const mpq_class& q);

// A fraction known exactly is written while numerator and denominator
// together have at most this many digits.
inline constexpr std::size_t kMaxFractionDigits = 36;
bool FitsFractionDisplay(const mpq_class& q);

// An integer as the 18-digit decimals write it (FloatText18); beyond 10^18,
// where they would round, every digit, grouped by three:
// "-1 234 567 890 123 456 789".
std::string IntegerDecimalText(const mpz_class& z);

}  // namespace lumatik
