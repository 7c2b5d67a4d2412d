// The list window's takeover, raw print jobs and the printed page.

#include <algorithm>

#include "plot/graphprint.h"
#include "plot/listtransfer.h"
#include "plot/rawprint.h"
#include "plot/recording_canvas.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

TEST(ListTakeover, DropsEmptyTextLinesAndBlankLines) {
  const TakenOverList taken = TakeOverListLines({"x^2", "Text 1 2 12 |", "", "   ", "1/x"});
  EXPECT_EQ(taken.plotList, (std::vector<std::string>{"x^2", "1/x"}));
  EXPECT_EQ(taken.functionText, "x^2");
}

TEST(ListTakeover, AnEmptyFirstLineLeavesTheFunctionEmpty) {
  const TakenOverList taken = TakeOverListLines({"", "x^2"});
  EXPECT_EQ(taken.plotList, (std::vector<std::string>{"x^2"}));
  EXPECT_EQ(taken.functionText, "");
}

// Takes jobs until it has `accepted` of them, then refuses.
class CountingSink : public RawPrintSink {
 public:
  explicit CountingSink(std::size_t accepted = 100) : accepted_(accepted) {}
  bool sendJob(const std::string& bytes) override {
    jobs.push_back(bytes);
    return jobs.size() <= accepted_;
  }
  std::vector<std::string> jobs;

 private:
  std::size_t accepted_;
};

TEST(RawPrinting, OneJobPerLineAndAFormFeed) {
  CountingSink sink;
  EXPECT_TRUE(RawPrintText({"x^2", "1/x"}, sink));
  EXPECT_EQ(sink.jobs, (std::vector<std::string>{"      x^2\r\n", "      1/x\r\n", "\f"}));
}

TEST(RawPrinting, ARefusedJobEndsThePrintoutAndIsReported) {
  CountingSink sink(1);
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

TEST_F(PrintedGraph, LabelOnlyWithAllAndText) {
  std::vector<std::string> list = {"1/x"};
  PlotFieldTexts fields;
  fields.function = "x^2";
  PrintGraph(list, fields, {false, false, true}, canvas, frame);
  EXPECT_EQ(LabelCount(), 0);
  canvas.clear();
  PrintGraph(list, fields, {true, false, true}, canvas, frame);
  EXPECT_EQ(LabelCount(), 1);
  EXPECT_EQ(list, (std::vector<std::string>{"x^2", "1/x"}));
}

TEST_F(PrintedGraph, CurvesAreBlackAndTwoPixelsWide) {
  std::vector<std::string> list;
  PlotFieldTexts fields;
  fields.function = "x";
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
