#include "ui/DrawingArea.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

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
  QPainter painter(&picture_);
  painter.setFont(font());
  QtCanvas canvas(painter, picture_.size(), false);
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
  painter.drawImage(event->rect(), picture_, event->rect());
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
  growPicture(event->size());
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
