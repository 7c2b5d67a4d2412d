// The prime table: its growth, its cancel protocol and the factorisation.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include "exact/primes.h"
#include "shell/matherror.h"
#include "shell/messagesink.h"

namespace lumatik {
namespace {

// Records the progress reports and cancels once they reach a chosen count.
struct CancellingObserver : PrimeProgressObserver {
  explicit CancellingObserver(int cancelAt) : cancelAt_(cancelAt) {}
  void opened() override { ++opened_; }
  void progressed(int count) override { counts_.push_back(count); }
  bool cancelled() const override { return !counts_.empty() && counts_.back() >= cancelAt_; }
  void closed() override { ++closed_; }
  int cancelAt_, opened_ = 0, closed_ = 0;
  std::vector<int> counts_;
};

// The table as it grew one prime at a time: odd candidates tried against the
// stored odd primes up to their square root.
TEST(PrimeTable, SievedTableIsTheTableOfTrialDivision) {
  ResetPrimeTable();
  EnsurePrimes(299999);
  FinishPrimeRequest();
  std::vector<std::int32_t> expected{2, 3};
  for (std::int64_t c = 5; expected.size() < 300000; c += 2) {
    bool prime = true;
    for (std::size_t i = 1; prime && static_cast<std::int64_t>(expected[i]) * expected[i] <= c; ++i)
      prime = c % expected[i] != 0;
    if (prime) expected.push_back(static_cast<std::int32_t>(c));
  }
  ASSERT_EQ(Primes().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(Primes()[i], expected[i]) << "index " << i;
}

TEST(PrimeTable, StretchesAtTheEndsOfThe32BitRange) {
  const std::pair<std::int64_t, std::int64_t> stretches[] = {
      {0, 100}, {4, 5}, {46300, 46400}, {999900, 1000100}, {2147480000, kPrimeSieveEnd}, {2147483647, std::int64_t{1} << 40}};
  for (const auto& [low, high] : stretches) {
    std::vector<std::int32_t> expected;
    for (std::int64_t n = std::max<std::int64_t>(low, 3); n < std::min(high, kPrimeSieveEnd); ++n)
      if (n % 2 == 1 && mpz_probab_prime_p(mpz_class(n).get_mpz_t(), 25))
        expected.push_back(static_cast<std::int32_t>(n));
    EXPECT_EQ(SieveOddPrimes(low, high), expected) << low;
  }
  // The largest entry the table can hold is 2^31 - 1, itself a prime.
  EXPECT_EQ(SieveOddPrimes(2147483647, kPrimeSieveEnd), std::vector<std::int32_t>{2147483647});
}

TEST(PrimeTable, ProgressEveryThousandPrimesFromAStartUpTable) {
  FinishPrimeRequest();
  ResetPrimeTable();
  CancellingObserver observer(4000);
  SetPrimeProgressObserver(&observer);
  EXPECT_EQ(NthPrime(10001), 0);  // cancelled on the way
  SetPrimeProgressObserver(nullptr);
  EXPECT_EQ(observer.opened_, 1);
  EXPECT_EQ(observer.counts_, (std::vector<int>{2000, 3000, 4000}));
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
  // Requests beyond the largest 32-bit prime end at once.
  EXPECT_EQ(NthPrime(2147483647.0L), 0);
  EXPECT_FALSE(MathErrorText().empty());
  EXPECT_EQ(PrimeCount(), reached + 9);
}

TEST(Factorisation, WarnsAboveTheExactRange) {
  std::vector<std::string> messages;
  SetMessageSink([&](const std::string& text) { messages.push_back(text); });
  EXPECT_EQ(PrimeFactorText(1e20L), "2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5");
  SetMessageSink(nullptr);
  EXPECT_EQ(messages, std::vector<std::string>{"Durch Rundungsfehler der Flie\xDF" "kommazahl ist PFZ m\xF6glicherweise nicht korrekt!"});
}

}  // namespace
}  // namespace lumatik
