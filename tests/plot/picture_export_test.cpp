// Pictures out of the program: SVG and PDF files hold the items the drawing
// drew, the screen's picture goes to paper as the paper drawing itself, and
// "Als Bild speichern …" walked through with clicks and keys.

#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "draw3d/scene_commands.h"
#include "expr/evaluate.h"
#include "plot/drawing_tape.h"
#include "plot/paint/picture_writer.h"
#include "plot/picture_files.h"
#include "plot/plotredraw.h"
#include "plot/windows/picture_export_dialog.h"
#include "shell/codepage.h"
#include "support/pdf_text.h"
#include "support/window_test_support.h"
#include "plotter_window_fixture.h"

namespace lumatik {
namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 900;

// Two drawings of each picture: for the screen (light on black) and for paper.
struct Picture {
  const char* name;
  std::function<void(Canvas&, bool paper)> draw;
};

// The pen and font an earlier drawing left, on the screen or on paper.
void StartAfterAnotherDrawing(Canvas& canvas, bool paper) {
  canvas.setPenColour(paper ? kWhite : kBlack);
  canvas.setFontColour(paper ? kBlack : kWhite);
}

void DrawPlot(Canvas& canvas, bool paper) {
  ParamLine() = " ";
  const std::vector<std::string> list = {"x^2/4-2",  "sin(x)", "Kreis 1 1 2", "Kreis -3 2 1",
                                         "Strecke 0 0 3 4", Cp1252("Text -6 5 12 |Schöne Parabel"),
                                         "Text 2 -3 10 |f(x)=sin(x)"};
  PlotFieldTexts fields;
  fields.function = list.front();
  StartAfterAnotherDrawing(canvas, paper);
  ClearCanvas(canvas, paper ? kWhite : kBlack, kWidth, kHeight);
  RedrawPlotList(list, fields, RedrawOptions{true, true, paper, 50}, canvas, PlotFrame{0, kWidth, kHeight});
}

void DrawScene(Canvas& canvas, bool paper) {
  StartAfterAnotherDrawing(canvas, paper);
  const std::vector<std::string> lines = {"KREIS M(6|5.5|6) r=2 n=(0 1 1)", "DREIECK A(1|0|1) B(11|7|5) C(2|3|2)",
                                          "KUGEL M(2|9|2) r=2", "Vektor v(3|4|5)", "PUNKT S(7|2|3)"};
  DrawWorksheetScene(lines, std::nullopt, false, canvas, SceneTarget{kWidth, kHeight},
                     paper ? PaperColours() : ScreenColours());
}

const std::vector<Picture>& Pictures() {
  static const std::vector<Picture> pictures = {{"plot", DrawPlot}, {"scene", DrawScene}};
  return pictures;
}

std::map<CanvasOp, int> Count(const std::vector<RecordedOp>& ops, int& solidTexts) {
  std::map<CanvasOp, int> counts;
  solidTexts = 0;
  for (const RecordedOp& op : ops) {
    ++counts[op.op];
    if (op.op == CanvasOp::Text && op.brush.style == BrushStyle::Solid) ++solidTexts;
  }
  return counts;
}

int Occurrences(const QString& text, const QString& pattern) {
  return static_cast<int>(text.count(QRegularExpression(pattern)));
}

// Every line step of the drawing is one step of a polyline in the file.
int PolylineSteps(const QString& svg) {
  int steps = 0;
  QRegularExpression points(QStringLiteral("<polyline[^>]* points=\"([^\"]*)\""));
  for (auto match = points.globalMatch(svg); match.hasNext();)
    steps += static_cast<int>(match.next().captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts).size()) - 1;
  return steps;
}

TEST(PictureFiles, SvgAndPdfHoldEveryLineShapeAndTextTheDrawingDrew) {
  QTemporaryDir folder;
  for (const Picture& picture : Pictures()) {
    SCOPED_TRACE(picture.name);
    RecordingCanvas recorded;
    picture.draw(recorded, true);
    int solidTexts = 0;
    std::map<CanvasOp, int> counts = Count(recorded.ops(), solidTexts);
    ASSERT_GT(counts[CanvasOp::LineTo], 100);
    ASSERT_GT(counts[CanvasOp::Text], 1);
    const auto drawing = [&](Canvas& canvas) { picture.draw(canvas, true); };
    const QString svgPath = folder.filePath(QString::fromLatin1(picture.name) + QStringLiteral(".svg"));
    const QString pdfPath = folder.filePath(QString::fromLatin1(picture.name) + QStringLiteral(".pdf"));
    ASSERT_TRUE(WritePicture(svgPath, PictureFormat::Svg, {kWidth, kHeight}, {}, kWhite, drawing));
    ASSERT_TRUE(WritePicture(pdfPath, PictureFormat::Pdf, {kWidth, kHeight}, {}, kWhite, drawing));

    QFile svgFile(svgPath);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(svgFile.readAll());
    EXPECT_EQ(PolylineSteps(svg), counts[CanvasOp::LineTo]);
    EXPECT_EQ(Occurrences(svg, QStringLiteral("<text")), counts[CanvasOp::Text]);
    EXPECT_EQ(Occurrences(svg, QStringLiteral("<(circle|ellipse)")), counts[CanvasOp::Ellipse]);
    // A text on a solid brush fills its cell first.
    EXPECT_EQ(Occurrences(svg, QStringLiteral("<rect")), counts[CanvasOp::Rectangle] + solidTexts);

    QFile pdfFile(pdfPath);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.read(5) == "%PDF-");
    const std::optional<QString> text = testing::PdfText(pdfPath);
    if (!text) continue;  // no pdftotext here
    const QString words = QString(*text).remove(QLatin1Char(' '));
    for (const RecordedOp& op : recorded.ops()) {
      if (op.op != CanvasOp::Text) continue;
      const QString text = QString::fromStdString(Cp1252ToUtf8(op.text)).remove(QLatin1Char(' '));
      EXPECT_TRUE(words.contains(text)) << text.toStdString();
    }
  }
}

// The screen's picture, kept on the tape and replayed through the paper
// colours, is what the paper drawing draws (and what a command line file
// shows); the tape passes every operation on to the screen unchanged.
TEST(PictureFiles, TheScreensPictureGoesToPaperAsThePaperDrawing) {
  for (const Picture& picture : Pictures()) {
    SCOPED_TRACE(picture.name);
    RecordingCanvas screen;
    DrawingTape tape;
    tape.setArea(kWidth, kHeight);
    {
      TapingCanvas taping(screen, tape);
      // An earlier drawing that the next one covers whole.
      taping.setBrushColour(kRed);
      taping.rectangle(0, 0, 50, 50);
      picture.draw(taping, false);
    }
    EXPECT_EQ(tape.background(), kBlack);
    ASSERT_EQ(tape.ops().size() + 1, screen.ops().size());
    RecordingCanvas paper;
    picture.draw(paper, true);
    RecordingCanvas replayed;
    Replay(tape.ops(), replayed, true);
    ASSERT_EQ(replayed.ops().size(), paper.ops().size());
    for (std::size_t i = 0; i < paper.ops().size(); ++i) {
      const RecordedOp& a = replayed.ops()[i];
      const RecordedOp& b = paper.ops()[i];
      ASSERT_TRUE(a.op == b.op && a.a == b.a && a.b == b.b && a.text == b.text && a.pen == b.pen &&
                  a.brush == b.brush && a.font == b.font)
          << "operation " << i;
    }
  }
}

}  // namespace

namespace testing {
namespace {

class PictureExport : public PlotterOpened {
 protected:
  // "Als Bild speichern …" from the input window's menu "Drucken"; the
  // answer runs in the dialog as it comes up.
  static void SaveAs(std::function<void(TPictureExportDialog*)> answer) {
    AnswerNextDialog([answer](QWidget* modal) {
      auto* dialog = qobject_cast<TPictureExportDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      BecomesActive(dialog);
      answer(dialog);
    });
    ChooseMenu(functionInputWindow, {QStringLiteral("Drucken"), QString::fromUtf8("Als Bild speichern …")});
  }
};

TEST_F(PictureExport, TheGraphGoesIntoAnSvgFileOrIntoAPngOfATypedSize) {
  QTemporaryDir folder;
  DrawTyped("x^2-2");
  const QString svgPath = folder.filePath(QStringLiteral("parabel"));
  SaveAs([&](TPictureExportDialog* dialog) {
    QTest::mouseClick(dialog->RBSvg, Qt::LeftButton);
    testing::TypeInto(dialog->EDatei, svgPath);
    QTest::mouseClick(dialog->BSpeichern, Qt::LeftButton);
  });
  QFile svg(svgPath + QStringLiteral(".svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray content = svg.readAll();
  EXPECT_TRUE(content.contains("<svg") && content.contains("<polyline") && content.contains(">-2</text>"));
  // Paper: the screen's grey grid is silver, its white curve black.
  EXPECT_TRUE(content.contains("stroke=\"#c0c0c0\"") && !content.contains("stroke=\"#858585\""));
  EXPECT_TRUE(content.contains("stroke=\"#000000\"") && !content.contains("stroke=\"#ffffff\""));

  const QString pngPath = folder.filePath(QStringLiteral("klein.png"));
  SaveAs([&](TPictureExportDialog* dialog) {
    QTest::mouseClick(dialog->RBPng, Qt::LeftButton);
    testing::TypeInto(dialog->EDatei, pngPath);
    testing::TypeInto(dialog->EGroesse, QStringLiteral("400x300"));
    QTest::keyClick(Focused(), Qt::Key_Return);
  });
  const QImage png(pngPath);
  ASSERT_EQ(png.size(), QSize(400, 300));
  // White paper under a black curve.
  EXPECT_EQ(png.pixel(2, 2), 0xFFFFFFFFu);
  int black = 0;
  for (int y = 0; y < png.height(); ++y)
    for (int x = 0; x < png.width(); ++x) black += png.pixel(x, y) == 0xFF000000u;
  EXPECT_GT(black, 300);
}

}  // namespace
}  // namespace testing
}  // namespace lumatik
