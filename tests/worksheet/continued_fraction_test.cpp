// The continued fractions against Euclid's algorithm, every printed
// convergent recomputed from the printed list, and the printed proof redone.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>

#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/continued_fraction.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {
namespace {

using List = std::vector<long>;

// Euclid on the integers: the continued fraction of num/den.
List EuclidList(long num, long den) {
  List list;
  for (; den != 0; std::tie(num, den) = std::pair(den, num - den * list.back())) {
    list.push_back(num / den - (num % den < 0 ? 1 : 0));
  }
  return list;
}

// [a0; a1, ..., ak] evaluated from the innermost entry outwards.
mpq_class ValueOfList(const List& list, std::size_t count) {
  mpq_class f = list[count - 1];
  for (std::size_t j = count - 1; j-- > 0;) f = list[j] + 1 / f;
  return f;
}

struct Expansion {
  std::vector<mpq_class> convergents;  // the rows, in order
  List list;                           // the entries after "q=["
  bool closed = false;                 // "]" rather than ",...]"
  std::string proof;                   // the line after "Beweis:", or empty
  std::string statement;               // the line before it
};

Expansion Read(const std::vector<std::string>& lines) {
  Expansion e;
  const std::string label = Cp1252(" Näherung=");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (const auto at = line.find(label); at != std::string::npos) {
      std::string fraction = line.substr(at + label.size(), line.find(" Fehler:", at) - at - label.size());
      std::erase(fraction, ' ');
      e.convergents.emplace_back(fraction);
    } else if (line.rfind("q=[", 0) == 0) {
      e.closed = line.size() < 8 || line.substr(line.size() - 5) != ",...]";
      std::istringstream entries(line.substr(3, line.size() - (e.closed ? 4 : 8)));
      for (std::string entry; std::getline(entries, entry, ',');) {
        std::erase(entry, ' ');
        e.list.push_back(std::stol(entry));
      }
    } else if (line.rfind("Beweis:", 0) == 0) {
      e.proof = line.substr(7);
      e.statement = i > 0 ? lines[i - 1] : std::string();
    }
  }
  // Every printed convergent is the value of the printed list cut after its
  // row, and the list has one entry per row.
  EXPECT_EQ(e.list.size(), e.convergents.size());
  for (std::size_t k = 1; k <= std::min(e.list.size(), e.convergents.size()); ++k) {
    EXPECT_EQ(ValueOfList(e.list, k), e.convergents[k - 1]) << k;
  }
  return e;
}

class ContinuedFractionTest : public testing::EngineTest {
 protected:
  static Worksheet Compute(const std::string& firstLine) {
    return RunWorksheetCommand(ComputeContinuedFraction, {firstLine}, 5);
  }
};

TEST_F(ContinuedFractionTest, FractionsGiveEuclidsListAndTheProofHolds) {
  const struct {
    const char* term;
    long num, den;
  } cases[] = {{"3", 3, 1},         {"355/113", 355, 113}, {"0,75", 3, 4},
               {"1071/462", 51, 22}, {"89/55", 89, 55},     {"1/1000", 1, 1000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term);
    const Worksheet sheet = Compute(Cp1252("Kettenbruch für q = ") + c.term);
    EXPECT_TRUE(sheet.notices().empty());
    EXPECT_EQ(sheet.line(1), Cp1252("Kettenbruch für q = ") + c.term);
    const Expansion e = Read(sheet.lines());
    EXPECT_TRUE(e.closed);
    EXPECT_EQ(e.list, EuclidList(c.num, c.den));  // the rows then end at num/den
    EXPECT_EQ(sheet.line(sheet.lineCount() - (e.proof.empty() ? 1 : 3)), std::string(59, '-'));
    if (e.convergents.size() < 2) {
      EXPECT_TRUE(e.proof.empty());
      continue;
    }
    // The proof "a*b-d*p=1 (...)" (or "-a*b+d*p=1"): num*Q - den*P = +-1
    // with P/Q the convergent before the last.
    EXPECT_EQ(e.statement, std::to_string(c.num) + "*Z+" + std::to_string(c.den) + "*Z=Z.");
    const bool negative = e.proof[0] == '-';
    long a = 0, b = 0, d = 0, p = 0;
    char sign = 0;
    int end = 0;
    ASSERT_EQ(std::sscanf(e.proof.c_str() + negative, "%ld*%ld%c%ld*%ld=%n", &a, &b, &sign, &d, &p, &end), 5);
    EXPECT_EQ(sign, negative ? '+' : '-');
    EXPECT_EQ(e.proof.substr(negative + end), Cp1252("1 (Falls gekürzt:multipliziere mit ggT)"));
    EXPECT_EQ(a, c.num);
    EXPECT_EQ(d, c.den);
    EXPECT_EQ(mpq_class(p, b), e.convergents[e.convergents.size() - 2]);
    EXPECT_EQ(negative ? -a * b + d * p : a * b - d * p, 1);
  }
}

// Irrational and extreme values: the last convergent is close to q.
TEST_F(ContinuedFractionTest, ExpansionsOfIrrationalValuesEndNearQ) {
  const std::pair<const char*, long double> cases[] = {
      {"sqrt(2)", std::sqrt(2.0L)}, {"1/7777777", 1.0L / 7777777.0L}, {"123456789,123456789", 123456789.123456789L}};
  for (const auto& [term, value] : cases) {
    SCOPED_TRACE(term);
    const Worksheet sheet = Compute(std::string("q = ") + term);
    const Expansion e = Read(sheet.lines());
    ASSERT_FALSE(e.convergents.empty());
    const long double last = e.convergents.back().get_num().get_d() / e.convergents.back().get_den().get_d();
    EXPECT_LT(std::fabs(value - last), 1e-11L * std::max(1.0L, value));
    EXPECT_EQ(sheet.line(sheet.lineCount() - (e.proof.empty() ? 0 : 2)).rfind("q=[", 0), 0u);
  }
}

TEST_F(ContinuedFractionTest, HugeAndTinyValuesEndAtOnce) {
  const long double values[] = {1e4000L, 1e30L, std::numeric_limits<long double>::max(), 1e-30L, 1e-4000L,
                                std::numeric_limits<long double>::denorm_min(), 4611686018427387904.5L};
  for (const long double q : values) {
    std::vector<std::string> messages;
    Worksheet sheet;
    sheet.append(ContinuedFractionText(q, &messages));
    int rows = 0;
    for (const std::string& line : sheet.lines()) rows += line.find(Cp1252("Näherung=")) != std::string::npos;
    EXPECT_TRUE(rows == 1 || rows == 2) << static_cast<double>(q);
    EXPECT_EQ(sheet.line(sheet.lineCount()).rfind("q=[", 0), 0u) << static_cast<double>(q);
  }
  // Infinity and NaN are an error, not a loop.
  for (const long double q : {std::numeric_limits<long double>::infinity(), std::numeric_limits<long double>::quiet_NaN()}) {
    std::vector<std::string> messages;
    EXPECT_EQ(ContinuedFractionText(q, &messages), "");
    EXPECT_EQ(messages, std::vector<std::string>{"Fehler!"});
  }
}

TEST_F(ContinuedFractionTest, NoFractionWithinTheBoundSaysFehlerAndExpandsAnyway) {
  const Worksheet sheet = Compute("q = Pi*10^(-20)");
  ASSERT_EQ(sheet.notices().size(), 1u);
  EXPECT_EQ(sheet.notices()[0].kind, WorksheetNotice::Kind::Message);
  EXPECT_EQ(sheet.notices()[0].text, "Fehler");
  const Expansion e = Read(sheet.lines());
  EXPECT_EQ(e.list, List{0});
  EXPECT_TRUE(e.closed && e.proof.empty());
}

// A q typed as rational numbers expands exactly, to its end, however long.
TEST_F(ContinuedFractionTest, ExactQExpandsToItsEnd) {
  for (const auto& [term, num, den] : {std::tuple{"0,865", 173L, 200L}, std::tuple{"1E-12*3/7+1", 7000000000003L, 7000000000000L},
                                       std::tuple{"77708431/2640858", 77708431L, 2640858L}}) {
    const Worksheet sheet = Compute(std::string("q = ") + term);
    EXPECT_TRUE(sheet.notices().empty()) << term;
    const Expansion e = Read(sheet.lines());
    EXPECT_EQ(e.list, EuclidList(num, den)) << term;
    EXPECT_EQ(e.convergents.back(), mpq_class(num, den)) << term;
    EXPECT_TRUE(e.closed && !e.proof.empty()) << term;
  }
}

TEST_F(ContinuedFractionTest, WithoutQLineOrWithBadQTheWorksheetStays) {
  const std::string first = Cp1252(
      "Zuerst \"alles Löschen\" anklicken und dann \"Erläuterung Kettenbruch\"\r(In der ersten Zeile muss \"q = ...\" "
      "stehen.)");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"Kettenbruch", "q = 2"}, first},
      {{"q = 0 Rest"}, Cp1252("Wert für q ungültig q= 0")},
  };
  for (const auto& [lines, message] : cases) {
    const Worksheet sheet = RunWorksheetCommand(ComputeContinuedFraction, lines, 5);
    EXPECT_EQ(sheet.lines(), lines);
    ASSERT_EQ(sheet.notices().size(), 1u);
    EXPECT_EQ(sheet.notices()[0].kind, WorksheetNotice::Kind::Message);
    EXPECT_EQ(sheet.notices()[0].text, message);
  }
}

// The typed list, evaluated here with exact fractions from the inside out.
TEST_F(ContinuedFractionTest, TypedListIsTheFractionOfItsEntries) {
  const std::pair<const char*, List> cases[] = {
      {"[3,7,15,1]", {3, 7, 15, 1}}, {"[2,2,0,0]", {2, 2}}, {"[1,0,2]", {1, 0, 2}}, {"[ -2 , 3 ]", {-2, 3}}};
  for (const auto& [text, entries] : cases) {
    const TypedContinuedFraction typed = EvaluateContinuedFractionList(text);
    ASSERT_TRUE(typed.ok) << typed.error;
    EXPECT_NEAR(static_cast<double>(typed.value), ValueOfList(entries, entries.size()).get_d(), 1e-15) << text;
    std::string blanked = text;
    for (char& ch : blanked) ch = ch == ',' || ch == '[' || ch == ']' ? ' ' : ch;
    EXPECT_EQ(typed.listText, blanked);
  }
  for (const char* text : {"[1 2 99999999999999999999]", "[1,1E30]", "[2,1,-1]", "[a b c]", "[1 a 2]"}) {
    const TypedContinuedFraction typed = EvaluateContinuedFractionList(text);
    EXPECT_FALSE(typed.ok) << text;
    EXPECT_FALSE(typed.error.empty()) << text;
  }
  // Huge but readable entries divide by nothing small.
  const TypedContinuedFraction big = EvaluateContinuedFractionList("[1 9000000000000000000 9000000000000000000]");
  ASSERT_TRUE(big.ok);
  EXPECT_NEAR(static_cast<double>(big.value), 1.0, 1e-15);
}

}  // namespace
}  // namespace lumatik
