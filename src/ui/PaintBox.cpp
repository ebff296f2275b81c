#include "ui/PaintBox.h"

#include <QPaintEvent>
#include <QResizeEvent>

namespace kvistra::ui {

namespace {
const Font DrawingFont{"Arial", 12, true};
}

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  setObjectName("PaintBox1");
  setAccessibleName("Tegning");
  setFont(toQFont(DrawingFont));
  setAttribute(Qt::WA_OpaquePaintEvent);
  growPicture(QSize(1, 1));
}

PaintBox::~PaintBox() {
  finishDrawing();
}

Canvas& PaintBox::canvas() {
  if (!canvas_) {
    painter_ = std::make_unique<QPainter>(&picture_);
    painter_->setFont(font());
    canvas_ = std::make_unique<QtCanvas>(*painter_, picture_.size(), false);
  }
  update();
  return *canvas_;
}

const QImage& PaintBox::picture() {
  finishDrawing();
  return picture_;
}

void PaintBox::finishDrawing() {
  canvas_.reset();
  painter_.reset();
}

void PaintBox::growPicture(QSize size) {
  finishDrawing();
  const QSize grown = size.expandedTo(picture_.size());
  if (grown == picture_.size() && !picture_.isNull()) return;
  QImage larger(grown, QImage::Format_RGB32);
  larger.fill(Qt::white);
  if (!picture_.isNull()) {
    QPainter copy(&larger);
    copy.drawImage(0, 0, picture_);
  }
  picture_ = std::move(larger);
}

void PaintBox::requestRedraw() {
  redrawRequested_ = true;
  update();
}

void PaintBox::paintEvent(QPaintEvent* event) {
  // The picture keeps everything drawn on it, so an uncovered drawing needs no redraw; drawing
  // done directly, such as a highlighted branch, then stays until a redraw is asked for.
  if (redrawRequested_ && paintHandler_) {
    redrawRequested_ = false;
    paintHandler_();
  }
  finishDrawing();
  QPainter painter(this);
  painter.drawImage(event->rect(), picture_, event->rect());
}

void PaintBox::resizeEvent(QResizeEvent* event) {
  growPicture(event->size());
  redrawRequested_ = true;
  QWidget::resizeEvent(event);
}

}  // namespace kvistra::ui
