// The drawing area. What is drawn on it is kept as the calls that drew it, so drawing done
// outside a paint event stays, a covered drawing comes back unchanged, and the drawing shows at
// any zoom with its text drawn at the zoomed size. Only the part in view is ever painted, on a
// picture as large as the view.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

#include "drawing/RecordedDrawing.h"
#include "drawing/TreeDrawing.h"
#include "host/Canvas.h"
#include "probabilities/BranchKeys.h"
#include "ui/DialogPlacement.h"

namespace kvistra::ui {

class DrawingArea : public QWidget {
  Q_OBJECT
 public:
  using Drawing = std::function<void(Canvas&)>;

  explicit DrawingArea(QWidget* parent = nullptr);

  // Draws on the drawing; the canvas exists only during the call. What is drawn shows at the
  // next paint.
  void draw(const Drawing& drawing);
  // Has the paint handler draw the drawing anew at the next paint.
  void requestRedraw();
  // Measures with the drawing's canvas, drawing nothing.
  void measure(const Drawing& measuring) const;
  // Draws the drawing anew when a redraw was requested or the size changed.
  void setPaintHandler(Drawing handler) { paintHandler_ = std::move(handler); }
  // What the area shows, at 100 % and as large as the area.
  QImage picture() const;
  const RecordedDrawing& recorded() const { return recorded_; }
  // While an event or a reduction is shown: its marked leaves with their values, in drawing
  // units; nothing while neither is shown.
  void setShownEvent(std::optional<QRect> markedLeaves) { shownEvent_ = markedLeaves; }
  // While an event or a reduction is shown: the ink in view and the marked leaves, on the
  // screen, for a dialog to leave in view.
  std::optional<ShownAreas> shownEventOnScreen();
  // Whether the next paint draws anew, so that what is recorded is about to be replaced.
  bool redrawPending() const { return redrawRequested_; }

  double zoom() const { return zoom_; }
  void setZoom(double zoom);
  // Widget pixels and drawing units, one way and the other.
  QPoint toDrawing(QPoint widgetPoint) const;
  QPoint fromDrawing(QPoint drawingPoint) const;
  // The size of the part in view, in pixels: what the drawing had before it could scroll.
  QSize viewSize() const;
  QSize minimumSizeHint() const override;

  // The branches as a screen reader reads them, and the one the keyboard is on (-1 for none),
  // which gets a focus mark while the drawing has the focus. The mark is the window's, never
  // the drawing's: it is printed and copied nowhere.
  void showReadings(std::vector<DrawingReading> readings, int focused);
  const std::vector<DrawingReading>& readings() const { return readings_; }
  int focusedReading() const { return focused_; }
  // Where a reading's branch lies on the screen.
  QRect widgetRectOf(const DrawingReading& reading) const;
  QSize sizeHint() const override { return minimumSizeHint(); }

 signals:
  // The left button pressed and released on the drawing, in drawing units.
  void pressed(QPoint position);
  void released(QPoint position);
  // The pointer moved over the drawing or left it.
  void pointerMoved();
  // Ctrl and the wheel: steps up (positive) or down, at a point of the widget.
  void zoomWheeled(int steps, QPoint at);
  // Something was drawn, or a redraw asked for: what the branches read may have changed (an
  // event's marks).
  void drawn();
  // An arrow key or Enter while the drawing has the focus.
  void branchKeyPressed(kvistra::BranchKey key);
  // The drawing took the keyboard's focus; the window puts the keyboard on a branch.
  void focusEntered();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The drawing's units that the widget's size covers at the zoom.
  QSize drawingUnits() const;
  void render(QImage& target, QRect widgetRect) const;
  void drawingChanged();
  void drawIfRequested();

  RecordedDrawing recorded_;
  Drawing paintHandler_;
  bool redrawRequested_ = true;
  double zoom_ = 1.0;
  // The part in view as last painted, and where it lies on the widget; made at the first paint
  // with something drawn.
  QImage view_;
  QRect viewRect_;
  bool viewStale_ = true;
  QSize extent_;
  int wheelTurn_ = 0;
  std::vector<DrawingReading> readings_;
  int focused_ = -1;
  std::optional<QRect> shownEvent_;
};

}  // namespace kvistra::ui
