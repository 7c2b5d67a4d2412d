#pragma once

// What a drawing surface shows, kept as canvas operations, so that the same
// picture can be drawn again on another device (a picture file, a page).
// A fill that covers the whole surface makes everything before it
// invisible; the tape then starts again from that fill.

#include <vector>

#include "plot/recording_canvas.h"

namespace lumatik {

class DrawingTape {
 public:
  // The surface's size in pixels: the fill that covers it starts the tape anew.
  void setArea(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  void add(const RecordedOp& op);
  void clear() { ops_.clear(); }
  const std::vector<RecordedOp>& ops() const { return ops_; }
  // The colour of the fill that started the tape; black before any.
  Colour background() const { return background_; }

 private:
  std::vector<RecordedOp> ops_;
  int width_ = 0;
  int height_ = 0;
  Colour background_ = kBlack;
};

// Draws on the target canvas and keeps every operation on the tape. It
// starts with the target's state and leaves its own there when it ends.
class TapingCanvas : public OperationCanvas {
 public:
  TapingCanvas(Canvas& target, DrawingTape& tape);
  ~TapingCanvas() override;

 protected:
  void take(const RecordedOp& op) override;

 private:
  Canvas& target_;
  DrawingTape& tape_;
};

// Draws the operations again on the canvas, each with its own pen, brush
// and font; on paper with the colours paper takes (OnPaper, FillOnPaper).
void Replay(const std::vector<RecordedOp>& ops, Canvas& canvas, bool onPaper = false);

}  // namespace lumatik
