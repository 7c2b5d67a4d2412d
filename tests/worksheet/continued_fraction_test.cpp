// The continued fraction commands, checked against the expansions that
// Euclid's algorithm gives for fractions, by recomputing every printed
// convergent from the printed list, and by doing the arithmetic of the
// printed coprimality proof.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/continued_fraction.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {
namespace {

using testing::EngineTest;

struct Fraction {
  std::int64_t num = 0;
  std::int64_t den = 1;
  bool operator==(const Fraction&) const = default;
};

std::string WithoutBlanks(const std::string& s) {
  std::string out;
  for (char c : s)
    if (c != ' ') out += c;
  return out;
}

std::vector<std::string> Split(const std::string& s, char separator) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : s) {
    if (c == separator) {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  parts.push_back(current);
  return parts;
}

// Euclid on the integers: the continued fraction of num/den.
std::vector<std::int64_t> EuclidList(std::int64_t num, std::int64_t den) {
  std::vector<std::int64_t> list;
  while (den != 0) {
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) {
      --q;
      r += den;
    }
    list.push_back(q);
    num = den;
    den = r;
  }
  return list;
}

// [a0; a1, ..., ak] evaluated from the innermost entry outwards.
Fraction ValueOfList(const std::vector<std::int64_t>& list, std::size_t count) {
  Fraction f{list[count - 1], 1};
  for (std::size_t j = count - 1; j-- > 0;) f = Fraction{list[j] * f.num + f.den, f.num};
  const std::int64_t g = std::gcd(f.num, f.den);
  Fraction reduced{f.num / g, f.den / g};
  if (reduced.den < 0) reduced = Fraction{-reduced.num, -reduced.den};
  return reduced;
}

struct Expansion {
  std::vector<Fraction> convergents;  // the rows, in order
  std::vector<std::int64_t> list;     // the entries after "q=["
  bool closed = false;                // "]" rather than ",...]"
  std::string proof;                  // the line after "Beweis:", or empty
  std::string statement;              // the line before it
};

Expansion Read(const std::vector<std::string>& lines) {
  Expansion e;
  const std::string label = Cp1252(" Näherung=");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const auto at = line.find(label);
    if (at != std::string::npos) {
      const auto end = line.find(" Fehler:", at);
      const std::vector<std::string> parts = Split(WithoutBlanks(line.substr(at + label.size(), end - at - label.size())), '/');
      EXPECT_EQ(parts.size(), 2u) << line;
      if (parts.size() == 2) e.convergents.push_back({std::stoll(parts[0]), std::stoll(parts[1])});
    } else if (line.rfind("q=[", 0) == 0) {
      std::string body = line.substr(3);
      e.closed = body.size() < 5 || body.substr(body.size() - 5) != ",...]";
      body = body.substr(0, body.size() - (e.closed ? 1 : 5));
      for (const std::string& entry : Split(body, ',')) e.list.push_back(std::stoll(WithoutBlanks(entry)));
    } else if (line.rfind("Beweis:", 0) == 0) {
      e.proof = line.substr(7);
      e.statement = i > 0 ? lines[i - 1] : std::string();
    }
  }
  return e;
}

class ContinuedFractionTest : public EngineTest {
 protected:
  Worksheet Compute(const std::string& firstLine) {
    return RunWorksheetCommand(ComputeContinuedFraction, {firstLine}, 5);
  }
};

// Every printed convergent is the value of the printed list cut after its
// row, and the list has one entry per row.
void ExpectConvergentsMatchList(const Expansion& e) {
  ASSERT_EQ(e.list.size(), e.convergents.size());
  for (std::size_t k = 1; k <= e.list.size(); ++k) EXPECT_EQ(ValueOfList(e.list, k), e.convergents[k - 1]) << k;
}

struct RationalCase {
  const char* term;
  std::int64_t num, den;
};

class RationalExpansion : public ContinuedFractionTest, public ::testing::WithParamInterface<RationalCase> {};

TEST_P(RationalExpansion, ListIsEuclidsAndTheProofHolds) {
  const RationalCase c = GetParam();
  const Worksheet sheet = Compute(std::string("Kettenbruch ") + Cp1252("für") + " q = " + c.term);
  EXPECT_TRUE(sheet.notices().empty());
  EXPECT_EQ(sheet.line(1), Cp1252("Kettenbruch für q = ") + c.term);
  const Expansion e = Read(sheet.lines());
  EXPECT_TRUE(e.closed);
  EXPECT_EQ(e.list, EuclidList(c.num, c.den));
  ExpectConvergentsMatchList(e);
  ASSERT_FALSE(e.convergents.empty());
  EXPECT_EQ(e.convergents.back(), (Fraction{c.num, c.den}));
  EXPECT_EQ(sheet.line(sheet.lineCount() - (e.proof.empty() ? 1 : 3)), std::string(59, '-'));
  if (e.convergents.size() < 2) {
    EXPECT_TRUE(e.proof.empty());
    return;
  }
  // The proof: num*Q - den*P = +-1 with P/Q the convergent before the last.
  ASSERT_FALSE(e.proof.empty());
  EXPECT_EQ(e.statement, std::to_string(c.num) + "*Z+" + std::to_string(c.den) + "*Z=Z.");
  const Fraction before = e.convergents[e.convergents.size() - 2];
  const bool negative = e.proof[0] == '-';
  const std::string body = negative ? e.proof.substr(1) : e.proof;
  const auto equals = body.find('=');
  const auto sign = body.find(negative ? '+' : '-');
  const std::vector<std::string> left = Split(body.substr(0, sign), '*');
  std::vector<std::string> right = Split(body.substr(sign + 1, equals - sign - 1), '*');
  const std::string tail = body.substr(equals + 1);
  ASSERT_EQ(left.size(), 2u);
  ASSERT_EQ(right.size(), 2u);
  EXPECT_EQ(tail, Cp1252("1 (Falls gekürzt:multipliziere mit ggT)"));
  const std::int64_t a = std::stoll(left[0]), b = std::stoll(left[1]);
  const std::int64_t d = std::stoll(right[0]), p = std::stoll(right[1]);
  EXPECT_EQ(a, c.num);
  EXPECT_EQ(d, c.den);
  EXPECT_EQ((Fraction{p, b}), before);
  EXPECT_EQ(negative ? -a * b + d * p : a * b - d * p, 1);
}

INSTANTIATE_TEST_SUITE_P(Fractions, RationalExpansion,
                         ::testing::Values(RationalCase{"2.5", 5, 2}, RationalCase{"3", 3, 1},
                                           RationalCase{"355/113", 355, 113}, RationalCase{"0,75", 3, 4},
                                           RationalCase{"17/12", 17, 12}, RationalCase{"1/3", 1, 3},
                                           RationalCase{"1071/462", 51, 22}, RationalCase{"89/55", 89, 55},
                                           RationalCase{"100", 100, 1}, RationalCase{"1/1000", 1, 1000}));

// Irrational and extreme values: every expansion ends, its rows agree with
// its list, and the last convergent is close to q.
struct IrrationalCase {
  const char* term;
  long double value;
};

class EndingExpansion : public ContinuedFractionTest, public ::testing::WithParamInterface<IrrationalCase> {};

TEST_P(EndingExpansion, EndsNearQ) {
  const IrrationalCase c = GetParam();
  const Worksheet sheet = Compute(std::string("q = ") + c.term);
  const Expansion e = Read(sheet.lines());
  ASSERT_FALSE(e.convergents.empty());
  ExpectConvergentsMatchList(e);
  const Fraction last = e.convergents.back();
  EXPECT_LT(std::fabs(c.value - static_cast<long double>(last.num) / last.den), 1e-11L * std::max(1.0L, c.value));
  EXPECT_EQ(sheet.line(sheet.lineCount() - (e.proof.empty() ? 0 : 2)).rfind("q=[", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Values, EndingExpansion,
                         ::testing::Values(IrrationalCase{"sqrt(2)", 1.41421356237309504880L},
                                           IrrationalCase{"exp(1)", 2.71828182845904523536L},
                                           IrrationalCase{"(1+sqrt(5))/2", 1.61803398874989484820L},
                                           IrrationalCase{"Pi*1000000", 3141592.65358979323846L},
                                           IrrationalCase{"1/7777777", 1.0L / 7777777.0L},
                                           IrrationalCase{"0,0000000001", 1e-10L},
                                           IrrationalCase{"123456789,123456789", 123456789.123456789L}));

TEST_F(ContinuedFractionTest, HugeAndTinyValuesEndAtOnce) {
  const long double values[] = {1e4000L, 1e30L, std::numeric_limits<long double>::max(), 1e-30L, 1e-4000L,
                                std::numeric_limits<long double>::denorm_min(), 4611686018427387904.5L};
  for (const long double q : values) {
    std::vector<std::string> messages;
    Worksheet sheet;
    sheet.append(ContinuedFractionText(q, &messages));
    int rows = 0;
    for (const std::string& line : sheet.lines()) rows += line.find(Cp1252("Näherung=")) != std::string::npos;
    EXPECT_GE(rows, 1) << static_cast<double>(q);
    EXPECT_LE(rows, 2) << static_cast<double>(q);
    EXPECT_EQ(sheet.line(sheet.lineCount()).rfind("q=[", 0), 0u) << static_cast<double>(q);
  }
}

TEST_F(ContinuedFractionTest, NoFractionWithinTheBoundSaysFehlerAndExpandsAnyway) {
  const Worksheet sheet = Compute("q = 10^(-20)");
  ASSERT_EQ(sheet.notices().size(), 1u);
  EXPECT_EQ(sheet.notices()[0].kind, WorksheetNotice::Kind::Message);
  EXPECT_EQ(sheet.notices()[0].text, "Fehler");
  const Expansion e = Read(sheet.lines());
  EXPECT_EQ(e.list, std::vector<std::int64_t>{0});
  EXPECT_TRUE(e.closed);
  EXPECT_TRUE(e.proof.empty());
}

TEST_F(ContinuedFractionTest, NonFiniteValueIsAnErrorNotALoop) {
  std::vector<std::string> messages;
  EXPECT_EQ(ContinuedFractionText(std::numeric_limits<long double>::infinity(), &messages), "");
  EXPECT_EQ(messages, std::vector<std::string>{"Fehler!"});
  messages.clear();
  EXPECT_EQ(ContinuedFractionText(std::numeric_limits<long double>::quiet_NaN(), &messages), "");
  EXPECT_EQ(messages, std::vector<std::string>{"Fehler!"});
}

TEST_F(ContinuedFractionTest, WithoutQLineOrWithBadQTheWorksheetStays) {
  struct Case {
    std::vector<std::string> lines;
    std::string message;
  };
  const Case cases[] = {
      {{"Kettenbruch", "q = 2"},
       Cp1252("Zuerst \"alles Löschen\" anklicken und dann \"Erläuterung Kettenbruch\"\r(In der ersten Zeile muss "
              "\"q = ...\" stehen.)")},
      {{}, Cp1252("Zuerst \"alles Löschen\" anklicken und dann \"Erläuterung Kettenbruch\"\r(In der ersten Zeile "
                  "muss \"q = ...\" stehen.)")},
      {{"q = -2"}, Cp1252("Wert für q ungültig q= -2")},
      {{"q = 0 Rest"}, Cp1252("Wert für q ungültig q= 0")},
  };
  for (const Case& c : cases) {
    const Worksheet sheet = RunWorksheetCommand(ComputeContinuedFraction, c.lines, 5);
    EXPECT_EQ(sheet.lines(), c.lines);
    ASSERT_EQ(sheet.notices().size(), 1u);
    EXPECT_EQ(sheet.notices()[0].kind, WorksheetNotice::Kind::Message);
    EXPECT_EQ(sheet.notices()[0].text, c.message);
  }
}

// The typed list, evaluated here with exact fractions from the inside out.
struct TypedCase {
  const char* text;
  std::vector<std::int64_t> entries;  // without trailing zeros
};

class TypedList : public EngineTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedList, ValueIsTheFractionOfItsEntries) {
  const TypedCase c = GetParam();
  const TypedContinuedFraction typed = EvaluateContinuedFractionList(c.text);
  ASSERT_TRUE(typed.ok) << typed.error;
  const Fraction exact = ValueOfList(c.entries, c.entries.size());
  EXPECT_NEAR(static_cast<double>(typed.value), static_cast<double>(exact.num) / exact.den, 1e-15);
  std::string blanked = c.text;
  for (char& ch : blanked)
    if (ch == ',' || ch == '[' || ch == ']') ch = ' ';
  EXPECT_EQ(typed.listText, blanked);
}

INSTANTIATE_TEST_SUITE_P(Lists, TypedList,
                         ::testing::Values(TypedCase{"[3,7,15,1]", {3, 7, 15, 1}}, TypedCase{"[2 2]", {2, 2}},
                                           TypedCase{"[2,2,0,0]", {2, 2}}, TypedCase{"[0 1 2 3]", {0, 1, 2, 3}},
                                           TypedCase{"[1,0,2]", {1, 0, 2}}, TypedCase{"[5]", {5}},
                                           TypedCase{"[ -2 , 3 ]", {-2, 3}}));

TEST(TypedListEdges, UnreadableOrDividingListsAreRefused) {
  for (const char* text : {"[1 2 99999999999999999999]", "[1,1E30]", "[2,1,-1]", "[1 -1 1 -1 1 -1]"}) {
    const TypedContinuedFraction typed = EvaluateContinuedFractionList(text);
    EXPECT_FALSE(typed.ok) << text;
    EXPECT_FALSE(typed.error.empty()) << text;
  }
  // Huge but readable entries divide by nothing small.
  const TypedContinuedFraction big = EvaluateContinuedFractionList("[1 9000000000000000000 9000000000000000000]");
  ASSERT_TRUE(big.ok);
  EXPECT_TRUE(std::isfinite(big.value));
  EXPECT_NEAR(static_cast<double>(big.value), 1.0, 1e-15);
}

}  // namespace
}  // namespace lumatik
