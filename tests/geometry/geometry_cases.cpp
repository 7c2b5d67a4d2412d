#include "geometry_cases.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <regex>

#include "exact/rational.h"
#include "expr/evaluate.h"
#include "geometry/geometry_commands.h"
#include "shell/codepage.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik::testing {

// Digit groups lose their blanks: "62,424 952 289" reads as one number.
static const std::regex kGroupBlank("([0-9]) (?=[0-9])");

mpq_class CaseMaker::Coord() {
  // Zeros come often: they are where exact tests on floats break.
  if (Int(0, 5) == 0) return 0;
  if (style_ == Style::Integer) return Int(-12, 12);
  if (style_ == Style::Decimal) {
    // One to three places, as in 8,89, 0,865 or 0,005.
    const int places = Int(1, 3);
    const int scale = places == 1 ? 10 : places == 2 ? 100 : 1000;
    return Q(Int(-10 * scale + 1, 10 * scale - 1), scale);
  }
  return Q(Int(-40, 40), Int(1, 7));
}

Q3 CaseMaker::Point() { return {Coord(), Coord(), Coord()}; }

Q3 CaseMaker::NonZero() {
  for (;;) {
    const Q3 v = Point();
    if (Dot(v, v) != 0) return v;
  }
}

Q3 CaseMaker::Orthogonal(const Q3& n) {
  for (;;) {
    const Q3 v = Cross(n, NonZero());
    if (Dot(v, v) != 0) return v;
  }
}

namespace {

// "-2,5" for a fraction with at most six decimal places, else "-5/3".
std::string PlainText(const mpq_class& x, bool decimal) {
  int places = 0;
  mpz_class scale = 1;
  while (scale % x.get_den() != 0 && places < 6) {
    scale *= 10;
    ++places;
  }
  if (!decimal || places == 0 || scale % x.get_den() != 0) return x.get_str();
  std::string digits = mpq_class(x * scale).get_str();
  const bool negative = digits[0] == '-';
  if (negative) digits.erase(0, 1);
  while (static_cast<int>(digits.size()) <= places) digits.insert(0, "0");
  digits.insert(digits.size() - places, ",");
  return (negative ? "-" : "") + digits;
}

}  // namespace

std::string CaseMaker::Text(const mpq_class& x, bool scaled) const {
  if (style_ != Style::Irrational || !scaled) return PlainText(x, style_ == Style::Decimal);
  if (x == 0) return "0";
  // A leading minus binds below the power: -2^0,5*3 is -(sqrt(2)*3).
  return (x < 0 ? "-" : "") + std::string("2^0,5*") + PlainText(abs(x), false);
}

std::string CaseMaker::Text(const Q3& p, const char* sep) const {
  return "(" + Text(p.x1) + sep + Text(p.x2) + sep + Text(p.x3) + ")";
}

LD CaseMaker::Value(const mpq_class& x, bool scaled) const {
  return exact() || !scaled ? ToLD(x) : std::sqrt(2.0L) * ToLD(x);
}

L3 CaseMaker::Value(const Q3& p) const { return {Value(p.x1), Value(p.x2), Value(p.x3)}; }

void ForEachCase(unsigned seed, const std::function<void(CaseMaker& make, int n)>& check) {
  for (Style style : {Style::Integer, Style::Fraction, Style::Decimal, Style::Irrational}) {
    CaseMaker make(style, seed);
    for (int n = 0; n < 80; ++n) check(make, n);
  }
}

Worksheet RunGeometry(const char* caption, std::vector<std::string> lines) {
  BindGeometryCommands();
  const WorksheetCommandLookup found = FindWorksheetCommand(3, Cp1252(caption));
  EXPECT_TRUE(found.found && found.run) << caption;
  return RunWorksheetCommand(found.run, std::move(lines), 3);
}

LD NumberValue(std::string text) {
  static const std::regex exponent("([0-9])E([-+]?[0-9]+)");  // 1,5E-20 becomes 1,5*10^(-20)
  return EvalTerm(std::regex_replace(std::regex_replace(text, kGroupBlank, "$1"), exponent, "$1*10^($2)"));
}

std::string LineStarting(const Worksheet& sheet, const std::string& prefix) {
  for (const std::string& line : sheet.lines())
    if (line.rfind(prefix, 0) == 0) return line;
  ADD_FAILURE() << "no line begins with " << prefix;
  return prefix;
}

std::string LineContaining(const Worksheet& sheet, const std::string& text) {
  for (const std::string& line : sheet.lines())
    if (line.find(text) != std::string::npos) return line;
  ADD_FAILURE() << "no line holds " << text;
  return text;
}

bool HasLine(const Worksheet& sheet, const std::string& text) {
  return std::find(sheet.lines().begin(), sheet.lines().end(), text) != sheet.lines().end();
}

namespace {

// The three coordinate texts of label(x1|x2|x3) in the line.
std::array<std::string, 3> CoordinatesAfter(const std::string& line, const std::string& label) {
  const auto at = line.find(label + "(");
  if (at == std::string::npos) {
    ADD_FAILURE() << "no " << label << "( in " << line;
    return {"0", "0", "0"};
  }
  const auto open = at + label.size() + 1;
  const std::string inner = line.substr(open, line.find(')', open) - open);
  const auto bar1 = inner.find('|');
  const auto bar2 = inner.find('|', bar1 + 1);
  return {inner.substr(0, bar1), inner.substr(bar1 + 1, bar2 - bar1 - 1), inner.substr(bar2 + 1)};
}

}  // namespace

L3 PointAfter(const std::string& line, const std::string& label) {
  const auto x = CoordinatesAfter(line, label);
  return {NumberValue(x[0]), NumberValue(x[1]), NumberValue(x[2])};
}

LD NumberAfter(const std::string& line, const std::string& label, const char* ends) {
  const auto at = line.find(label);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no " << label << " in " << line;
    return 0;
  }
  const std::string rest = line.substr(at + label.size());
  return NumberValue(rest.substr(0, rest.find_first_of(ends)));
}

namespace {

// The left side of "a*x1+b*x2+c*x3=d" at x.
LD LeftSideAt(const std::string& equation, const L3& x) {
  std::string term = equation.substr(0, equation.find('='));
  const LD values[3] = {x.x1, x.x2, x.x3};
  for (int k = 0; k < 3; ++k) {
    const auto at = term.find("x" + std::to_string(k + 1));
    if (at == std::string::npos) {
      ADD_FAILURE() << "no x" << k + 1 << " in " << equation;
      return 0;
    }
    char value[64];
    std::snprintf(value, sizeof value, "(%.21Lf)", values[k]);
    term.replace(at, 2, value);
  }
  return NumberValue(term);
}

}  // namespace

LD EquationResidual(const std::string& equation, const L3& x) {
  const LD a = LeftSideAt(equation, {1, 0, 0});
  const LD b = LeftSideAt(equation, {0, 1, 0});
  const LD c = LeftSideAt(equation, {0, 0, 1});
  const LD d = NumberValue(equation.substr(equation.find('=') + 1));
  const LD size = std::fabs(a * x.x1) + std::fabs(b * x.x2) + std::fabs(c * x.x3) + std::fabs(d);
  return (a * x.x1 + b * x.x2 + c * x.x3 - d) / (size > 0 ? size : 1);
}

std::optional<mpq_class> PrintedSquare(const std::string& text) {
  if (text.find_first_of(",E") != std::string::npos) return std::nullopt;
  const std::size_t root = text.find("sqrt(");
  if (root == std::string::npos) {
    const std::optional<mpq_class> q = ReadRationalLiteral(text);
    if (!q) return std::nullopt;
    return mpq_class(*q * *q);
  }
  std::string factorText = text.substr(0, root);
  if (!factorText.empty() && factorText[0] == '-') factorText.erase(0, 1);
  if (!factorText.empty() && factorText.back() == '*') factorText.pop_back();
  const std::optional<mpq_class> factor = factorText.empty() ? mpq_class(1) : ReadRationalLiteral(factorText);
  const std::size_t close = text.find(')', root);
  if (!factor || close != text.size() - 1) {
    ADD_FAILURE() << "no root form: " << text;
    return std::nullopt;
  }
  const mpq_class radicand(text.substr(root + 5, close - root - 5));
  return mpq_class(*factor * *factor * radicand);
}

std::optional<Q3> ExactPointAfter(const std::string& line, const std::string& label) {
  const auto x = CoordinatesAfter(line, label);
  if ((x[0] + x[1] + x[2]).find(',') != std::string::npos) return std::nullopt;
  const auto x1 = ReadRationalLiteral(x[0]), x2 = ReadRationalLiteral(x[1]), x3 = ReadRationalLiteral(x[2]);
  if (!x1 || !x2 || !x3) return std::nullopt;
  return Q3{*x1, *x2, *x3};
}

void ExpectRootOf(const std::string& text, const mpq_class& square, int sign, const std::string& what) {
  const LD value = NumberValue(text);
  EXPECT_EQ(value < 0 ? -1 : value > 0 ? 1 : 0, sign) << what;
  const std::optional<mpq_class> printed = PrintedSquare(text);
  if (printed) {
    EXPECT_EQ(*printed, square) << what;
  } else {
    const LD root = std::sqrt(ToLD(square));
    ExpectNear(std::fabs(value), root, root, true, what);
  }
}

void ExpectClean(const Worksheet& sheet, bool exact) {
  for (const std::string& line : sheet.lines()) {
    // Results of irrational input are recognised from their floating value.
    if (exact) { EXPECT_EQ(line.find("Pi"), std::string::npos) << line; }
    std::string lower;
    for (char c : line) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(lower.find("inf"), std::string::npos) << line;
    EXPECT_EQ(lower.find("nan"), std::string::npos) << line;
    if (!exact) continue;
    // Rounding noise: 1E-19, 2,99999999999999999, 3,00000000000000001.
    static const std::regex noise("[0-9]E-|,[0-9]*(999999|000000)");
    EXPECT_FALSE(std::regex_search(std::regex_replace(line, kGroupBlank, "$1"), noise)) << line;
  }
}

void ExpectNear(LD a, LD b, LD size, bool exact, const std::string& what) {
  const LD tolerance = (exact ? 1e-10L : 1e-9L) * (1 + std::fabs(size));
  EXPECT_LE(std::fabs(a - b), tolerance) << what << ": " << static_cast<double>(a) << " vs " << static_cast<double>(b);
}

void ExpectNear(const L3& a, const L3& b, LD size, bool exact, const std::string& what) {
  for (const auto& [u, v] : {std::pair{a.x1, b.x1}, std::pair{a.x2, b.x2}, std::pair{a.x3, b.x3}})
    ExpectNear(u, v, size, exact, what);
}

}  // namespace lumatik::testing
