#include "ui/DrawingArea.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "ui/PictureCanvas.h"
#include "ui/QtCanvas.h"

namespace kvistra::ui {

namespace {
const Font DrawingFont{"Arial", 12, true};
}

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent) {
  setObjectName("drawingArea");
  setAccessibleName("Tegning");
  setFont(toQFont(DrawingFont));
  setAttribute(Qt::WA_OpaquePaintEvent);
  // A move without a button pressed takes the branch hint away too.
  setMouseTracking(true);
  growPicture(QSize(1, 1));
}

void DrawingArea::draw(const Drawing& drawing) {
  // The picture is made at the first drawing; a drawing that only measures text, or draws
  // nothing (the screen's paint before a tree is complete), leaves it unmade.
  const auto pictureInUse = [this]() -> QImage& {
    if (!pictureInUse_) {
      pictureInUse_ = true;
      growPicture(size());
    }
    return picture_;
  };
  PictureCanvas canvas(pictureInUse, font(), pictureInUse_ ? picture_.size() : size());
  drawing(canvas);
  update();
}

void DrawingArea::growPicture(QSize size) {
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

void DrawingArea::requestRedraw() {
  redrawRequested_ = true;
  update();
}

void DrawingArea::paintEvent(QPaintEvent* event) {
  // The picture keeps everything drawn on it, so an uncovered drawing needs no redraw; drawing
  // done directly, such as a highlighted branch, then stays until a redraw is asked for.
  if (redrawRequested_ && paintHandler_) {
    redrawRequested_ = false;
    draw(paintHandler_);
  }
  QPainter painter(this);
  if (!pictureInUse_) {
    painter.fillRect(event->rect(), Qt::white);
    return;
  }
  painter.drawImage(event->rect(), picture_, event->rect());
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
  // The picture follows the widget as it grows. It is kept when the widget shrinks: a drawing
  // made outside painting, such as a tree being built, has nothing that could draw it again.
  if (pictureInUse_) growPicture(event->size());
  redrawRequested_ = true;
  QWidget::resizeEvent(event);
}

void DrawingArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressed(event->position().toPoint());
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit released(event->position().toPoint());
}

void DrawingArea::mouseMoveEvent(QMouseEvent*) {
  emit pointerMoved();
}

void DrawingArea::leaveEvent(QEvent*) {
  emit pointerMoved();
}

}  // namespace kvistra::ui
