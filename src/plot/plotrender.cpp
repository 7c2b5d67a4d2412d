#include "plot/plotrender.h"

#include <algorithm>
#include <cmath>

#include "expr/lumath.h"
#include "plot/plotlist.h"
#include "shell/luhilf.h"

namespace lumatik {

namespace {

int ClampedPixel(Extended v) {
  if (std::isnan(v)) return kPixelLimit;
  v = std::clamp<Extended>(std::nearbyint(v), -kPixelLimit, kPixelLimit);
  return static_cast<int>(v);
}

Extended ToCmX(Extended x, const PlotScale& s) { return x / s.sx + s.dx; }
Extended ToCmY(Extended y, const PlotScale& s) { return y / s.sy + s.dy; }

int UserToPixelX(Extended x, const PlotScale& s, const PlotFrame& f) { return CmToPixelX(ToCmX(x, s), f); }
int UserToPixelY(Extended y, const PlotScale& s, const PlotFrame& f) { return CmToPixelY(ToCmY(y, s), f); }

void DrawKeywordLine(PlotLineKind kind, const std::string& line, Canvas& canvas, const PlotScale& s,
                     const PlotFrame& f) {
  auto arg = [&line](int n) { return KeywordArgument(line, n); };
  switch (kind) {
    case PlotLineKind::Text: {
      const Extended x = arg(2);
      const Extended y = arg(3);
      canvas.setFontSize(TextLineFontSize(line));
      canvas.textOut(UserToPixelX(x, s, f), UserToPixelY(y, s, f), TextLineText(line));
      break;
    }
    case PlotLineKind::Circle: {
      const Extended x = arg(2);
      const Extended y = arg(3);
      const Extended r = arg(4);
      canvas.setBrushColour(CircleColourOf(line));
      canvas.ellipse(UserToPixelX(x - r, s, f), UserToPixelY(y - r, s, f), UserToPixelX(x + r, s, f),
                     UserToPixelY(y + r, s, f));
      break;
    }
    case PlotLineKind::Rectangle:
    case PlotLineKind::Segment: {
      const Extended x1 = arg(2);
      const Extended y1 = arg(3);
      const Extended x2 = arg(4);
      const Extended y2 = arg(5);
      const int px1 = UserToPixelX(x1, s, f);
      const int py1 = UserToPixelY(y1, s, f);
      const int px2 = UserToPixelX(x2, s, f);
      const int py2 = UserToPixelY(y2, s, f);
      if (kind == PlotLineKind::Rectangle) {
        canvas.rectangle(px1, py1, px2, py2);
      } else {
        canvas.moveTo(px1, py1);
        canvas.lineTo(px2, py2);
      }
      break;
    }
    case PlotLineKind::SmallSquare: {
      const Extended x = arg(2);
      const Extended y = arg(3);
      const Extended r = arg(4);
      canvas.rectangle(UserToPixelX(x - r, s, f), UserToPixelY(y - r, s, f), UserToPixelX(x + r, s, f),
                       UserToPixelY(y + r, s, f));
      break;
    }
    case PlotLineKind::Function:
      break;
  }
}

// Grid every centimetre, labels on the two centre lines, and an axis only
// where it falls on a whole centimetre of the frame.
void DrawGridAndAxes(Canvas& canvas, const PlotScale& s, const PlotFrame& f) {
  const int w = f.width;
  const int h = f.height;
  canvas.setFontSize(8);
  for (int i = 0; i <= 16; ++i) {
    canvas.setPenStyle(PenStyle::Dot);
    canvas.moveTo(i * w / 16 + f.offX, 0);
    canvas.lineTo(i * w / 16 + f.offX, h);
  }
  for (int i = 0; i <= 12; ++i) {
    canvas.setPenStyle(PenStyle::Dot);
    canvas.moveTo(f.offX, i * h / 12);
    canvas.lineTo(f.offX + w, i * h / 12);
  }
  canvas.setPenStyle(PenStyle::Solid);
  for (int i = -8; i <= 8; ++i) {
    if (i != 0) canvas.textOut(CmToPixelX(i, f), h / 2, FloatText18(AxisLabelValue(i, s.dx, s.sx)));
    if (s.dx == i) {
      canvas.moveTo(CmToPixelX(i, f), 0);
      canvas.lineTo(CmToPixelX(i, f), h);
    }
  }
  for (int i = -5; i <= 6; ++i) {
    if (i != 0) canvas.textOut(w / 2 + f.offX, CmToPixelY(i, f), FloatText18(AxisLabelValue(i, s.dy, s.sy)));
    if (s.dy == i) {
      // The x axis starts at the target's left edge, not at OffX.
      canvas.moveTo(0, CmToPixelY(i, f));
      canvas.lineTo(w, CmToPixelY(i, f));
    }
  }
}

// The curve is cut wherever it leaves the band |ycm| <= 6 and wherever its
// interval ends; there is no other test for jumps or poles. A value that is
// no number at all is cut like one outside the band.
void DrawCurve(bool derivative, const FunctionLineParts& parts, Canvas& canvas, const PlotScale& s,
               const PlotFrame& f, int steps) {
  auto ycm = [&](Extended c) {
    const Extended x = (c - s.dx) * s.sx;
    const Extended y = derivative ? NumDerivative(parts.term, x) : EvalTermAt(parts.term, x);
    return y / s.sy + s.dy;
  };
  const Extended left = parts.lower / s.sx + s.dx;
  const Extended right = parts.upper / s.sx + s.dx;

  Extended y = ycm(-8);
  bool placed = false;
  if (std::fabs(y) <= 8) {
    canvas.moveTo(CmToPixelX(-8, f), CmToPixelY(y, f));
    placed = true;
  }
  bool first = true;
  for (long k = -8L * steps; k <= 8L * steps; ++k) {
    const Extended c = static_cast<Extended>(k) / steps;
    if (c < left || c > right) {
      canvas.moveTo(CmToPixelX(c, f), CmToPixelY(y, f));
      placed = false;
    } else {
      y = ycm(c);
    }
    if (!(std::fabs(y) <= 6)) {
      placed = false;
    } else if (placed) {
      if (first) {
        canvas.moveTo(CmToPixelX(c, f), CmToPixelY(y, f));
        first = false;
      } else {
        canvas.lineTo(CmToPixelX(c, f), CmToPixelY(y, f));
      }
    } else {
      canvas.moveTo(CmToPixelX(c, f), CmToPixelY(y, f));
      placed = true;
    }
  }
}

}  // namespace

PlotScale ComputePlotScale(const PlotFieldTexts& fields) {
  Extended lex = 1;
  Extended ley = 1;
  PlotScale scale;
  try {
    lex = EvalTerm(fields.lex);
    ley = EvalTerm(fields.ley);
    scale.dx = -EvalTerm(fields.x0) * lex;
    scale.dy = -EvalTerm(fields.y0) * ley;
  } catch (...) {
    // The readings made so far stay; the others keep their defaults.
  }
  scale.sx = lex == 0 ? 1 : 1 / lex;
  scale.sy = ley == 0 ? 1 : 1 / ley;
  return scale;
}

int CmToPixelX(Extended xcm, const PlotFrame& frame) {
  const Extended w = frame.width;
  return ClampedPixel(w * xcm / 16 + w / 2 + frame.offX);
}

int CmToPixelY(Extended ycm, const PlotFrame& frame) {
  const Extended h = frame.height;
  return ClampedPixel(h / 2 - h * ycm / 12);
}

Extended AxisLabelValue(int i, Extended shift, Extended scale) {
  return std::nearbyint((i - shift) * scale * 100) / 100;
}

UserPoint PixelToUser(int px, int py, int width, int height, const PlotScale& s) {
  const Extended xcm = static_cast<Extended>(static_cast<long>(px) * 16) / width - 8;
  const Extended ycm = 6 - static_cast<Extended>(static_cast<long>(py) * 12) / height;
  return {xcm * s.sx - s.dx * s.sx, ycm * s.sy - s.dy * s.sy};
}

int EffectiveSteps(int valuesPerCm) { return std::clamp(valuesPerCm, 1, kMaxValuesPerCm); }

void DrawPlotLine(bool derivative, const std::string& line, Canvas& canvas, const PlotPen& pen,
                  const PlotFrame& frame, int steps, bool label, const PlotFieldTexts& fields) {
  // A bad line never stops the drawing: the engine answers with substitute
  // values, and whatever still escapes ends this line only.
  try {
    const PlotScale scale = ComputePlotScale(fields);
    const PlotLineKind kind = PlotLineKindOf(line);
    if (kind != PlotLineKind::Function) {
      DrawKeywordLine(kind, line, canvas, scale, frame);
      return;
    }
    const FunctionLineParts parts = SplitInterval(line);
    canvas.setFontColour(pen.colour);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setPenColour(pen.colour == kWhite ? kGridGrey : kGridSilver);
    canvas.setPenWidth(1);
    if (!derivative) DrawGridAndAxes(canvas, scale, frame);
    canvas.setPenColour(pen.colour);
    canvas.setFontColour(pen.colour);
    canvas.setPenStyle(pen.style);
    canvas.setPenWidth(pen.width);
    DrawCurve(derivative, parts, canvas, scale, frame, EffectiveSteps(steps));
    canvas.setFontSize(12);
    if (label) {
      canvas.textOut(static_cast<int>(std::nearbyint(frame.width * 0.25L)) + frame.offX,
                     static_cast<int>(std::nearbyint(frame.height * 0.05L)), "f(x)=" + fields.function);
    }
  } catch (...) {
  }
}

}  // namespace lumatik
