// The curve's cuts against the function written out in C++: every drawn point on the
// graph, nothing where it is undefined, no segment across a pole.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "expr/evaluate.h"
#include "recorded_drawing.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

// 100 pixels per centimetre; frame position 0 at pixel (800|600).
constexpr PlotFrame kFrame{0, 1600, 1200};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct CurveCase {
  const char* name;
  const char* term;
  const char* ley;
  int steps;
  std::function<double(double)> f;  // NaN where the function is undefined
  std::vector<double> singular;     // poles and holes, each on half a pixel
};

class CurveCuts : public testing::EngineTest, public ::testing::WithParamInterface<CurveCase> {
 protected:
  double UserX(double px) const { return (px - 800) / 100; }
  double PixelY(double y) const { return 600 - 100 * y * ley; }
  // Whether the graph passes through the pixel: somewhere across its width
  // the function is defined and its height lies within half a pixel.
  bool OnGraph(CanvasPoint p) const {
    double lowest = 1e300;
    double highest = -1e300;
    for (int i = 0; i <= 400; ++i) {
      const double y = GetParam().f(UserX(p.x - 0.5 + i / 400.0));
      if (std::isnan(y)) continue;
      lowest = std::min(lowest, PixelY(y));
      highest = std::max(highest, PixelY(y));
    }
    return p.y >= lowest - 0.5 && p.y <= highest + 0.5;
  }
  double ley = 1;
};

TEST_P(CurveCuts, TheDrawingFollowsTheFunction) {
  const CurveCase& c = GetParam();
  ley = static_cast<double>(EvalTerm(c.ley));
  RecordingCanvas canvas;
  testing::DrawLine(canvas, c.term, testing::Fields("1", c.ley), kFrame, c.steps);
  const std::vector<RecordedOp> curve = testing::CurveOf(canvas, kWhite);
  ASSERT_FALSE(curve.empty());
  for (const RecordedOp& r : curve) {
    // No point at the engine's substitute 0 where f is undefined.
    for (const CanvasPoint p : {r.a, r.b}) EXPECT_TRUE(OnGraph(p)) << p.x << "," << p.y;
    // The middle of a segment wider than a pixel lies inside the domain.
    if (std::abs(r.b.x - r.a.x) >= 2) {
      EXPECT_FALSE(std::isnan(c.f(UserX((r.a.x + r.b.x) / 2.0)))) << r.a.x;
    }
    for (const double s : c.singular)
      EXPECT_EQ(r.a.x < 800 + 100 * s, r.b.x < 800 + 100 * s) << "segment across " << s << " at " << r.a.x;
  }
  // Beside a pole the graph lies far beyond the frame: both branches run to its edge.
  for (const double s : c.singular) {
    if (std::fabs(PixelY(c.f(s - 1e-12)) - 600) <= 600 || std::fabs(PixelY(c.f(s + 1e-12)) - 600) <= 600) continue;
    const double px = 800 + 100 * s;
    bool left = false, right = false;
    for (const RecordedOp& r : curve) {
      for (const CanvasPoint p : {r.a, r.b}) {
        if (p.y != 0 && p.y != 1200) continue;
        left = left || (p.x < px && p.x > px - 10);
        right = right || (p.x > px && p.x < px + 10);
      }
    }
    EXPECT_TRUE(left && right) << "pole at " << s;
  }
}

double Ln(double x) { return x > 0 ? std::log(x) : kNaN; }
double Root(double x) { return x >= 0 ? std::sqrt(x) : kNaN; }
double Over(double x) { return x == 0 ? kNaN : 1 / x; }

INSTANTIATE_TEST_SUITE_P(
    Functions, CurveCuts,
    ::testing::Values(
        // Up to the frame's upper edge on both sides, at x = -4,9 and 4,9.
        CurveCase{"Parabola", "x^2/4", "1", 10, [](double x) { return x * x / 4; }, {}},
        CurveCase{"LnOfX", "ln(x)", "1", 100, [](double x) { return Ln(x); }, {}},
        CurveCase{"RootOfX", "sqrt(x)", "1", 100, [](double x) { return Root(x); }, {}},
        CurveCase{"RootOfMinusX", "sqrt(-x)", "1", 100, [](double x) { return Root(-x); }, {}},
        CurveCase{"UnitCircle", "sqrt(1-x^2)", "1", 10, [](double x) { return Root(1 - x * x); }, {}},
        CurveCase{"LnOfASquare", "ln((x-0,005)^2)", "1", 100,
                  [](double x) { return Ln((x - 0.005) * (x - 0.005)); }, {0.005}},
        CurveCase{"OneOverX", "1/x", "1", 10, [](double x) { return Over(x); }, {}},
        // The pole lies between two samples whose values are in the band.
        CurveCase{"PoleInsideTheBand", "1/(x-0,005)", "1/100", 100, [](double x) { return Over(x - 0.005); },
                  {0.005}},
        CurveCase{"EvenPoleMidway", "1/(x-0,005)^2", "1/10000", 100,
                  [](double x) { return Over((x - 0.005) * (x - 0.005)); }, {0.005}},
        CurveCase{"EvenPoleOffCentre", "1/(x-0,005)^2", "1/10000", 30,
                  [](double x) { return Over((x - 0.005) * (x - 0.005)); }, {0.005}},
        CurveCase{"TangentPoles", "tan(Pi*(x-0,005))", "1/100", 100,
                  [](double x) { return std::tan(M_PI * (x - 0.005)); }, {-2.495, -1.495, -0.495, 0.505, 1.505}}),
    [](const ::testing::TestParamInfo<CurveCase>& info) { return std::string(info.param.name); });

class Curve : public testing::EngineTest {
 protected:
  RecordingCanvas canvas;
};

TEST_F(Curve, LnRunsDownToTheFrameEdgeAndLeavesItsMessage) {
  testing::DrawLine(canvas, "ln(x)", testing::Fields("1", "1"), kFrame, 100);
  int lowest = 0;
  for (const RecordedOp& r : testing::CurveOf(canvas, kWhite)) lowest = std::max({lowest, r.a.y, r.b.y});
  EXPECT_EQ(lowest, 1200);
  // The engine's message stays the last one, for "Lezter Fehler".
  EXPECT_EQ(MathErrorText().rfind("Logarithmus von", 0), 0u) << MathErrorText();
}

TEST_F(Curve, IntervalEndsCutTheCurve) {
  testing::DrawLine(canvas, "x^2 [0;2]", testing::Fields("1", "1"), kFrame);
  const std::vector<RecordedOp> curve = testing::CurveOf(canvas, kWhite);
  // Samples 0, 0,1, ..., 2: the first moves the pen, then 20 lines.
  ASSERT_EQ(curve.size(), 20u);
  EXPECT_EQ(curve.front().a, (CanvasPoint{800, 600}));
  EXPECT_EQ(curve.back().b, (CanvasPoint{1000, 200}));
}

// The derivative is drawn red without a grid, with the gaps of its function.
TEST_F(Curve, DerivativeIsRedWithoutGridAndHasTheGapsOfItsFunction) {
  testing::DrawLine(canvas, "ln(x)", testing::Fields("1", "1"), kFrame, 100, true, kRed);
  EXPECT_TRUE(testing::OpsOf(canvas, CanvasOp::Text).empty());
  bool seen = false;
  for (const RecordedOp& r : testing::OpsOf(canvas, CanvasOp::LineTo)) {
    EXPECT_EQ(r.pen, (CanvasPen{kRed, PenStyle::Solid, 1}));
    EXPECT_GE(std::min(r.a.x, r.b.x), 800);
    seen = seen || r.b == CanvasPoint{900, 500};  // 1/x at x = 1 is 1
  }
  EXPECT_TRUE(seen);
}

// A failing term that reads no x fails alike everywhere: nothing drawn, the text
// evaluator's message left, decided from a few points instead of every sample.
class UnreadableCurve : public testing::EngineTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnreadableCurve, DrawsNothingAndLeavesTheEvaluatorsMessage) {
  const std::string term = GetParam();
  // The evaluator's message once a parameter the first evaluation adds is there.
  EvalTermAt(term, 0.5L);
  MathErrorText().clear();
  EvalTermAt(term, 0.25L);
  const std::string expected = MathErrorText();
  ASSERT_FALSE(expected.empty()) << "no failing term: " << term;
  ParamLine() = " ";
  ParamLines().setLines({});
  messages.clear();
  RecordingCanvas canvas;
  const std::uint64_t before = MathErrorCount();
  testing::DrawLine(canvas, term, PlotFieldTexts{}, kFrame, 100);
  EXPECT_EQ(MathErrorText(), expected);
  // 1 601 samples across the frame; a few evaluations decide them all.
  EXPECT_LE(MathErrorCount() - before, 20u);
  // Only "nue" shows a message box, for the parameter n it adds.
  EXPECT_EQ(messages.size(), term.rfind("nue", 0) == 0 ? 1u : 0u);
  EXPECT_TRUE(testing::CurveOf(canvas, kWhite).empty());
}

INSTANTIATE_TEST_SUITE_P(Terms, UnreadableCurve,
                         ::testing::Values("\xA7$%&", "5'/'", "1'1/0", "abc", "(3", "1/0", "wur(0-4)", "nue(3)+q",
                                           "\x91\xFF'3/("));

}  // namespace
}  // namespace lumatik
