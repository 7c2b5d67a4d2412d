// Whatever is typed, the engine answers with a value and a message.

#include <cmath>
#include <random>

#include "expr/limits.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

class HostileInput : public testing::EngineTest {};

TEST_F(HostileInput, DeepBracketsAreRefusedWithAMessage) {
  const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
  EXPECT_EQ(EvalTermAt(deep, 0), 0);
  EXPECT_EQ(MathErrorText(), kTermTooLongMessage);

  const std::string nested = std::string(2000, '(') + "1" + std::string(2000, ')');
  EXPECT_EQ(EvalTermAt(nested, 0), 0);
  EXPECT_EQ(MathErrorText(), kTermTooDeepMessage);
}

TEST_F(HostileInput, ModestNestingStillComputes) {
  const std::string nested = std::string(500, '(') + "7" + std::string(500, ')');
  EXPECT_EQ(EvalTermAt(nested, 0), 7);
  EXPECT_EQ(MathErrorText(), "");
}

TEST_F(HostileInput, LongChainsOfOperatorsAreBounded) {
  std::string sum = "1";
  for (int i = 0; i < 4000; ++i) sum += "+1";
  EXPECT_TRUE(std::isfinite(static_cast<double>(EvalTermAt(sum, 0))));
  EXPECT_EQ(MathErrorText(), kTermTooDeepMessage);
}

TEST_F(HostileInput, AMegabyteTermIsRefused) {
  const std::string huge(1 << 20, '7');
  EXPECT_EQ(EvalTermAt(huge, 0), 0);
  EXPECT_EQ(MathErrorText(), kTermTooLongMessage);
}

TEST_F(HostileInput, DeepParameterTermsFailInsideTheirSubTerm) {
  UseParams({"a=" + std::string(3000, '(') + "1" + std::string(3000, ')')});
  EXPECT_EQ(EvalTermAt("a+2", 0), 2);
  EXPECT_EQ(MathErrorText(), "Fehler in a");
}

TEST_F(HostileInput, RandomBytesNeverCrash) {
  std::mt19937 random(20261206);
  const std::string alphabet = "0123456789+-*/:^()'.,x aPisnclgbwrutoeqfkBSGMAh_\xB0\xB7|=#";
  for (int round = 0; round < 3000; ++round) {
    std::string term;
    const int length = static_cast<int>(random() % 60);
    for (int i = 0; i < length; ++i) {
      term += random() % 8 == 0 ? static_cast<char>(random() % 256)
                                : alphabet[random() % alphabet.size()];
    }
    const Extended value = EvalTermAt(term, 1.5L);
    EXPECT_TRUE(std::isfinite(static_cast<double>(value))) << term;
  }
}

}  // namespace
}  // namespace lumatik
