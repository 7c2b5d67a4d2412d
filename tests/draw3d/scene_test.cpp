// Whole scenes: the frame, scenes that cannot be drawn whole (named in the
// hint, never a crash, hang or stray coordinate), the menu commands, and the
// lines a geometry command writes read back as the points it computed.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

#include "draw3d/scene.h"
#include "draw3d/scene_commands.h"
#include "geometry/geometry_commands.h"
#include "scene_fixture.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik::testing {
namespace {

class WholeSceneTest : public SceneTest {
 protected:
  SceneDrawing Draw(const std::vector<std::string>& lines, const View3DParams& view = FirstDrawingView()) {
    std::vector<std::string> cp;
    for (const std::string& line : lines) cp.push_back(Cp1252(line));
    return Draw3DScene(cp, view, canvas, SceneTarget{kWidth, kHeight}, colours);
  }
  int CountLines(std::initializer_list<Colour> colourSet, bool horizontalOnly = false) const {
    int count = 0;
    for (const RecordedOp& op : canvas.ops()) {
      if (op.op != CanvasOp::LineTo || (horizontalOnly && op.a.y != op.b.y)) continue;
      for (const Colour c : colourSet) count += op.pen.colour == c ? 1 : 0;
    }
    return count;
  }
  // Every stroke inside the picture, every text near it.
  void ExpectOnlySanePixels(const std::string& context) const {
    for (const RecordedOp& op : canvas.ops()) {
      if (op.op == CanvasOp::LineTo) {
        for (const CanvasPoint p : {op.a, op.b})
          ASSERT_TRUE(p.x >= 0 && p.x < kWidth && p.y >= 0 && p.y < kHeight) << context;
      } else if (op.op == CanvasOp::Text) {
        ASSERT_TRUE(std::abs(op.a.x) < 4 * kWidth && std::abs(op.a.y) < 4 * kHeight) << context;
      }
    }
  }
};

constexpr Colour kFloor[] = {0x800080, 0x800080 + 50};
constexpr Colour kBackWall[] = {0x008000, 0x008000 + 12800};
constexpr Colour kSideWall[] = {0xFF0000, 0xFF0000 + 150};

TEST_F(WholeSceneTest, FrameShowsHeaderGridAndAxes) {
  const SceneDrawing drawing = Draw({});
  const RecordedOp& fill = canvas.ops().front();
  EXPECT_TRUE(fill.op == CanvasOp::Rectangle && fill.brush.colour == kBlack);
  EXPECT_EQ(fill.b, (CanvasPoint{kWidth, kHeight}));
  ASSERT_GE(Texts().size(), 2u);
  EXPECT_EQ(Texts()[0].text, "al=135 k=0,707 LEy=1 LEz=1");
  EXPECT_EQ(Texts()[0].a, (CanvasPoint{30, 30}));
  EXPECT_EQ(Texts()[1].text, Cp1252("Ändern: Rechte Maustaste"));
  EXPECT_EQ(Texts()[1].font.size, 10);
  // Floor: 12 lines across x1 and 10 along it; back wall 12 and 6; side wall
  // 10 and 6, of which those at x2 = 9 and 10 lie right of the picture.
  EXPECT_EQ(CountLines({kFloor[0], kFloor[1]}), 22);
  EXPECT_EQ(CountLines({kFloor[0]}), 11);
  EXPECT_EQ(CountLines({kBackWall[0], kBackWall[1]}), 18);
  EXPECT_EQ(CountLines({kSideWall[0], kSideWall[1]}), 14);
  EXPECT_EQ(CountLines({kFloor[0], kFloor[1]}, true), 12);
  const auto white = Lines(kWhite, PenStyle::Solid);
  ASSERT_FALSE(white.empty());
  EXPECT_EQ(white[0].a, ExpectedPixel({0, 0, 0}));
  EXPECT_EQ(white[0].b, ExpectedPixel({12, 0, 0}));
  EXPECT_EQ(drawing.view.alpha, 135);
  EXPECT_TRUE(drawing.hint.empty());
  ExpectOnlySanePixels("frame");
}

struct DegenerateCase {
  const char* line;
  const char* hint;  // a part of the hint's line
  int whiteStrokes;  // of the object, beyond the frame's
};

const DegenerateCase kDegenerate[] = {
    {"DREIECK A(1|1|1) B(1|1|1) C(1|1|1)", "alle Punkte fallen zusammen", 2}, {"Vektor v=(0 0 0)", "Nullvektor", 0},
    {"GERADE A(1|2|3) u(0|0|0)", "Richtungsvektor (0 0 0)", 2}, {"KUGEL M(1|2|3) r=0", "Radius nicht positiv", 2},
    {"Kreis M(1|2|3) r=-1 n=(0 0 1)", "Radius nicht positiv", 2}, {"PUNKT P(1|2|1E30)", "Zahlen zu gro", 0},
    {"Punkt P(10^4000|2|3)", "Zahlen zu gro", 0}, {"Punkt P(1E5000|2|3)", "ist zu gro", 0},
    {"Dreieck A(1|2|3) B(4|5|6)", "es fehlen Zahlen (6 statt 9)", 1},
    {"Spat A(2|-1|1) B(4|-1|1) D(2|-3|1)", "es fehlen Zahlen", 2},
    {"Tetraeder A(1|0|0) B(0|1|0) C(0|0|1) D(1/0|1|1)", "kann nicht berechnet werden", 3},
    {"KREIS M(1|2|3) r=1", "waagrecht", 2}, {"Kugel M(3000|0|0) r=1000", "au\xDF" "erhalb des Bildes", 0},
};

TEST_F(WholeSceneTest, DegenerateLinesDrawWhatTheyCanAndSayWhatNot) {
  const int frameWhite = [&] {
    Draw({});
    const int n = static_cast<int>(Lines(kWhite, PenStyle::Solid).size());
    canvas.clear();
    return n;
  }();
  for (const DegenerateCase& c : kDegenerate) {
    canvas.clear();
    const SceneDrawing drawing = Draw({"Beispiel", c.line});
    EXPECT_NE(drawing.hint.find(Cp1252("Zeile 2 (")), std::string::npos) << c.line << "\n" << drawing.hint;
    EXPECT_NE(drawing.hint.find(c.hint), std::string::npos) << c.line << "\n" << drawing.hint;
    EXPECT_EQ(static_cast<int>(Lines(kWhite, PenStyle::Solid).size()) - frameWhite, c.whiteStrokes) << c.line;
    ExpectOnlySanePixels(c.line);
  }
}

// Lines of every kind with the numbers that break drawings: zero, huge,
// tiny, not computable, missing; views with extreme units. Each scene must
// come back with sane pixels and bounded work.
TEST_F(WholeSceneTest, GeneratedNastyScenesStayInThePicture) {
  const char* keywords[] = {"Punkt", "PUNKT", "Strecke", "STRECKE", "Gerade", "GERADE", "Dreieck", "DREIECK",
                            "Tetraeder", "TETRAEDER", "Parallelogramm", "PARALLELOGRAMM", "Spat", "SPAT",
                            "Vektor", "Kreis", "KREIS", "Kugel", "KUGEL"};
  const char* numbers[] = {"0", "-0", "1", "-7", "2,5", "1/3", "1E-30", "1E30", "-1E300", "123456789",
                           "1/0", "sqrt(2)", "10^4000", "-5'1/2", "1 234,5", "x", ""};
  const Extended units[] = {std::sqrt(2.0L) / 2, 1, 1e-3L, 1e3L, 1e-30L};
  std::mt19937 random(1515);
  const auto pick = [&](auto& array) { return array[random() % std::size(array)]; };
  for (int n = 0; n < 300; ++n) {
    std::vector<std::string> lines;
    const int count = 1 + static_cast<int>(random() % 3);
    for (int l = 0; l < count; ++l) {
      std::string line = pick(keywords);
      const int points = static_cast<int>(random() % 5);
      for (int p = 0; p < points; ++p) {
        line += std::string(" ") + static_cast<char>('A' + p) + "(" + pick(numbers) + "|" + pick(numbers) + "|" +
                pick(numbers) + ")";
      }
      if (random() % 2 == 0) line += std::string(" r=") + pick(numbers);
      lines.push_back(line);
    }
    View3DParams view = FirstDrawingView();
    view.alpha = static_cast<Extended>(static_cast<int>(random() % 720) - 360);
    view.k = pick(units);
    view.ley = pick(units);
    view.lez = pick(units);
    view.shiftHorizontal = static_cast<Extended>(static_cast<int>(random() % 41) - 20);
    canvas.clear();
    const SceneDrawing drawing = Draw(lines, view);
    std::string context;
    for (const std::string& line : lines) context += line + " / ";
    ExpectOnlySanePixels(context);
    ASSERT_LT(canvas.ops().size(), 3000000u) << context;
    ASSERT_EQ(drawing.lines.size(), lines.size());
  }
}

TEST_F(WholeSceneTest, ZeichneAndThePopupMenuDrawWithTheRightView) {
  const SceneTarget target{kWidth, kHeight};
  EXPECT_FALSE(DrawWorksheetScene({}, std::nullopt, false, canvas, target, colours));
  EXPECT_TRUE(canvas.ops().empty());
  const std::vector<std::string> lines{"KUGEL M(2|9|2) r=2"};
  EXPECT_FALSE(DrawWithChangedView(lines, std::nullopt, ViewChange::AlphaUp, canvas, target, colours));
  const auto first = DrawWorksheetScene(lines, std::nullopt, true, canvas, target, colours);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->view.shiftHorizontal, 0);
  const auto standard = DrawWorksheetScene(lines, first->view, true, canvas, target, colours);
  EXPECT_EQ(standard->view.shiftHorizontal, 1);
  View3DParams steep = first->view;
  steep.alpha = 270;
  canvas.clear();
  const auto turned = DrawWithChangedView(lines, steep, ViewChange::AlphaUp, canvas, target, colours);
  ASSERT_TRUE(turned);
  EXPECT_EQ(turned->view.alpha, -85);
  EXPECT_EQ(Texts().at(0).text, "al=-85 k=0,707 LEy=1 LEz=1");
}

// The lines "Dreieck" writes, read back by the drawing, give the circle
// through the corners and the median's midpoint. Coordinates run into the
// tens of thousands, where the program groups digits with blanks.
class WrittenLinesTest : public SceneTest {};

TEST_F(WrittenLinesTest, CircumcircleLineGoesThroughTheCorners) {
  BindGeometryCommands();
  const WorksheetCommandLookup found = FindWorksheetCommand(3, "Dreieck");
  ASSERT_TRUE(found.found && found.run);
  std::mt19937 random(8);
  const auto point = [&](int size) {
    const auto c = [&] { return static_cast<Extended>(static_cast<int>(random() % (2 * size + 1)) - size); };
    return Vec3{c(), c(), c()};
  };
  const auto text = [](const Vec3& p) {
    const auto n = [](Extended x) { return std::to_string(static_cast<long long>(x)); };
    return "(" + n(p.x1) + "|" + n(p.x2) + "|" + n(p.x3) + ")";
  };
  const auto distance = [](const Vec3& a, const Vec3& b) { return static_cast<double>(std::sqrt(Dot(a - b, a - b))); };
  for (int n = 0; n < 60; ++n) {
    const int size = n % 2 == 0 ? 60000 : 9;
    const Vec3 a = point(size), b = point(size), c = point(size);
    const Worksheet sheet =
        RunWorksheetCommand(found.run, {"Dreieck A" + text(a) + " B" + text(b) + " C" + text(c)}, 3);
    const auto written = [&](const std::string& start) {
      for (const std::string& line : sheet.lines())
        if (line.rfind(start, 0) == 0) return std::optional<SceneLine>(SceneLine(line, 1));
      return std::optional<SceneLine>();
    };
    auto circle = written("Kreis U(");
    if (!circle) continue;  // three points on a line
    const auto u = circle->point(1);
    const auto r = circle->value(4);
    ASSERT_TRUE(u && r) << circle->text();
    // Three decimals written: a thousandth or two of error.
    for (const Vec3& corner : {a, b, c})
      EXPECT_NEAR(distance(*u, corner), static_cast<double>(*r), 5e-3) << circle->text();
    auto median = written("Strecke B(");
    ASSERT_TRUE(median && median->point(4));
    EXPECT_NEAR(distance(*median->point(4), 0.5L * (a + c)), 0, 1e-9) << median->text();
  }
}

}  // namespace
}  // namespace lumatik::testing
