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

  // The canvas of the picture, ready to draw on until the next paint or resize.
  Canvas& canvas();
  // Called at every paint before the picture is shown, to draw what must be drawn.
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
};

}  // namespace kvistra::ui
