// The prime table: its growth, its cancel protocol and the factorisation.

#include <gtest/gtest.h>

#include "exact/primes.h"
#include "shell/matherror.h"
#include "shell/messagesink.h"

namespace lumatik {
namespace {

// Cancels once the table has reported a chosen count.
class CancellingObserver : public PrimeProgressObserver {
 public:
  explicit CancellingObserver(int cancelAt) : cancelAt_(cancelAt) {}
  void opened() override { ++opened_; }
  void progressed(int count) override { lastCount_ = count; }
  bool cancelled() const override { return lastCount_ >= cancelAt_; }
  void closed() override { ++closed_; }

  int opened_ = 0;
  int closed_ = 0;
  int lastCount_ = 0;

 private:
  int cancelAt_;
};

bool IsPrimeByTrialDivision(std::int64_t n) {
  if (n < 2) return false;
  for (std::int64_t d = 2; d * d <= n; ++d)
    if (n % d == 0) return false;
  return true;
}

TEST(PrimeTable, FirstPrimes) {
  EXPECT_EQ(NthPrime(1), 2);
  EXPECT_EQ(NthPrime(2), 3);
  EXPECT_EQ(NthPrime(6), 13);
  EXPECT_EQ(NthPrime(0), 0);
  EXPECT_EQ(NthPrime(0.4L), 0);
  EXPECT_EQ(NthPrime(-3), 0);
}

TEST(PrimeTable, EveryEntryIsTheNextPrime) {
  EnsurePrimes(3000);
  const auto& primes = Primes();
  std::int64_t candidate = 2;
  for (int i = 0; i <= 3000; ++i) {
    while (!IsPrimeByTrialDivision(candidate)) ++candidate;
    ASSERT_EQ(primes[i], candidate) << "index " << i;
    ++candidate;
  }
}

TEST(PrimeTable, Prime65536) { EXPECT_EQ(NthPrime(65536), 821641); }

// The table as it grew one prime at a time: odd candidates tried against the
// stored odd primes up to their square root.
std::vector<std::int32_t> TableByTrialDivision(std::size_t size) {
  std::vector<std::int32_t> table{2, 3};
  for (std::int64_t c = 5; table.size() < size; c += 2) {
    bool prime = true;
    for (std::size_t i = 1; prime && static_cast<std::int64_t>(table[i]) * table[i] <= c; ++i)
      prime = c % table[i] != 0;
    if (prime) table.push_back(static_cast<std::int32_t>(c));
  }
  return table;
}

TEST(PrimeTable, SievedTableIsTheTableOfTrialDivision) {
  ResetPrimeTable();
  EnsurePrimes(299999);
  FinishPrimeRequest();
  const std::vector<std::int32_t> expected = TableByTrialDivision(300000);
  ASSERT_EQ(Primes().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(Primes()[i], expected[i]) << "index " << i;
}

TEST(PrimeTable, StretchesAtTheEndsOfThe32BitRange) {
  struct Stretch {
    std::int64_t low, high;
  };
  for (const Stretch s : {Stretch{0, 100}, Stretch{4, 5}, Stretch{46300, 46400}, Stretch{999900, 1000100},
                          Stretch{2147480000, kPrimeSieveEnd}, Stretch{2147483647, std::int64_t{1} << 40}}) {
    std::vector<std::int32_t> expected;
    for (std::int64_t n = std::max<std::int64_t>(s.low, 3); n < std::min(s.high, kPrimeSieveEnd); ++n)
      if (n % 2 == 1 && IsPrimeByTrialDivision(n)) expected.push_back(static_cast<std::int32_t>(n));
    EXPECT_EQ(SieveOddPrimes(s.low, s.high), expected) << s.low;
  }
  // The largest entry the table can hold is 2^31 - 1, itself a prime.
  EXPECT_EQ(SieveOddPrimes(2147483647, kPrimeSieveEnd), std::vector<std::int32_t>{2147483647});
}

TEST(PrimeTable, ProgressEveryThousandPrimesFromAStartUpTable) {
  FinishPrimeRequest();
  ResetPrimeTable();
  std::vector<int> reported;
  struct Recorder : PrimeProgressObserver {
    std::vector<int>* counts;
    int openings = 0;
    void opened() override { ++openings; }
    void progressed(int count) override { counts->push_back(count); }
    bool cancelled() const override { return !counts->empty() && counts->back() >= 4000; }
    void closed() override {}
  } recorder;
  recorder.counts = &reported;
  SetPrimeProgressObserver(&recorder);
  EXPECT_EQ(NthPrime(10001), 0);  // cancelled on the way
  SetPrimeProgressObserver(nullptr);
  EXPECT_EQ(recorder.openings, 1);
  EXPECT_EQ(reported, (std::vector<int>{2000, 3000, 4000}));
  EXPECT_EQ(PrimeCount(), 4000);
  EXPECT_EQ(NthPrime(10001), 104743);
}

TEST(PrimeTable, CancelStopsAtTheChosenCountAndLaterRequestsGoOn) {
  CancellingObserver observer(PrimeCount() + 2000);
  SetPrimeProgressObserver(&observer);
  const int target = PrimeCount() + 50000;
  MathErrorText().clear();
  EXPECT_EQ(NthPrime(target + 1), 0);
  EXPECT_EQ(MathErrorText(), "Primzahlberechnung abgebrochen");
  EXPECT_EQ(observer.opened_, 1);
  EXPECT_EQ(observer.closed_, 1);
  EXPECT_LT(PrimeCount(), target);
  const int reached = PrimeCount();

  SetPrimeProgressObserver(nullptr);
  MathErrorText().clear();
  EXPECT_GT(NthPrime(reached + 10), 0);
  EXPECT_EQ(MathErrorText(), "");
  EXPECT_EQ(PrimeCount(), reached + 9);
}

TEST(PrimeTable, RequestsBeyondTheLargest32BitPrimeEndAtOnce) {
  MathErrorText().clear();
  const int before = PrimeCount();
  EXPECT_EQ(NthPrime(2147483647.0L), 0);
  EXPECT_FALSE(MathErrorText().empty());
  EXPECT_EQ(PrimeCount(), before);
}

TEST(Factorisation, Texts) {
  EXPECT_EQ(PrimeFactorText(360), "2*2*2*3*3*5");
  EXPECT_EQ(PrimeFactorText(-12), "-2*2*3");
  EXPECT_EQ(PrimeFactorText(97), "97(PZ)");
  EXPECT_EQ(PrimeFactorText(524287), "524287(PZ)");
  EXPECT_EQ(PrimeFactorText(2), "2(PZ)");
  EXPECT_EQ(PrimeFactorText(12.0000000000001L), "2*2*3");
  EXPECT_EQ(PrimeFactorText(1), "");
  EXPECT_EQ(PrimeFactorText(0), "");
  EXPECT_EQ(SmallestFactor(91), 7);
}

TEST(Factorisation, WarnsAboveTheExactRange) {
  std::vector<std::string> messages;
  SetMessageSink([&](const std::string& text) { messages.push_back(text); });
  EXPECT_EQ(PrimeFactorText(1e20L), "2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5");
  SetMessageSink(nullptr);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Durch Rundungsfehler der Flie\xDFkommazahl ist PFZ m\xF6glicherweise nicht korrekt!");
}

}  // namespace
}  // namespace lumatik
