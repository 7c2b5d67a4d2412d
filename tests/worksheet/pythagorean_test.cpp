// The Pythagorean enumerations against a brute-force search of their own,
// and the polynomial product's example and echo.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "shell/codepage.h"
#include "worksheet/pythagorean.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {
namespace {

using Tuple = std::vector<int>;

// Every primitive tuple with the last entry below `limit`, ordered by the
// last entry and then the others: a^2+b^2(+c^2) = last^2.
std::vector<Tuple> BruteForce(int size, int limit) {
  std::vector<Tuple> found;
  const bool triples = size == 3;  // c stays 0
  for (int last = 1; last < limit; ++last)
    for (int a = 1; a <= last; ++a)
      for (int b = a; b <= last; ++b)
        for (int c = triples ? 0 : b; c <= (triples ? 0 : last); ++c)
          if (a * a + b * b + c * c == last * last && std::gcd(std::gcd(a, b), c) == 1)
            found.push_back(triples ? Tuple{a, b, last} : Tuple{a, b, c, last});
  return found;
}

// The tuples written below the header, read back from the "(a,b,c)" groups.
std::vector<Tuple> ReadTuples(const Worksheet& sheet) {
  std::vector<Tuple> tuples;
  for (int i = 5; i <= sheet.lineCount(); ++i) {
    std::string line = sheet.line(i);
    for (char& c : line) c = c == ',' ? ' ' : c;
    for (std::size_t pos = 0; (pos = line.find('(', pos)) != std::string::npos; ++pos) {
      std::istringstream group(line.substr(pos + 1, line.find(')', pos) - pos - 1));
      tuples.emplace_back(std::istream_iterator<int>(group), std::istream_iterator<int>());
    }
  }
  return tuples;
}

TEST(PythagoreanTriples, GoingOnOnceReachesTwoHundredWithWiderColumns) {
  std::vector<std::size_t> linesWhenAsked;
  Worksheet sheet;
  sheet.setAsker([&](const std::string&, const std::vector<std::string>& lines) {
    linesWhenAsked.push_back(lines.size());
    return linesWhenAsked.size() < 2;
  });
  sheet = RunWorksheetCommand(PythagoreanTriples, std::move(sheet));
  ASSERT_EQ(linesWhenAsked.size(), 2u);
  EXPECT_GT(linesWhenAsked[0], 5u);  // the asker sees what was found so far
  EXPECT_EQ(ReadTuples(sheet), BruteForce(3, 200));
  EXPECT_TRUE(std::any_of(sheet.lines().begin(), sheet.lines().end(),
                          [](const std::string& line) { return line.find("( 20, 99,101)") != std::string::npos; }));
}

TEST(PythagoreanQuadruples, FirstOnesAndTheBruteForceList) {
  const Worksheet sheet = RunWorksheetCommand(PythagoreanQuadruples, {}, 2);
  EXPECT_EQ(sheet.line(3), Cp1252("(a,b,c,d) erfüllen die Gleichungen a^2+b^2+c^2=d^2 und ggT(a,b,c)=1"));
  const std::vector<Tuple> tuples = ReadTuples(sheet);
  EXPECT_EQ(tuples, BruteForce(4, 100));
  // Four to a line, counted over the run; the rest on the last line.
  const auto groups = [&sheet](int i) {
    const std::string line = sheet.line(i);
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), '('));
  };
  for (int i = 5; i < sheet.lineCount(); ++i) EXPECT_EQ(groups(i), 4u) << i;
  EXPECT_EQ(groups(sheet.lineCount()), tuples.size() % 4);
}

TEST(PolynomialProduct, ShowsExactlyTheSelectedText) {
  for (const auto& [selected, shown] : {std::pair("(x+1)*(x-1)", "(x+1)*(x-1)"), {"   (x+1)*(x-1)  ", "(x+1)*(x-1)"}, {"", ""}}) {
    Worksheet sheet({"Polynommultiplikation", "(x+1)*(x-1)"}, 6);
    sheet.setSelectedText(selected);
    sheet = RunWorksheetCommand(PolynomialProduct, std::move(sheet));
    EXPECT_EQ(sheet.lines(), (std::vector<std::string>{"Polynommultiplikation", "(x+1)*(x-1)"}));
    ASSERT_EQ(sheet.notices().size(), 1u);
    EXPECT_EQ(sheet.notices()[0].kind, WorksheetNotice::Kind::Hint);
    EXPECT_EQ(sheet.notices()[0].text, shown);
  }
}

}  // namespace
}  // namespace lumatik
