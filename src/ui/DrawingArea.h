// The drawing area. Everything is drawn on a picture behind the widget, so drawing done
// outside a paint event stays, and a covered drawing comes back unchanged.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "host/Canvas.h"

namespace kvistra::ui {

class DrawingArea : public QWidget {
  Q_OBJECT
 public:
  using Drawing = std::function<void(Canvas&)>;

  explicit DrawingArea(QWidget* parent = nullptr);

  // Draws on the picture; the canvas exists only during the call. What is drawn shows at the
  // next paint.
  void draw(const Drawing& drawing);
  // Has the paint handler draw the picture anew at the next paint.
  void requestRedraw();
  // Draws the picture anew when a redraw was requested or the size changed.
  void setPaintHandler(Drawing handler) { paintHandler_ = std::move(handler); }
  const QImage& picture() const { return picture_; }

 signals:
  // The left button pressed and released on the drawing, in drawing units.
  void pressed(QPoint position);
  void released(QPoint position);
  // The pointer moved over the drawing or left it.
  void pointerMoved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void growPicture(QSize size);

  QImage picture_;
  Drawing paintHandler_;
  bool redrawRequested_ = true;
  // Whether picture_ is the drawing's, as large as the widget has been; until something is
  // drawn it is a single white pixel and the widget paints white.
  bool pictureInUse_ = false;
};

}  // namespace kvistra::ui
