#pragma once

// Fractions of any size for the linear systems (GMP's mpq_class): a number
// read exactly as it was typed, an extended value recognised as the small
// fraction it stands for, and the texts of fractions and integers.

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

// The fraction with a denominator up to 10^6 from which an extended value
// differs by no more than its last few bits, as a term such as "2*3/7"
// computes it, provided no other fraction of such a denominator comes as
// close; nothing for values such as sqrt(2), Pi or 10^6 * sqrt(5).
std::optional<mpq_class> RecogniseFraction(Extended x);

// The extended value nearest to q, ties to even.
Extended ToExtended(const mpq_class& q);

// "-46/11", "5", "0": numerator and denominator with all their digits.
std::string RationalText(const mpq_class& q);

// An integer as the 18-digit decimals write it (FloatText18); beyond 10^18,
// where they would round, every digit, grouped by three:
// "-1 234 567 890 123 456 789".
std::string IntegerDecimalText(const mpz_class& z);

}  // namespace lumatik
