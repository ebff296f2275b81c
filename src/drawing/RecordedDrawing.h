// What was drawn on the screen, kept as the canvas calls that drew it. The screen draws it again
// at any zoom and scroll position from these few kilobytes, where a picture of the whole drawing
// at 400 % would take a hundred megabytes; and its ink tells how far the drawing reaches, for
// scrolling, fitting to the window and cropped pictures.
#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "host/Canvas.h"

namespace kvistra {

// The blank kept around the drawing's ink when it is fitted to the window or cropped.
inline constexpr int InkMargin = 10;

// A rectangle of drawing units, right and bottom excluded.
struct InkBounds {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool empty() const { return right <= left || bottom <= top; }
  void add(int l, int t, int r, int b);
  friend bool operator==(const InkBounds&, const InkBounds&) = default;
};

class RecordedDrawing {
 public:
  // Each drawing starts as a fresh canvas does: in startFont, with a black solid pen at (0, 0).
  explicit RecordedDrawing(Font startFont) : startFont_(std::move(startFont)) {}

  // Adds what draw draws on a canvas of width x height units; texts are measured by measurer,
  // which must start in the start font. A fill of the whole canvas wipes what came before.
  void record(Canvas& measurer, int width, int height, const std::function<void(Canvas&)>& draw);
  // Draws it all again on canvas, which must start white.
  void replay(Canvas& canvas) const;
  void clear();
  bool empty() const { return ink_.empty(); }
  // What the lines, texts and frames cover; white fills are not ink.
  const InkBounds& ink() const { return ink_; }

 private:
  friend class RecordingCanvas;
  struct Begin {};
  struct SetPen {
    Color color;
    PenStyle style;
  };
  struct MoveTo {
    int x, y;
  };
  struct LineTo {
    int x, y;
  };
  struct TextOut {
    int x, y;
    std::string text;
  };
  struct Rectangle {
    int left, top, right, bottom;
  };
  struct FillRect {
    int left, top, right, bottom;
  };
  struct SetFont {
    Font font;
  };
  struct SetTextEncoding {
    TextEncoding encoding;
  };
  using Step = std::variant<Begin, SetPen, MoveTo, LineTo, TextOut, Rectangle, FillRect, SetFont,
                            SetTextEncoding>;

  Font startFont_;
  std::vector<Step> steps_;
  InkBounds ink_;
};

// The ink of what draw draws, measured by measurer: where a cropped picture of it is cut.
InkBounds inkOf(Canvas& measurer, int width, int height, const std::function<void(Canvas&)>& draw);

}  // namespace kvistra
