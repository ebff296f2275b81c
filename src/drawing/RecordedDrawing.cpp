#include "drawing/RecordedDrawing.h"

#include <algorithm>
#include <optional>

namespace kvistra {

void InkBounds::add(int l, int t, int r, int b) {
  if (r <= l || b <= t) return;
  if (empty()) {
    *this = {l, t, r, b};
    return;
  }
  left = std::min(left, l);
  top = std::min(top, t);
  right = std::max(right, r);
  bottom = std::max(bottom, b);
}

// Forwards measuring to the measurer and keeps every drawing call as a step.
class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas(RecordedDrawing& drawing, Canvas& measurer, int width, int height)
      : drawing_(drawing), measurer_(measurer), width_(width), height_(height) {
    drawing_.steps_.emplace_back(RecordedDrawing::Begin{});
  }

  void setPen(Color color, PenStyle style) override {
    pen_ = {color, style};
    drawing_.steps_.emplace_back(pen_);
  }
  void moveTo(int x, int y) override {
    x_ = x;
    y_ = y;
    drawing_.steps_.emplace_back(RecordedDrawing::MoveTo{x, y});
  }
  void lineTo(int x, int y) override {
    // A thick pen reaches past the line's ends by half its width.
    const int reach = pen_.style == PenStyle::Thick ? 2 : 1;
    drawing_.ink_.add(std::min(x_, x) - reach + 1, std::min(y_, y) - reach + 1,
                      std::max(x_, x) + reach, std::max(y_, y) + reach);
    x_ = x;
    y_ = y;
    drawing_.steps_.emplace_back(RecordedDrawing::LineTo{x, y});
  }
  void textOut(int x, int y, std::string_view text) override {
    drawing_.ink_.add(x, y, x + measurer_.textWidth(text), y + measurer_.textHeight(text));
    drawing_.steps_.emplace_back(RecordedDrawing::TextOut{x, y, std::string(text)});
  }
  int textWidth(std::string_view text) override { return measurer_.textWidth(text); }
  int textHeight(std::string_view text) override { return measurer_.textHeight(text); }
  void rectangle(int left, int top, int right, int bottom) override {
    drawing_.ink_.add(left, top, right, bottom);
    drawing_.steps_.emplace_back(RecordedDrawing::Rectangle{left, top, right, bottom});
  }
  void fillRect(int left, int top, int right, int bottom) override {
    if (left <= 0 && top <= 0 && right >= width_ && bottom >= height_) {
      wipe();
      return;
    }
    drawing_.steps_.emplace_back(RecordedDrawing::FillRect{left, top, right, bottom});
  }
  void setFont(const Font& font) override {
    font_ = font;
    encoding_ = font.encoding;
    measurer_.setFont(font);
    drawing_.steps_.emplace_back(RecordedDrawing::SetFont{font});
  }
  void setTextEncoding(TextEncoding encoding) override {
    encoding_ = encoding;
    measurer_.setTextEncoding(encoding);
    drawing_.steps_.emplace_back(RecordedDrawing::SetTextEncoding{encoding});
  }
  bool isPrinter() const override { return false; }
  int width() const override { return width_; }
  int height() const override { return height_; }

 private:
  // Everything drawn so far is covered: only the canvas's state at this point is kept.
  void wipe() {
    drawing_.clear();
    drawing_.steps_.emplace_back(RecordedDrawing::Begin{});
    if (font_) drawing_.steps_.emplace_back(RecordedDrawing::SetFont{*font_});
    drawing_.steps_.emplace_back(RecordedDrawing::SetTextEncoding{encoding_});
    drawing_.steps_.emplace_back(pen_);
    drawing_.steps_.emplace_back(RecordedDrawing::MoveTo{x_, y_});
  }

  RecordedDrawing& drawing_;
  Canvas& measurer_;
  int width_;
  int height_;
  RecordedDrawing::SetPen pen_{Black, PenStyle::Solid};
  std::optional<Font> font_;
  TextEncoding encoding_ = TextEncoding::Windows1252;
  int x_ = 0;
  int y_ = 0;
};

void RecordedDrawing::record(Canvas& measurer, int width, int height,
                             const std::function<void(Canvas&)>& draw) {
  RecordingCanvas canvas(*this, measurer, width, height);
  draw(canvas);
}

void RecordedDrawing::clear() {
  steps_.clear();
  ink_ = {};
}

void RecordedDrawing::replay(Canvas& canvas) const {
  for (const Step& step : steps_) {
    std::visit(
        [&](const auto& s) {
          using S = std::decay_t<decltype(s)>;
          if constexpr (std::is_same_v<S, Begin>) {
            canvas.setFont(startFont_);
            canvas.setTextEncoding(TextEncoding::Windows1252);
            canvas.setPen(Black, PenStyle::Solid);
            canvas.moveTo(0, 0);
          } else if constexpr (std::is_same_v<S, SetPen>) {
            canvas.setPen(s.color, s.style);
          } else if constexpr (std::is_same_v<S, MoveTo>) {
            canvas.moveTo(s.x, s.y);
          } else if constexpr (std::is_same_v<S, LineTo>) {
            canvas.lineTo(s.x, s.y);
          } else if constexpr (std::is_same_v<S, TextOut>) {
            canvas.textOut(s.x, s.y, s.text);
          } else if constexpr (std::is_same_v<S, Rectangle>) {
            canvas.rectangle(s.left, s.top, s.right, s.bottom);
          } else if constexpr (std::is_same_v<S, FillRect>) {
            canvas.fillRect(s.left, s.top, s.right, s.bottom);
          } else if constexpr (std::is_same_v<S, SetTextEncoding>) {
            canvas.setTextEncoding(s.encoding);
          } else {
            canvas.setFont(s.font);
          }
        },
        step);
  }
}

InkBounds inkOf(Canvas& measurer, int width, int height, const std::function<void(Canvas&)>& draw) {
  RecordedDrawing drawing(Font{});
  drawing.record(measurer, width, height, draw);
  return drawing.ink();
}

}  // namespace kvistra
