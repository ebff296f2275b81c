#include "ui/PictureCanvas.h"

namespace kvistra::ui {

PictureCanvas::PictureCanvas(std::function<QImage&()> picture, const QFont& font, QSize size)
    : picture_(std::move(picture)), startFont_(font), size_(size) {}

void PictureCanvas::setPen(Color color, PenStyle style) {
  pen_ = Pen{color, style};
  if (drawing_) drawing_->setPen(color, style);
}

void PictureCanvas::moveTo(int x, int y) {
  position_ = {x, y};
  if (drawing_) drawing_->moveTo(x, y);
}

void PictureCanvas::setFont(const Font& font) {
  font_ = font;
  if (measuring_) measuring_->setFont(font);
  if (drawing_) drawing_->setFont(font);
}

QtCanvas& PictureCanvas::open(Surface& surface, QPaintDevice& device) {
  surface.painter.begin(&device);
  surface.painter.setFont(startFont_);
  QtCanvas& canvas = surface.canvas.emplace(surface.painter, size_, false);
  if (font_) canvas.setFont(*font_);
  if (pen_) canvas.setPen(pen_->color, pen_->style);
  canvas.moveTo(position_.x(), position_.y());
  return canvas;
}

QtCanvas& PictureCanvas::drawing() {
  if (!drawing_) {
    QImage& picture = picture_();
    size_ = picture.size();
    drawing_ = &open(drawingSurface_, picture);
  }
  return *drawing_;
}

QtCanvas& PictureCanvas::measuring() {
  if (drawing_) return *drawing_;
  if (!measuring_) {
    scratch_ = QImage(1, 1, QImage::Format_RGB32);
    measuring_ = &open(measuringSurface_, scratch_);
  }
  return *measuring_;
}

}  // namespace kvistra::ui
