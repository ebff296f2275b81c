// A canvas that keeps everything drawn on it, so tests can read back the picture.
#pragma once

#include <string>
#include <vector>

#include "host/Canvas.h"

namespace kvistra::testing {

struct DrawnLine {
  int x1, y1, x2, y2;
  PenStyle style;
  Color color = Black;
  friend bool operator==(const DrawnLine&, const DrawnLine&) = default;
};

struct DrawnText {
  int x, y;
  std::string text;
  TextEncoding encoding = TextEncoding::Windows1252;
  friend bool operator==(const DrawnText&, const DrawnText&) = default;
};

struct DrawnRect {
  int left, top, right, bottom;
  bool filledOnly;
  friend bool operator==(const DrawnRect&, const DrawnRect&) = default;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(bool printer = false, int width = 1000, int height = 700)
      : printer_(printer), width_(width), height_(height) {}

  std::vector<DrawnLine> lines;
  std::vector<DrawnText> texts;
  std::vector<DrawnRect> rects;
  Font font;
  TextEncoding encoding = TextEncoding::Windows1252;
  PenStyle penStyle = PenStyle::Solid;
  Color penColor = Black;

  void clear() {
    lines.clear();
    texts.clear();
    rects.clear();
  }
  bool hasLine(const DrawnLine& line) const;
  bool hasText(int x, int y, const std::string& text) const;
  // Texts written at exactly this y.
  std::vector<std::string> textsAt(int y) const;

  void setPen(Color color, PenStyle style) override {
    penColor = color;
    penStyle = style;
  }
  void moveTo(int x, int y) override {
    penX_ = x;
    penY_ = y;
  }
  void lineTo(int x, int y) override;
  void textOut(int x, int y, std::string_view text) override {
    texts.push_back({x, y, std::string(text), encoding});
  }
  // A fixed-pitch font of 8 units a character and 14 high keeps the numbers easy to check.
  int textWidth(std::string_view text) override { return 8 * static_cast<int>(text.size()); }
  int textHeight(std::string_view) override { return 14; }
  void rectangle(int l, int t, int r, int b) override { rects.push_back({l, t, r, b, false}); }
  void fillRect(int l, int t, int r, int b) override { rects.push_back({l, t, r, b, true}); }
  void setFont(const Font& f) override {
    font = f;
    encoding = f.encoding;
  }
  void setTextEncoding(TextEncoding e) override { encoding = e; }
  bool isPrinter() const override { return printer_; }
  int width() const override { return width_; }
  int height() const override { return height_; }

 private:
  bool printer_;
  int width_, height_;
  int penX_ = 0, penY_ = 0;
};

}  // namespace kvistra::testing
