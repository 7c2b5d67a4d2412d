#include "plot/plotredraw.h"

namespace lumatik {

Colour CurveColour(bool derivative, bool blackCurves) {
  if (derivative) return kRed;
  return blackCurves ? kBlack : kWhite;
}

void ClearCanvas(Canvas& canvas, Colour colour, int width, int height) {
  canvas.setBrushColour(colour);
  canvas.rectangle(0, 0, width, height);
}

void PlotListRedraw::add(std::string line, bool derivative) {
  const std::size_t index = lines_.size();
  lines_.push_back(std::move(line));
  if (derivative) steps_.push_back({index, true, false});
  steps_.push_back({index, false, derivative});
}

PlotListRedraw PlotListRedraw::ForScreen(const std::vector<std::string>& list, const PlotFieldTexts& fields,
                                         const RedrawOptions& options) {
  PlotListRedraw redraw(fields, options);
  if (options.all) {
    for (const std::string& line : list) redraw.add(line, options.derivative);
  } else {
    redraw.add(fields.function, options.derivative);
  }
  for (const std::string& line : list) {
    if (line.rfind("Text", 0) == 0) redraw.add(line, false);
  }
  return redraw;
}

PlotListRedraw PlotListRedraw::ForExport(const std::vector<std::string>& list, const PlotFieldTexts& fields,
                                         bool all, bool derivative) {
  constexpr int kExportValuesPerCm = 50;
  PlotListRedraw redraw(fields, RedrawOptions{all, derivative, true, kExportValuesPerCm});
  for (std::size_t i = 0; i < list.size() && (all || i == 0); ++i) redraw.add(list[i], derivative);
  return redraw;
}

bool PlotListRedraw::draw(Canvas& canvas, const PlotFrame& frame, const KeepDrawing& keepDrawing) {
  while (next_ < steps_.size()) {
    const Step& step = steps_[next_++];
    if (step.sameLineAgain) {
      ReadScaleAgain(current_, fields_);
    } else {
      current_ = ReadPlotItem(lines_[step.line], fields_);
    }
    const PlotPen pen{PenStyle::Solid, 1, CurveColour(step.derivative, options_.blackCurves)};
    DrawPlotItem(step.derivative, current_, canvas, pen, frame, options_.steps, false, fields_.function);
    if (keepDrawing && next_ < steps_.size() && !keepDrawing()) break;
  }
  return finished();
}

void RedrawPlotList(const std::vector<std::string>& list, const PlotFieldTexts& fields,
                    const RedrawOptions& options, Canvas& canvas, const PlotFrame& frame) {
  PlotListRedraw::ForScreen(list, fields, options).draw(canvas, frame);
}

void RedrawForExport(const std::vector<std::string>& list, const PlotFieldTexts& fields, bool all,
                     bool derivative, Canvas& canvas, const PlotFrame& frame) {
  PlotListRedraw::ForExport(list, fields, all, derivative).draw(canvas, frame);
}

}  // namespace lumatik
