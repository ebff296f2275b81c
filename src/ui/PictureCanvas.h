// The canvas the drawing area lends out. A window-sized picture is the largest piece of memory
// the window holds, and often nothing is drawn on it for a long time (at start, before any
// tree): this canvas asks for the picture only when the first line, text or rectangle is drawn.
// Until then it only measures text, in the same font.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <functional>
#include <optional>

#include "ui/QtCanvas.h"

namespace kvistra::ui {

class PictureCanvas final : public Canvas {
 public:
  // picture gives the picture to draw on, made as large as it must be; it is called once, at the
  // first drawing. font is the font texts start in; size is what width() and height() tell
  // until the picture is there.
  PictureCanvas(std::function<QImage&()> picture, const QFont& font, QSize size);

  void setPen(Color color, PenStyle style) override;
  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override { drawing().lineTo(x, y); }
  void textOut(int x, int y, std::string_view text) override { drawing().textOut(x, y, text); }
  int textWidth(std::string_view text) override { return measuring().textWidth(text); }
  int textHeight(std::string_view text) override { return measuring().textHeight(text); }
  void rectangle(int left, int top, int right, int bottom) override {
    drawing().rectangle(left, top, right, bottom);
  }
  void fillRect(int left, int top, int right, int bottom) override {
    drawing().fillRect(left, top, right, bottom);
  }
  void setFont(const Font& font) override;
  bool isPrinter() const override { return false; }
  int width() const override { return size_.width(); }
  int height() const override { return size_.height(); }

 private:
  struct Pen {
    Color color;
    PenStyle style;
  };
  // A painter on a device and the canvas over it.
  struct Surface {
    QPainter painter;
    std::optional<QtCanvas> canvas;
  };

  QtCanvas& open(Surface& surface, QPaintDevice& device);
  QtCanvas& drawing();
  QtCanvas& measuring();

  std::function<QImage&()> picture_;
  QFont startFont_;
  QSize size_;
  // What was set before the canvas that draws was there, to be set on it.
  std::optional<Pen> pen_;
  std::optional<Font> font_;
  QPoint position_;
  // A QImage measures a font the same at any size: a one-pixel one serves until the picture is
  // there.
  QImage scratch_;
  Surface measuringSurface_;
  Surface drawingSurface_;
  QtCanvas* measuring_ = nullptr;
  QtCanvas* drawing_ = nullptr;
};

}  // namespace kvistra::ui
