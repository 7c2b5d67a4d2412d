// Whatever is typed, the engine answers with a value and a message.

#include <cmath>
#include <functional>
#include <new>
#include <random>

#include "calc/calculation.h"
#include "expr/compiled_term.h"
#include "expr/limits.h"
#include "expr/nth_value.h"
#include "shell/text_helpers.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

class HostileInput : public testing::EngineTest {};

std::string Nested(int depth, const char* inner) { return std::string(depth, '(') + inner + std::string(depth, ')'); }

TEST_F(HostileInput, LongAndDeepTermsAreRefusedWithAMessage) {
  const struct {
    std::string term;
    Extended value;
    std::string message;
  } cases[] = {{Nested(100000, "1"), 0, kTermTooLongMessage},
               {Nested(2000, "1"), 0, kTermTooDeepMessage},
               {std::string(1 << 20, '7'), 0, kTermTooLongMessage},
               {Nested(500, "7"), 7, ""}};  // modest nesting still computes
  for (const auto& c : cases) {
    MathErrorText().clear();
    EXPECT_EQ(EvalTermAt(c.term, 0), c.value) << c.term.size();
    EXPECT_EQ(MathErrorText(), c.message) << c.term.size();
  }
  std::string sum = "1";
  for (int i = 0; i < 4000; ++i) sum += "+1";
  EXPECT_TRUE(std::isfinite(static_cast<double>(EvalTermAt(sum, 0))));
  EXPECT_EQ(MathErrorText(), kTermTooDeepMessage);
}

TEST_F(HostileInput, DeepParameterTermsFailInsideTheirSubTerm) {
  UseParams({"a=" + Nested(3000, "1")});
  EXPECT_EQ(EvalTermAt("a+2", 0), 2);
  EXPECT_EQ(MathErrorText(), "Fehler in a");
}

TEST_F(HostileInput, RandomBytesNeverCrash) {
  std::mt19937 random(20261206);
  const std::string alphabet = "0123456789+-*/:^()'.,x aPisnclgbwrutoeqfkBSGMAh_\xB0\xB7|=#";
  for (int round = 0; round < 3000; ++round) {
    std::string term(random() % 60, ' ');
    for (char& c : term)
      c = random() % 8 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
    EXPECT_TRUE(std::isfinite(static_cast<double>(EvalTermAt(term, 1.5L)))) << term;
  }
}

// Running out of memory is no failure of a term: no guard of the engine may
// turn it into "Fehler in" and 0. The message box that "nue" shows when it
// adds its parameter n stands in for an allocation that fails.
TEST_F(HostileInput, OutOfMemoryLeavesTheEngineInsteadOfBecomingAMessage) {
  const std::pair<const char*, std::function<void(const std::string&)>> roads[] = {
      {"EvalTermAt", [](const std::string& t) { EvalTermAt(t, 1); }},
      {"EvalTerm", [](const std::string& t) { EvalTerm(t); }},
      {"EvalTermGuarded", [](const std::string& t) { EvalTermGuarded(t); }},
      {"NthValuePlain", [](const std::string& t) { NthValuePlain("0+" + t + "|1", 1); }},
      {"CompiledTerm", [](const std::string& t) { CompiledTerm{t}(1); }},
      {"FastEvalTermAt", [](const std::string& t) { FastEvalTermAt(t, 1); }},
      {"Calculate", [](const std::string& t) { Calculate(t); }}};
  SetMessageSink([](const std::string&) { throw std::bad_alloc(); });
  for (const auto& [road, evaluate] : roads) {
    for (const char* term : {"nue(6)", "2+nue(6)*3", "sin(nue(6))", "(1'1/2+nue(6))"}) {
      UseParams({});  // n is missing again, so "nue" asks for memory once more
      MathErrorText().clear();
      EXPECT_THROW(evaluate(term), std::bad_alloc) << road << " " << term;
      EXPECT_EQ(MathErrorText(), "") << road << " " << term;
    }
  }
}

}  // namespace
}  // namespace lumatik
