// The curve's cuts, read back from a recording canvas and checked against
// the function written out in C++: every drawn point lies on the graph,
// nothing is drawn where the function is undefined, and no segment joins
// the two sides of a pole.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "expr/lumath.h"
#include "recorded_drawing.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

// 100 pixels per centimetre; frame position 0 at pixel (800|600).
constexpr PlotFrame kFrame{0, 1600, 1200};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using Reference = std::function<double(double)>;

struct CurveCase {
  const char* name;
  const char* term;
  const char* ley;
  int steps;
  Reference f;                  // NaN where the function is undefined
  std::vector<double> singular;  // poles and holes, each on half a pixel
};

std::ostream& operator<<(std::ostream& os, const CurveCase& c) { return os << c.name; }

class CurveTest : public testing::EngineTest {
 protected:
  std::vector<RecordedOp> DrawCurve(const CurveCase& c) {
    ley = EvalTerm(c.ley);
    testing::DrawLine(canvas, c.term, testing::Fields("1", c.ley), kFrame, c.steps);
    return testing::CurveOf(canvas, kWhite);
  }

  double UserX(double px) const { return (px - 800) / 100; }
  double PixelY(double y) const { return 600 - 100 * y * static_cast<double>(ley); }

  // Whether the graph passes through the pixel: somewhere across its width
  // the function is defined and its height lies within half a pixel.
  bool OnGraph(const Reference& f, CanvasPoint p) const {
    double lowest = 1e300;
    double highest = -1e300;
    for (int i = 0; i <= 400; ++i) {
      const double y = f(UserX(p.x - 0.5 + i / 400.0));
      if (std::isnan(y)) continue;
      lowest = std::min(lowest, PixelY(y));
      highest = std::max(highest, PixelY(y));
    }
    return p.y >= lowest - 0.5 && p.y <= highest + 0.5;
  }

  RecordingCanvas canvas;
  long double ley = 1;
};

class CurveCuts : public CurveTest, public ::testing::WithParamInterface<CurveCase> {};

TEST_P(CurveCuts, EveryDrawnPointLiesOnTheGraph) {
  const CurveCase& c = GetParam();
  const std::vector<RecordedOp> curve = DrawCurve(c);
  ASSERT_FALSE(curve.empty());
  for (const RecordedOp& r : curve) {
    EXPECT_TRUE(OnGraph(c.f, r.a)) << r.a.x << "," << r.a.y;
    EXPECT_TRUE(OnGraph(c.f, r.b)) << r.b.x << "," << r.b.y;
  }
}

TEST_P(CurveCuts, NoSegmentCrossesAPoleOrAHole) {
  const CurveCase& c = GetParam();
  for (const RecordedOp& r : DrawCurve(c)) {
    for (const double s : c.singular) {
      const double px = 800 + 100 * s;  // half a pixel: no point rounds onto it
      EXPECT_EQ(r.a.x < px, r.b.x < px) << "segment " << r.a.x << "," << r.a.y << " to " << r.b.x << "," << r.b.y;
    }
  }
}

TEST_P(CurveCuts, BothSidesOfAPoleRunToTheFrameEdge) {
  const CurveCase& c = GetParam();
  const std::vector<RecordedOp> curve = DrawCurve(c);
  for (const double s : c.singular) {
    // A pole: just beside it the graph lies far beyond the frame.
    const bool pole = std::fabs(PixelY(c.f(s - 1e-12)) - 600) > 600 && std::fabs(PixelY(c.f(s + 1e-12)) - 600) > 600;
    if (!pole) continue;
    const double px = 800 + 100 * s;
    bool left = false;
    bool right = false;
    for (const RecordedOp& r : curve) {
      for (const CanvasPoint p : {r.a, r.b}) {
        if (p.y != 0 && p.y != 1200) continue;
        if (p.x < px && p.x > px - 10) left = true;
        if (p.x > px && p.x < px + 10) right = true;
      }
    }
    EXPECT_TRUE(left && right) << "pole at " << s;
  }
}

TEST_P(CurveCuts, NothingIsDrawnWhereTheFunctionIsUndefined) {
  const CurveCase& c = GetParam();
  for (const RecordedOp& r : DrawCurve(c)) {
    // The middle of a segment wider than a pixel lies inside the domain.
    if (std::abs(r.b.x - r.a.x) < 2) continue;
    EXPECT_FALSE(std::isnan(c.f(UserX((r.a.x + r.b.x) / 2.0)))) << r.a.x << " to " << r.b.x;
  }
  // No point of the engine's substitute 0 outside the domain: no pixel on
  // the x axis where the function has no value anywhere across it.
  for (const RecordedOp& r : DrawCurve(c)) {
    for (const CanvasPoint p : {r.a, r.b}) {
      if (p.y != 600) continue;
      bool defined = false;
      for (int i = 0; i <= 100; ++i) defined = defined || !std::isnan(c.f(UserX(p.x - 0.5 + i / 100.0)));
      EXPECT_TRUE(defined) << p.x;
    }
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
        CurveCase{"LogPoleMidway", "ln(abs(x-0,005))", "1", 100,
                  [](double x) { return Ln(std::fabs(x - 0.005)); }, {0.005}},
        CurveCase{"TangentPoles", "tan(Pi*(x-0,005))", "1/100", 100,
                  [](double x) { return std::tan(M_PI * (x - 0.005)); }, {-2.495, -1.495, -0.495, 0.505, 1.505}}),
    [](const ::testing::TestParamInfo<CurveCase>& info) { return std::string(info.param.name); });

TEST_F(CurveTest, LnDrawsNothingLeftOfZeroAndRunsDownToTheFrameEdge) {
  const std::vector<RecordedOp> curve =
      DrawCurve({"", "ln(x)", "1", 100, [](double x) { return Ln(x); }, {}});
  ASSERT_FALSE(curve.empty());
  int lowest = 0;
  for (const RecordedOp& r : curve) {
    EXPECT_GE(std::min(r.a.x, r.b.x), 800);
    lowest = std::max({lowest, r.a.y, r.b.y});
  }
  EXPECT_EQ(lowest, 1200);
  // The engine's message stays the last one, for "Lezter Fehler".
  EXPECT_EQ(MathErrorText().rfind("Logarithmus von", 0), 0u) << MathErrorText();
}

TEST_F(CurveTest, DerivativeHasTheGapsOfItsFunction) {
  testing::DrawLine(canvas, "ln(x)", testing::Fields("1", "1"), kFrame, 100, true, kRed);
  const std::vector<RecordedOp> lines = testing::OpsOf(canvas, CanvasOp::LineTo);
  EXPECT_FALSE(lines.empty());
  for (const RecordedOp& r : lines) EXPECT_GE(std::min(r.a.x, r.b.x), 800);
}

}  // namespace
}  // namespace lumatik
