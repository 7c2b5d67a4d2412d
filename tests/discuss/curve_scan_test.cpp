// The discussion's scan: the worked text of the edge cases, the faults of
// the literal scan and its bounded work.

#include "discuss/curve_scan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "discuss/discuss_texts.h"
#include "discuss/term_function.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worked_text.h"

namespace lumatik {
namespace {

using testing::DiscussTerm;
using testing::EngineTest;
using testing::ParseWorkedText;
using testing::WorkedText;

class CurveScanTest : public EngineTest {};

TEST_F(CurveScanTest, PoleAndZeroFunctionWriteTheirOwnTexts) {
  EXPECT_EQ(DiscussTerm("1/x", -10, 10, 0.1),
            (std::vector<std::string>{"f(x)=1/x", "Intervall [-10;10]", discusstexts::kNoZero,
                                      discusstexts::kNoTangent, discusstexts::kNoInflection}));
}

// The entries of each section, blank-separated; a zero up to its "|" (its
// slope carries the difference quotient's rounding); nullptr: not checked.
struct EntriesCase {
  const char* term;
  double a, b, d;
  const char* zeros;
  const char* tangents;
  const char* inflections;
};

std::string Joined(const std::vector<testing::Entry>& entries, bool upToBar) {
  std::string text;
  for (const testing::Entry& e : entries)
    text += (text.empty() ? "" : " ") + (upToBar ? e.text.substr(0, e.text.find('|') + 1) : e.text);
  return text;
}

const EntriesCase kEntryCases[] = {
    {"x^2", -10, 10, 0.1, "N(0|", "T(0|0)", ""},
    // A slope of 0 at the inflection is a saddle: listed with the tangents too.
    {"x^3", -10, 10, 0.1, "N1(0|", "W(0|0;0)", "W(0|0;0)"},
    // The vertex lies at x - h/4 of the first window, where f(x - h/2) = f(x).
    {"-1/4*x^2+19/16*x-21/16", -4, 4, 0.1, nullptr, "H(2,375|0,09766)", nullptr},
    {"sqrt(x-1)", -3, 3, 0.1, "", "", ""},
    // f = 0 on a whole piece: no single zero, no turn.
    {"x-x", -1, 1, 0.5, "", "", ""},
    {"x+abs(x)", -1, 1, 0.5, "", "", ""},
    // Zeros on neighbouring scan points, and 0,1 apart.
    {"(x-1)*(x-1.5)*(x+2)", -3, 3, 0.5, "N1(-2| N2(1| N3(1,5=3/2|", nullptr, nullptr},
    {"(x-1)*(x-1.1)*(x+2)", -3, 3, 0.1, "N1(-2| N2(1| N3(1,1=11/10|", nullptr, nullptr},
    // One flat turn gives one point; a cusp is neither a turn nor an inflection.
    {"-1/4*(x-7/2)^4", -10, 10, 0.3, "N(3,5|", "H(3,5|0)", ""},
    {"-0.01*(x+1)^6+1000", -10, 10, 0.01, nullptr, "H(-1|1000)", ""},
    {"sqrt(abs(x))-1", -10, 10, 0.1, nullptr, "", ""},
    // W's y is f there; nothing outside [a; b].
    {"x^3-1400*x+3000", -10, 10, 0.1, nullptr, "", "W(0|3000;-1400)"},
    {"sin(x)/x", -5, 5, 1, nullptr, "T(-4,493409|-0,21723) T(4,493409|-0,21723)",
     "W(-2,0816|0,4191;0,4362) W(2,0816|0,4191;-0,4362)"},
    // Faults of the literal scan: [-0,5; 0,5] is halved straight onto 0; an
    // inflection on a scan point; zeros on the interval's ends.
    {"x", -1.5, 1.5, 1, "N1(0|", nullptr, nullptr},
    {"x^3-3*x", -10, 10, 0.25, "N1(-1,73205080756888| N2(0| N3(1,73205080756888|", "H(-1|2) T(1|-2)", "W(0|0;-3)"},
    {"x^3-3*x", 5, -5, 0.2, "N1(-1,73205080756888| N2(0| N3(1,73205080756888|", "H(-1|2) T(1|-2)", "W(0|0;-3)"},
    {"x", 0, 1, 0.25, "N1(0|", nullptr, nullptr},
    {"x", -1, 0, 0.25, "N1(0|", nullptr, nullptr},
};

TEST_F(CurveScanTest, EntriesOfEdgeCases) {
  for (const EntriesCase& c : kEntryCases) {
    const WorkedText text = ParseWorkedText(DiscussTerm(c.term, c.a, c.b, c.d));
    const std::string what = std::string(c.term) + " step " + std::to_string(c.d);
    const std::string none = "(not checked)";
    EXPECT_EQ(c.zeros ? Joined(text.zeros, true) : none, c.zeros ? c.zeros : none) << what;
    EXPECT_EQ(c.tangents ? Joined(text.tangents, false) : none, c.tangents ? c.tangents : none) << what;
    EXPECT_EQ(c.inflections ? Joined(text.inflections, false) : none, c.inflections ? c.inflections : none) << what;
  }
  EXPECT_EQ(ParseWorkedText(DiscussTerm("x", 0, 1, 0.25)).zeros.at(0).text, "N1(0|0;1)");
  // Exact slopes, written like the x of their line.
  EXPECT_EQ(ParseWorkedText(DiscussTerm("x^3-3*x", -5, 5, 0.2)).zeros.at(2).text, "N3(1,73205080756888|0;6)");
  EXPECT_EQ(ParseWorkedText(DiscussTerm("2*ln(x)/x", 0.1, 10, 0.1)).zeros.at(0).text, "N1(1|0;2)");
}

// What the text says besides the points: gaps, jumps, a swapped interval,
// a term the engine cannot read. The lines after the interval's.
struct NoteCase {
  const char* term;
  double a, b, d;
  std::vector<std::string> lines;
};

TEST_F(CurveScanTest, GapsJumpsAndMessages) {
  namespace t = discusstexts;
  const NoteCase cases[] = {
      {"(x^2-1)/(x-1)", -5, 5, 0.25,
       {t::kZeroHeading, "N1(-1|0;1)", t::kNoTangent, t::kNoInflection,
        Cp1252("Lücke bei x = 1 (f ist dort nicht definiert)")}},
      {"(x^3-8)/(x-2)", -5, 5, 1.0 / 3,
       {t::kNoZero, t::kTangentHeading, "T(-1|3)", t::kNoInflection,
        Cp1252("Lücke bei x = 2 (f ist dort nicht definiert)"), "Achsensymmetrisch zu x = -1(lokal)"}},
      {"(x^2+x-6)/(x^2-4)", -5, 5, 0.1, {t::kZeroHeading, "N1(-3|0;-1)", t::kNoTangent, t::kNoInflection}},
      {"x/5-int(x/5)-1/2", -9, 9, 0.1,
       {t::kZeroHeading, "N1(-7,5=-15/2|0;0,2=1/5)", "N2(-2,5=-5/2|0;0,2=1/5)", "N3(2,5=5/2|0;0,2=1/5)",
        "N4(7,5=15/2|0;0,2=1/5)", t::kNoTangent, t::kNoInflection, "Sprungstelle bei x = -5",
        "Sprungstelle bei x = 0", "Sprungstelle bei x = 5"}},
      {"sin(x", -1, 1, 0.5, {"(x|-1 Klammern zu viel!", t::kNoZero, t::kNoTangent, t::kNoInflection}},
  };
  for (const NoteCase& c : cases) {
    std::vector<std::string> lines = DiscussTerm(c.term, c.a, c.b, c.d);
    ASSERT_GE(lines.size(), 2u) << c.term;
    lines.erase(lines.begin(), lines.begin() + 2);
    EXPECT_EQ(lines, c.lines) << c.term;
  }
  EXPECT_EQ(DiscussTerm("x", 1, -1, 0.5).at(1), "Intervall [-1;1] (Grenzen vertauscht)");
}

TEST_F(CurveScanTest, LongInflectionListIsLeftOut) {
  // sin(10x) turns about 60 times on [-10; 10]: far more than 400 characters.
  const WorkedText text = ParseWorkedText(DiscussTerm("sin(10*x)", -10, 10, 0.01));
  EXPECT_GT(text.tangents.size(), 50u);
  EXPECT_FALSE(text.inflectionSectionWritten);
  EXPECT_TRUE(text.inflections.empty());
}

struct CoarseStepCase {
  const char* term;
  double a, b, d;
  long double zero;
};

class CoarseStep : public CurveScanTest, public ::testing::WithParamInterface<CoarseStepCase> {};

TEST_P(CoarseStep, HalvingGoesOnUntilTheZeroIsPinned) {
  const CoarseStepCase& c = GetParam();
  const WorkedText text = ParseWorkedText(DiscussTerm(c.term, c.a, c.b, c.d));
  ASSERT_EQ(text.zerosOf('N').size(), 1u) << c.term;
  EXPECT_NEAR(text.zeros[0].x, c.zero, 1e-12L * (1 + std::fabs(c.zero))) << c.term;
}

INSTANTIATE_TEST_SUITE_P(AboveTheHalvingCap, CoarseStep,
                         ::testing::Values(CoarseStepCase{"x-1/3", -10, 10, 2, 1.0L / 3},
                                           // Beyond |x| = 8 neighbouring doubles are more than 1e-15 apart.
                                           CoarseStepCase{"x-10,3", 0, 20, 0.1, 10.3L},
                                           CoarseStepCase{"x^3-2", -5, 5, 3.3, 1.2599210498948731648L}));

TEST_F(CurveScanTest, PoleTrackingOfAFlatFunctionIsBounded) {
  long long evaluations = 0;
  const TermFunction flat = [&evaluations](Extended) {
    ++evaluations;
    return TermValue{10, false};
  };
  ASSERT_TRUE(DiscussCurve(flat, "10", -10, 10, 0.1, [] { return true; }));
  EXPECT_LT(evaluations, 20000);
}

}  // namespace
}  // namespace lumatik
