#include "ui/DrawingArea.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>
#include <optional>
#include <utility>

#include "drawing/Zoom.h"
#include "ui/DrawingAccessibility.h"
#include "ui/QtCanvas.h"

namespace kvistra::ui {

namespace {

const Font DrawingFont{"Arial", 12, true};

// Measures text in the drawing's fonts and draws nothing. A font's metrics are looked up only
// when a text is measured: at start, and while no tree is complete, the drawing measures nothing,
// and looking a font up is the dearest step before the first frame.
class MeasuringCanvas final : public Canvas {
 public:
  explicit MeasuringCanvas(const QFont& startFont) : startFont_(startFont) {}

  void setPen(Color, PenStyle) override {}
  void moveTo(int, int) override {}
  void lineTo(int, int) override {}
  void textOut(int, int, std::string_view) override {}
  int textWidth(std::string_view text) override { return measuring().textWidth(text); }
  int textHeight(std::string_view text) override { return measuring().textHeight(text); }
  void rectangle(int, int, int, int) override {}
  void fillRect(int, int, int, int) override {}
  void setFont(const Font& font) override {
    font_ = font;
    encoding_ = font.encoding;
    if (canvas_) canvas_->setFont(font);
  }
  void setTextEncoding(TextEncoding encoding) override {
    encoding_ = encoding;
    if (canvas_) canvas_->setTextEncoding(encoding);
  }
  bool isPrinter() const override { return false; }
  int width() const override { return 1; }
  int height() const override { return 1; }

 private:
  QtCanvas& measuring() {
    if (!canvas_) {
      scratch_ = QImage(1, 1, QImage::Format_RGB32);
      painter_.begin(&scratch_);
      painter_.setFont(startFont_);
      canvas_.emplace(painter_, scratch_.size(), false);
      if (font_) canvas_->setFont(*font_);
      canvas_->setTextEncoding(encoding_);
    }
    return *canvas_;
  }

  QFont startFont_;
  std::optional<Font> font_;
  TextEncoding encoding_ = TextEncoding::Windows1252;
  QImage scratch_;
  QPainter painter_;
  std::optional<QtCanvas> canvas_;
};

}  // namespace

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent), recorded_(DrawingFont) {
  setObjectName("drawingArea");
  setAccessibleName("Tegning");
  setFont(toQFont(DrawingFont));
  setAttribute(Qt::WA_OpaquePaintEvent);
  // A move without a button pressed takes the branch hint away too.
  setMouseTracking(true);
  // A tab stop, so the tree can be worked from the keyboard.
  setFocusPolicy(Qt::StrongFocus);
}

void DrawingArea::measure(const Drawing& measuring) const {
  MeasuringCanvas measurer(font());
  measuring(measurer);
}

QSize DrawingArea::drawingUnits() const {
  return QSize(static_cast<int>(std::ceil(width() / zoom_)),
               static_cast<int>(std::ceil(height() / zoom_)));
}

void DrawingArea::draw(const Drawing& drawing) {
  const QSize units = drawingUnits();
  measure([&](Canvas& measurer) {
    recorded_.record(measurer, units.width(), units.height(), drawing);
  });
  drawingChanged();
  emit drawn();
}

void DrawingArea::drawingChanged() {
  viewStale_ = true;
  const InkBounds& ink = recorded_.ink();
  const QSize extent = ink.empty() ? QSize() : QSize(ink.right + InkMargin, ink.bottom + InkMargin);
  if (extent != extent_) {
    extent_ = extent;
    updateGeometry();
  }
  update();
}

void DrawingArea::requestRedraw() {
  redrawRequested_ = true;
  update();
  emit drawn();
}

void DrawingArea::setZoom(double zoom) {
  zoom = boundedZoom(zoom);
  if (zoom == zoom_) return;
  zoom_ = zoom;
  viewStale_ = true;
  updateGeometry();
  update();
}

QPoint DrawingArea::toDrawing(QPoint widgetPoint) const {
  return QPoint(static_cast<int>(std::floor(widgetPoint.x() / zoom_)),
                static_cast<int>(std::floor(widgetPoint.y() / zoom_)));
}

QPoint DrawingArea::fromDrawing(QPoint drawingPoint) const {
  return QPoint(qRound(drawingPoint.x() * zoom_), qRound(drawingPoint.y() * zoom_));
}

QSize DrawingArea::viewSize() const {
  return parentWidget() ? parentWidget()->size() : size();
}

QSize DrawingArea::minimumSizeHint() const {
  return QSize(qRound(extent_.width() * zoom_), qRound(extent_.height() * zoom_));
}

void DrawingArea::render(QImage& target, QRect widgetRect) const {
  target.fill(Qt::white);
  QPainter painter(&target);
  painter.translate(-widgetRect.topLeft());
  painter.scale(zoom_, zoom_);
  painter.setFont(font());
  QtCanvas canvas(painter, drawingUnits(), false);
  recorded_.replay(canvas);
}

QImage DrawingArea::picture() const {
  QImage shown(size(), QImage::Format_RGB32);
  render(shown, rect());
  return shown;
}

void DrawingArea::drawIfRequested() {
  if (redrawRequested_ && paintHandler_) {
    redrawRequested_ = false;
    draw(paintHandler_);
  }
}

void DrawingArea::paintEvent(QPaintEvent* event) {
  drawIfRequested();
  QPainter painter(this);
  if (recorded_.empty()) {
    painter.fillRect(event->rect(), Qt::white);
    return;
  }
  // Painted again only when the drawing, the zoom or the part in view changed; an uncovered
  // window takes it from the picture.
  const QRect visible = visibleRegion().boundingRect();
  if (viewStale_ || !viewRect_.contains(event->rect())) {
    const QRect wanted = visible.united(event->rect());
    if (view_.size() != wanted.size()) view_ = QImage(wanted.size(), QImage::Format_RGB32);
    viewRect_ = wanted;
    render(view_, viewRect_);
    viewStale_ = false;
  }
  painter.drawImage(event->rect(), view_, event->rect().translated(-viewRect_.topLeft()));
  if (hasFocus() && focused_ >= 0 && focused_ < static_cast<int>(readings_.size())) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(widgetRectOf(readings_[focused_]).adjusted(-2, -2, 2, 2));
  }
}

void DrawingArea::showReadings(std::vector<DrawingReading> readings, int focused) {
  const bool markMoved =
      focused != focused_ || (focused >= 0 && (readings_.size() != readings.size() ||
                                               readings[focused].left != readings_[focused].left));
  if (readings.size() < readings_.size()) announceRemovedReadings(*this, readings.size());
  const std::vector<DrawingReading> before = std::exchange(readings_, std::move(readings));
  const int focusedBefore = std::exchange(focused_, focused);
  if (markMoved && hasFocus()) update();
  announceReadings(*this, before, focusedBefore);
}

QRect DrawingArea::widgetRectOf(const DrawingReading& reading) const {
  return QRect(fromDrawing(QPoint(reading.left, reading.top)),
               fromDrawing(QPoint(reading.right, reading.bottom)));
}

std::optional<ShownAreas> DrawingArea::shownEventOnScreen() {
  // A dialog placed before the next paint must see the drawing as that paint will show it.
  drawIfRequested();
  if (!shownEvent_) return std::nullopt;
  const QRect inView = visibleRegion().boundingRect();
  const auto onScreen = [&](const QRect& drawn) {
    const QRect shown =
        QRect(fromDrawing(drawn.topLeft()), fromDrawing(drawn.bottomRight())) & inView;
    return shown.isEmpty() ? QRect() : QRect(mapToGlobal(shown.topLeft()), shown.size());
  };
  const InkBounds& ink = recorded_.ink();
  const QRect inkRect =
      ink.empty() ? QRect()
                  : QRect(QPoint(ink.left, ink.top), QPoint(ink.right - 1, ink.bottom - 1));
  return ShownAreas{QRect(), onScreen(inkRect), onScreen(*shownEvent_)};
}

void DrawingArea::keyPressEvent(QKeyEvent* event) {
  static const std::pair<int, BranchKey> keys[] = {
      {Qt::Key_Up, BranchKey::Up},        {Qt::Key_Down, BranchKey::Down},
      {Qt::Key_Right, BranchKey::Right},  {Qt::Key_Left, BranchKey::Left},
      {Qt::Key_Return, BranchKey::Enter}, {Qt::Key_Enter, BranchKey::Enter},
      {Qt::Key_Space, BranchKey::Enter}};
  for (const auto& [key, branchKey] : keys)
    if (event->key() == key && !(event->modifiers() & Qt::ControlModifier)) {
      emit branchKeyPressed(branchKey);
      return;
    }
  QWidget::keyPressEvent(event);
}

void DrawingArea::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
  // Qt tells of the drawing's own focus after this handler; the branch is marked and told once
  // after that, so a screen reader ends on the branch.
  QTimer::singleShot(0, this, [this] {
    const int before = focused_;
    emit focusEntered();
    if (focused_ == before) announceFocus(*this);
  });
}

void DrawingArea::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
  redrawRequested_ = true;
  viewStale_ = true;
  QWidget::resizeEvent(event);
}

void DrawingArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressed(toDrawing(event->position().toPoint()));
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit released(toDrawing(event->position().toPoint()));
}

void DrawingArea::mouseMoveEvent(QMouseEvent*) {
  emit pointerMoved();
}

void DrawingArea::leaveEvent(QEvent*) {
  emit pointerMoved();
}

void DrawingArea::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    event->ignore();  // the scroll area scrolls
    return;
  }
  // A wheel turns in notches of 120; a touchpad sends less at a time.
  wheelTurn_ += event->angleDelta().y();
  const int steps = wheelTurn_ / 120;
  wheelTurn_ %= 120;
  if (steps != 0) emit zoomWheeled(steps, event->position().toPoint());
  event->accept();
}

}  // namespace kvistra::ui
