#pragma once

// The exact integral of a polynomial with rational coefficients: the term
// read as a polynomial (numbers, x, + - * and ^ with whole exponents,
// division by numbers), integrated through its antiderivative in GMP
// rationals.

#include <gmpxx.h>

#include <optional>
#include <string>
#include <vector>

namespace lumatik {

// Coefficients by power of x; nothing when the term is no such polynomial
// (a function, a parameter, Pi, x in a divisor or an exponent).
std::optional<std::vector<mpq_class>> ExactPolynomial(const std::string& term);

// The integral of the polynomial `term` from x1 to x2, both given as
// rational terms; nothing where one of them is not exact.
std::optional<mpq_class> ExactPolynomialIntegral(const std::string& term, const std::string& x1,
                                                 const std::string& x2);

}  // namespace lumatik
