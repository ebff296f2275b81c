#include "ui/QtCanvas.h"

#include <QFontMetrics>

#include "ui/TextConversion.h"

namespace kvistra::ui {

QFont toQFont(const Font& font) {
  QFont qfont(QString::fromStdString(font.family));
  qfont.setPixelSize(font.pixelHeight);
  qfont.setBold(font.bold);
  return qfont;
}

QtCanvas::QtCanvas(QPainter& painter, QSize size, bool printer)
    : painter_(painter), size_(size), printer_(printer) {
  QtCanvas::setPen(Black, PenStyle::Solid);
  painter_.setBrush(Qt::white);
}

void QtCanvas::setPen(Color color, PenStyle style) {
  // On screen and pictures width 0 is the one-pixel pen. On paper a one-dot line is too faint
  // to see and its dashes too short to tell from a solid line, so there the pen is one page
  // unit wide and scales with the page.
  painter_.setPen(QPen(QColor(color.red, color.green, color.blue), printer_ ? 1 : 0,
                       style == PenStyle::Dashed ? Qt::DashLine : Qt::SolidLine));
}

void QtCanvas::lineTo(int x, int y) {
  painter_.drawLine(position_, QPoint(x, y));
  position_ = {x, y};
}

void QtCanvas::textOut(int x, int y, std::string_view text) {
  const QFontMetrics metrics(painter_.font(), painter_.device());
  const QString shown = toQt(text);
  const int baseline = y + metrics.ascent();
  // Text is written on the brush, so a text written again where it stands (a tree writes shared
  // names once per path) looks the same, and a new value, or blanks, cover the one before it.
  // The brush covers only the rows that letters and digits reach: the font's leading above
  // them is where the line of the branch above runs in the tightest trees.
  const int top = baseline - metrics.capHeight() - 1;
  painter_.fillRect(
      QRect(x, top, metrics.horizontalAdvance(shown), baseline + metrics.descent() - top),
      painter_.brush());
  const QPen pen = painter_.pen();
  painter_.setPen(Qt::black);
  painter_.drawText(QPoint(x, baseline), shown);
  painter_.setPen(pen);
}

int QtCanvas::textWidth(std::string_view text) {
  return QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(toQt(text));
}

int QtCanvas::textHeight(std::string_view) {
  return QFontMetrics(painter_.font(), painter_.device()).height();
}

void QtCanvas::rectangle(int left, int top, int right, int bottom) {
  painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::fillRect(int left, int top, int right, int bottom) {
  painter_.fillRect(QRect(left, top, right - left, bottom - top), painter_.brush());
}

void QtCanvas::setFont(const Font& font) {
  painter_.setFont(toQFont(font));
}

}  // namespace kvistra::ui
