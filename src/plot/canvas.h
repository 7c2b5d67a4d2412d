#pragma once

// The one drawing surface the plotter (and the 3-D drawing) paints on. The
// canvas keeps its pen, brush, font and pen position between calls, like a
// device context: keyword lines of the plot list draw with whatever the
// previous line left behind, so that state is part of the picture.

#include <cstdint>
#include <string>

namespace lumatik {

// 24-bit colours written 0xBBGGRR.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kGridGrey = 0x858585;
inline constexpr Colour kGridSilver = 0xC0C0C0;

inline constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

enum class PenStyle { Solid, Dot };
enum class BrushStyle { Solid, Clear };

struct CanvasPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

struct CanvasPen {
  Colour colour = kBlack;
  PenStyle style = PenStyle::Solid;
  int width = 1;
  friend bool operator==(const CanvasPen&, const CanvasPen&) = default;
};

struct CanvasBrush {
  Colour colour = kWhite;
  BrushStyle style = BrushStyle::Solid;
  friend bool operator==(const CanvasBrush&, const CanvasBrush&) = default;
};

// Size in points; an empty name is the toolkit's sans-serif face.
struct CanvasFont {
  Colour colour = kBlack;
  int size = 8;
  std::string name;
  friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

struct CanvasState {
  CanvasPen pen;
  CanvasBrush brush;
  CanvasFont font;
  CanvasPoint penPosition;
};

// Coordinates are device pixels. Shapes take two opposite corners in any
// order; the right and bottom edge of a rectangle or ellipse box is excluded,
// as on the screen's own canvas.
class Canvas {
 public:
  Canvas() = default;
  explicit Canvas(const CanvasState& state) : state_(state) {}
  virtual ~Canvas() = default;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  const CanvasState& state() const { return state_; }
  void setState(const CanvasState& state) { state_ = state; }

  void setPenColour(Colour c) { state_.pen.colour = c; }
  void setPenStyle(PenStyle s) { state_.pen.style = s; }
  void setPenWidth(int w) { state_.pen.width = w; }
  // Choosing a brush colour also makes the brush solid.
  void setBrushColour(Colour c) {
    state_.brush.colour = c;
    state_.brush.style = BrushStyle::Solid;
  }
  void setBrushStyle(BrushStyle s) { state_.brush.style = s; }
  void setFontColour(Colour c) { state_.font.colour = c; }
  void setFontSize(int points) { state_.font.size = points; }
  void setFontName(const std::string& name) { state_.font.name = name; }

  void moveTo(int x, int y);
  // A line with the pen from the pen position; the pen then stays at (x, y).
  void lineTo(int x, int y);
  // Outlined with the pen, filled with the brush.
  void rectangle(int x1, int y1, int x2, int y2);
  void ellipse(int x1, int y1, int x2, int y2);
  // Windows-1252 text with its upper left corner at (x, y) in the font's
  // colour; a solid brush fills the text's cell first.
  void textOut(int x, int y, const std::string& text);

 protected:
  virtual void onMoveTo(CanvasPoint) {}
  virtual void drawLine(CanvasPoint from, CanvasPoint to) = 0;
  virtual void drawRectangle(CanvasPoint a, CanvasPoint b) = 0;
  virtual void drawEllipse(CanvasPoint a, CanvasPoint b) = 0;
  virtual void drawText(CanvasPoint topLeft, const std::string& text) = 0;

 private:
  CanvasState state_;
};

}  // namespace lumatik
