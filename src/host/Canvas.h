// A drawing surface: the screen's drawing, a printer page or an off-screen picture alike.
// Coordinates are in the surface's own units; text is written with its top-left at (x, y).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/TextEncoding.h"

namespace kvistra {

struct Color {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color Black{0, 0, 0};
inline constexpr Color White{255, 255, 255};
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color Red{255, 0, 0};
// The paths of a shown event: a blue that stays clear on a projector and on grey paper.
inline constexpr Color EventBlue{0, 90, 200};

// Thick is solid and three times as wide: for what must stand out from the tree's lines.
enum class PenStyle { Solid, Dashed, Thick };

// How text is written: the typeface, and the encoding of the texts written in it; UTF-8 texts
// are written in a font that says so, or after Canvas::setTextEncoding.
struct Font {
  std::string family;
  int pixelHeight = 12;
  bool bold = false;
  TextEncoding encoding = TextEncoding::Windows1252;
  friend bool operator==(const Font&, const Font&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void setPen(Color color, PenStyle style) = 0;
  virtual void moveTo(int x, int y) = 0;
  virtual void lineTo(int x, int y) = 0;
  // Text is black, on a background of the brush: it takes the colour of the font, never that
  // of the pen.
  virtual void textOut(int x, int y, std::string_view text) = 0;
  virtual int textWidth(std::string_view text) = 0;
  virtual int textHeight(std::string_view text) = 0;
  // Outlined with the pen and filled with the brush; right and bottom edges excluded.
  virtual void rectangle(int left, int top, int right, int bottom) = 0;
  // Filled with the brush only.
  virtual void fillRect(int left, int top, int right, int bottom) = 0;
  virtual void setFont(const Font& font) = 0;
  // How the texts given from now on are read, in the font set: for display texts amid a drawing
  // whose font the drawer does not choose. setFont sets the encoding of its font.
  virtual void setTextEncoding(TextEncoding encoding) = 0;
  virtual bool isPrinter() const = 0;
  virtual int width() const = 0;
  virtual int height() const = 0;
};

// Texts written while it lives are UTF-8 display texts; Windows-1252 again after it.
class DisplayTexts {
 public:
  explicit DisplayTexts(Canvas& canvas) : canvas_(canvas) {
    canvas_.setTextEncoding(TextEncoding::Utf8);
  }
  ~DisplayTexts() { canvas_.setTextEncoding(TextEncoding::Windows1252); }
  DisplayTexts(const DisplayTexts&) = delete;
  DisplayTexts& operator=(const DisplayTexts&) = delete;

 private:
  Canvas& canvas_;
};

inline void drawLine(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.moveTo(x1, y1);
  canvas.lineTo(x2, y2);
}

}  // namespace kvistra
