// The drawing area. Everything is drawn on a picture behind the widget, so drawing done
// outside a paint event stays, and a covered drawing comes back unchanged.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/QtCanvas.h"

namespace kvistra::ui {

class PaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit PaintBox(QWidget* parent = nullptr);
  ~PaintBox() override;

  // The canvas of the picture, ready to draw on until the next paint or resize. What is drawn
  // on it is shown at the next paint.
  Canvas& canvas();
  // Has the paint handler draw the picture anew at the next paint.
  void requestRedraw();
  // Called before the picture is shown when a redraw was requested or the size changed.
  void setPaintHandler(std::function<void()> handler) { paintHandler_ = std::move(handler); }
  const QImage& picture();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void finishDrawing();
  void growPicture(QSize size);

  QImage picture_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QtCanvas> canvas_;
  std::function<void()> paintHandler_;
  bool redrawRequested_ = true;
};

}  // namespace kvistra::ui
