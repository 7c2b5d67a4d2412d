#include "plot/plot_items.h"

#include <cmath>
#include <new>

#include "expr/evaluate.h"
#include "plot/plotrender_parts.h"

namespace lumatik {

namespace {

// What reading did to the engine's message: the message it set, if any.
class MessageWatch {
 public:
  MessageWatch() : count_(MathErrorCount()), before_(MathErrorText()) {}
  std::optional<std::string> set() const {
    if (MathErrorCount() == count_ && MathErrorText() == before_) return std::nullopt;
    return MathErrorText();
  }

 private:
  std::uint64_t count_;
  std::string before_;
};

// The words a keyword line reads, in the order its drawing reads them.
int WordsRead(PlotLineKind kind) {
  switch (kind) {
    case PlotLineKind::Text:
      return 2;  // the size is read on its own, with its guard
    case PlotLineKind::Rectangle:
    case PlotLineKind::Segment:
      return 4;
    case PlotLineKind::Circle:
    case PlotLineKind::SmallSquare:
      return 3;
    case PlotLineKind::Function:
      break;
  }
  return 0;
}

void ReadLine(PlotItem& item, const std::string& line) {
  item.kind = PlotLineKindOf(line);
  if (item.kind == PlotLineKind::Function) {
    const FunctionLineParts parts = SplitInterval(line);
    item.term = CompiledTermFor(parts.term);
    item.lower = parts.lower;
    item.upper = parts.upper;
    item.paramLine = ParamLine();
    return;
  }
  for (int n = 0; n < WordsRead(item.kind); ++n) item.words[n] = KeywordArgument(line, n + 2);
  if (item.kind == PlotLineKind::Text) {
    item.fontSize = TextLineFontSize(line);
    item.text = TextLineText(line);
  } else if (item.kind == PlotLineKind::Circle) {
    item.colour = CircleColourOf(line);
  }
}

Extended ToCmX(Extended x, const PlotScale& s) { return x / s.sx + s.dx; }
Extended ToCmY(Extended y, const PlotScale& s) { return y / s.sy + s.dy; }

int UserToPixelX(Extended x, const PlotScale& s, const PlotFrame& f) { return CmToPixelX(ToCmX(x, s), f); }
int UserToPixelY(Extended y, const PlotScale& s, const PlotFrame& f) { return CmToPixelY(ToCmY(y, s), f); }

void DrawKeywordItem(const PlotItem& item, Canvas& canvas, const PlotFrame& f) {
  const PlotScale& s = item.scale;
  const auto& w = item.words;
  switch (item.kind) {
    case PlotLineKind::Text:
      canvas.setFontSize(item.fontSize);
      canvas.textOut(UserToPixelX(w[0], s, f), UserToPixelY(w[1], s, f), item.text);
      break;
    case PlotLineKind::Circle:
      canvas.setBrushColour(item.colour);
      canvas.ellipse(UserToPixelX(w[0] - w[2], s, f), UserToPixelY(w[1] - w[2], s, f),
                     UserToPixelX(w[0] + w[2], s, f), UserToPixelY(w[1] + w[2], s, f));
      break;
    case PlotLineKind::Rectangle:
      canvas.rectangle(UserToPixelX(w[0], s, f), UserToPixelY(w[1], s, f), UserToPixelX(w[2], s, f),
                       UserToPixelY(w[3], s, f));
      break;
    case PlotLineKind::Segment:
      canvas.moveTo(UserToPixelX(w[0], s, f), UserToPixelY(w[1], s, f));
      canvas.lineTo(UserToPixelX(w[2], s, f), UserToPixelY(w[3], s, f));
      break;
    case PlotLineKind::SmallSquare:
      canvas.rectangle(UserToPixelX(w[0] - w[2], s, f), UserToPixelY(w[1] - w[2], s, f),
                       UserToPixelX(w[0] + w[2], s, f), UserToPixelY(w[1] + w[2], s, f));
      break;
    case PlotLineKind::Function:
      break;
  }
}

}  // namespace

PlotItem ReadPlotItem(const std::string& line, const PlotFieldTexts& fields) {
  PlotItem item;
  ReadScaleAgain(item, fields);
  const MessageWatch watch;
  // A line whose reading raises draws nothing; the engine's message stays.
  try {
    ReadLine(item, line);
  } catch (const std::bad_alloc&) {
    throw;  // running out of memory is no unreadable line
  } catch (...) {
    item.drawable = false;
  }
  item.lineMessage = watch.set();
  return item;
}

void ReadScaleAgain(PlotItem& item, const PlotFieldTexts& fields) {
  const MessageWatch watch;
  item.scale = ComputePlotScale(fields);
  item.scaleMessage = watch.set();
}

void DrawPlotItem(bool derivative, const PlotItem& item, Canvas& canvas, const PlotPen& pen,
                  const PlotFrame& frame, int steps, bool label, const std::string& labelText) {
  if (item.scaleMessage) MathErrorText() = *item.scaleMessage;
  if (item.lineMessage) MathErrorText() = *item.lineMessage;
  if (!item.drawable) return;
  if (item.kind != PlotLineKind::Function) {
    DrawKeywordItem(item, canvas, frame);
    return;
  }
  if (ParamLine() != item.paramLine) ParamLine() = item.paramLine;
  // Whatever escapes the engine ends this line only.
  try {
    canvas.setFontColour(pen.colour);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setPenColour(pen.colour == kWhite ? kGridGrey : kGridSilver);
    canvas.setPenWidth(1);
    if (!derivative) DrawGridAndAxes(canvas, item.scale, frame);
    canvas.setPenColour(pen.colour);
    canvas.setFontColour(pen.colour);
    canvas.setPenStyle(pen.style);
    canvas.setPenWidth(pen.width);
    DrawCurve(derivative, *item.term, item.lower, item.upper, canvas, item.scale, frame, EffectiveSteps(steps));
    canvas.setFontSize(12);
    if (label) {
      canvas.textOut(static_cast<int>(std::nearbyint(frame.width * 0.25L)) + frame.offX,
                     static_cast<int>(std::nearbyint(frame.height * 0.05L)), "f(x)=" + labelText);
    }
  } catch (const std::bad_alloc&) {
    throw;  // running out of memory ends the drawing, not just this line
  } catch (...) {
    // The engine's own failures leave this line where it got to.
  }
}

}  // namespace lumatik
