// The plotter windows' decisions without widgets: input fields and messages, the 3-D
// view's menu, the list takeover, raw print jobs and the printed page.

#include <algorithm>
#include <vector>

#include "plot/graphprint.h"
#include "plot/listtransfer.h"
#include "plot/plotinput.h"
#include "plot/rawprint.h"
#include "plot/recording_canvas.h"
#include "shell/codepage.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

TEST(InputFields, PlainNumbersAndValuesPerCm) {
  for (const char* plain : {"3", "1/2", "0,5", "1.5", "1/90"}) EXPECT_TRUE(IsPlainNumber(plain)) << plain;
  for (const char* other : {"Pi", "2*Pi", "", "1/", "-2", " 2"}) EXPECT_FALSE(IsPlainNumber(other)) << other;
  // The values per centimetre round ties to even.
  EXPECT_EQ(ValuesPerCmOf(0.5L), 0);
  EXPECT_EQ(ValuesPerCmOf(1.5L), 2);
  EXPECT_EQ(ValuesPerCmOf(2.5L), 2);
  EXPECT_EQ(ValuesPerCmOf(-3.2L), -3);
}

TEST(LastErrorReport, WithAndWithoutMessage) {
  EXPECT_EQ(LastErrorReport(""), "Es ist kein Fehler aufgetreten");
  EXPECT_EQ(LastErrorReport("Div. durch Null"),
            Cp1252("Ungültige Funktionswerte werden nicht gezeichnet (zum Beispiel f(0) für f(x)=1/x).\r"
                   "Beim Schaubild berechnen wurde gemeldet:Div. durch Null"));
}

TEST(ChangedView, EachItemChangesItsNumber) {
  const View3DParams start{30, 1, 2, 4, 0, 0};
  EXPECT_EQ(ChangedView(start, ViewChange::AlphaUp).alpha, 35);
  EXPECT_EQ(ChangedView(start, ViewChange::AlphaDown).alpha, 25);
  EXPECT_EQ(ChangedView(start, ViewChange::Down).shiftVertical, -1);
  EXPECT_EQ(ChangedView(start, ViewChange::Up).shiftVertical, 1);
  EXPECT_EQ(ChangedView(start, ViewChange::Right).shiftHorizontal, 1);
  EXPECT_EQ(ChangedView(start, ViewChange::Left).shiftHorizontal, -1);
  const View3DParams bigger = ChangedView(start, ViewChange::UnitYUp);
  EXPECT_EQ((std::vector<long double>{bigger.alpha, bigger.k, bigger.lez}),
            (std::vector<long double>{start.alpha, start.k, start.lez}));
  // Two clicks double or halve a unit.
  View3DParams v = start;
  for (ViewChange c : {ViewChange::UnitXUp, ViewChange::UnitXUp, ViewChange::UnitYDown, ViewChange::UnitYDown,
                       ViewChange::UnitZUp, ViewChange::UnitZUp})
    v = ChangedView(v, c);
  EXPECT_NEAR(static_cast<double>(v.k), 2.0, 1e-17);
  EXPECT_NEAR(static_cast<double>(v.ley), 1.0, 1e-17);
  EXPECT_NEAR(static_cast<double>(v.lez), 8.0, 1e-16);
}

// The first memo line is the function only where it is taken over itself.
TEST(ListTakeover, DropsEmptyTextLinesAndBlankLines) {
  const TakenOverList taken = TakeOverListLines({"", "x^2", "Text 1 2 12 |", "   ", "1/x"});
  EXPECT_EQ(taken.plotList, (std::vector<std::string>{"x^2", "1/x"}));
  EXPECT_EQ(taken.functionText, "");
}

// Takes the first job, then refuses.
struct RefusingSink : RawPrintSink {
  bool sendJob(const std::string& bytes) override {
    jobs.push_back(bytes);
    return jobs.size() == 1;
  }
  std::vector<std::string> jobs;
};

TEST(RawPrinting, ARefusedJobEndsThePrintoutAndIsReported) {
  RefusingSink sink;
  EXPECT_FALSE(RawPrintText({"x^2", "1/x", "x"}, sink));
  EXPECT_EQ(sink.jobs, (std::vector<std::string>{"      x^2\r\n", "      1/x\r\n"}));
}

TEST(PrintedPage, FrameGeometry) {
  // An A4 page at 600 dpi.
  const PlotFrame frame = PrintFrame(4961, 7016);
  EXPECT_EQ(frame.offX, 496);
  EXPECT_EQ(frame.width, 3919);
  EXPECT_EQ(frame.height, 3079);
}

class PrintedGraph : public testing::EngineTest {
 protected:
  int LabelCount() const {
    return static_cast<int>(std::count_if(canvas.ops().begin(), canvas.ops().end(), [](const RecordedOp& op) {
      return op.op == CanvasOp::Text && op.text.rfind("f(x)=", 0) == 0;
    }));
  }
  RecordingCanvas canvas;
  PlotFrame frame = PrintFrame(2480, 3508);
};

// The function's label only with "Alle" and text; the curves black and two pixels wide.
TEST_F(PrintedGraph, LabelOnlyWithAllAndTextCurvesBlackAndTwoPixelsWide) {
  std::vector<std::string> list = {"1/x"};
  PlotFieldTexts fields;
  fields.function = "x^2";
  PrintGraph(list, fields, {false, false, true}, canvas, frame);
  EXPECT_EQ(LabelCount(), 0);
  canvas.clear();
  PrintGraph(list, fields, {true, false, true}, canvas, frame);
  EXPECT_EQ(LabelCount(), 1);
  EXPECT_EQ(list, (std::vector<std::string>{"x^2", "1/x"}));
  canvas.clear();
  PrintGraph(list, fields, {false, true, false}, canvas, frame);
  bool sawCurve = false;
  for (const RecordedOp& op : canvas.ops()) {
    if (op.op != CanvasOp::LineTo || op.pen.width != 2) continue;
    sawCurve = true;
    EXPECT_EQ(op.pen.colour, kBlack);
  }
  EXPECT_TRUE(sawCurve);
}

}  // namespace
}  // namespace lumatik
