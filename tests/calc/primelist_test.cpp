// "Primzahlen": the list lines against primes found by a sieve.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/primelist.h"
#include "exact/primes.h"
#include "support/engine_state.h"

namespace lumatik::testing {
namespace {

// The first primes by the sieve of Eratosthenes.
std::vector<long long> SievePrimes(std::size_t count) {
  std::vector<long long> primes;
  for (long long limit = 2048; primes.size() < count; limit *= 2) {
    std::vector<bool> composite(limit + 1, false);
    primes.clear();
    for (long long n = 2; n <= limit; ++n) {
      if (composite[n]) continue;
      primes.push_back(n);
      for (long long m = n * n; m <= limit; m += n) composite[m] = true;
    }
  }
  primes.resize(count);
  return primes;
}

template <typename Bound>
std::vector<std::string> ListLines(Bound from, Bound to, bool* complete = nullptr) {
  std::vector<std::string> lines;
  const bool done = BuildPrimeList(from, to, [&](const std::string& line) { lines.push_back(line); });
  if (complete) *complete = done;
  return lines;
}

// Splits list lines back into primes and the marks between them.
void ReadLines(const std::vector<std::string>& lines, std::vector<long long>& primes, std::string& marks) {
  for (const std::string& line : lines) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
      if (i < line.size() && line[i] != ' ' && line[i] != '*') continue;
      if (i > start) primes.push_back(std::stoll(line.substr(start, i - start)));
      if (i < line.size()) marks += line[i];
      start = i + 1;
    }
  }
}

class PrimeListTest : public EngineTest {};

TEST_F(PrimeListTest, SmallRanges) {
  const std::pair<std::pair<const char*, const char*>, std::string> cases[] = {
      {{"1", "10"}, "2 3*5*7 11*13 17*19 23 29"}, {{"5", "5"}, "11"}, {{"3", "1"}, "5"}, {{"4", "7"}, "7 11*13 17"},
      {{"2*3", "3+4"}, "13 17"}, {{"1.4", "2.6"}, "2 3*5"}};
  for (const auto& [range, line] : cases)
    EXPECT_EQ(ListLines(std::string(range.first), std::string(range.second)), std::vector<std::string>{line})
        << range.first << " .. " << range.second;
}

TEST_F(PrimeListTest, LongListsBreakAfter65Characters) {
  const std::vector<long long> reference = SievePrimes(2000);
  const std::vector<std::string> lines = ListLines<Extended>(1, 2000);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    EXPECT_GT(lines[i].size(), 65u) << i;
    // The line was written by the first prime that made it too long.
    EXPECT_LE(lines[i].find_last_of(" *"), 65u) << lines[i];
  }
  std::vector<long long> primes;
  std::string marks;
  ReadLines(lines, primes, marks);
  EXPECT_EQ(primes, reference);
  // Every gap has its mark: "*" for twins, a blank otherwise.
  ASSERT_EQ(marks.size(), reference.size() - 1);
  for (std::size_t i = 1; i < reference.size(); ++i)
    EXPECT_EQ(marks[i - 1], reference[i] - reference[i - 1] == 2 ? '*' : ' ') << reference[i];
  // A line after a break starts with the mark of its first prime.
  EXPECT_TRUE(lines[1][0] == ' ' || lines[1][0] == '*');
}

// Cancels at the first progress report of the table.
struct CancelAtOnce : PrimeProgressObserver {
  void opened() override { ++opens; }
  void progressed(int) override { cancel = true; }
  bool cancelled() const override { return cancel; }
  void closed() override { cancel = false; }
  int opens = 0;
  bool cancel = false;
};

TEST_F(PrimeListTest, ACancelledTableEndsTheListAndDropsThePendingLine) {
  CancelAtOnce observer;
  SetPrimeProgressObserver(&observer);
  const long long known = PrimeCount() + 1;
  bool complete = true;
  const std::vector<std::string> lines = ListLines<Extended>(1, static_cast<Extended>(known + 20000), &complete);
  SetPrimeProgressObserver(nullptr);
  EXPECT_FALSE(complete);
  EXPECT_EQ(observer.opens, 1);
  ASSERT_FALSE(lines.empty());
  for (const std::string& line : lines) EXPECT_GT(line.size(), 65u);
  std::vector<long long> primes;
  std::string marks;
  ReadLines(lines, primes, marks);
  EXPECT_LT(static_cast<long long>(primes.size()), known + 20000);
  EXPECT_EQ(primes, SievePrimes(primes.size()));
}

// An index beyond 2^31 names no prime: nothing to list, nothing to compute first.
TEST_F(PrimeListTest, IndexesBeyondTheTableStopTheList) {
  bool complete = true;
  EXPECT_TRUE(ListLines<Extended>(2147483647.0L, 1e30L, &complete).empty());
  EXPECT_FALSE(complete);
}

}  // namespace
}  // namespace lumatik::testing
