#include "ui/QtCanvas.h"

#include <QTextLayout>

#include "ui/FontFamilies.h"
#include "ui/TextConversion.h"

namespace kvistra::ui {

namespace {

// The glyphs of text as QPainter::drawText would place them, with the start of the baseline at
// the origin.
QList<QGlyphRun> glyphsOnBaseline(const QString& text, const QFont& font, QPaintDevice* device) {
  QTextLayout layout(text, font, device);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  QList<QGlyphRun> runs = layout.glyphRuns();
  for (QGlyphRun& run : runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& position : positions) position.ry() -= line.ascent();
    run.setPositions(positions);
  }
  return runs;
}

}  // namespace

QFont toQFont(const Font& font) {
  QFont qfont(installedFamily(font.family));
  qfont.setPixelSize(font.pixelHeight);
  qfont.setBold(font.bold);
  return qfont;
}

QtCanvas::QtCanvas(QPainter& painter, QSize size, bool printer, bool document)
    : painter_(painter), size_(size), printer_(printer), document_(document) {
  QtCanvas::setPen(Black, PenStyle::Solid);
  painter_.setBrush(Qt::white);
}

const QtCanvas::FontMeasures& QtCanvas::font() {
  if (!font_) {
    const QFontMetrics metrics(painter_.font(), painter_.device());
    font_ = FontMeasures{metrics, metrics.ascent(), metrics.capHeight(), metrics.descent(),
                         metrics.height()};
  }
  return *font_;
}

void QtCanvas::forgetFont() {
  font_.reset();
  shapedTexts_.clear();
}

const QtCanvas::ShapedText& QtCanvas::shaped(std::string_view text) {
  std::string key(text);
  const auto known = shapedTexts_.find(key);
  if (known != shapedTexts_.end()) return known->second;
  const QString shown = textOf(text);
  ShapedText result{font().metrics.horizontalAdvance(shown), {}};
  if (!printer_ && !document_)
    result.glyphs = glyphsOnBaseline(shown, painter_.font(), painter_.device());
  return shapedTexts_.emplace(std::move(key), std::move(result)).first->second;
}

void QtCanvas::setPen(Color color, PenStyle style) {
  // On screen and pictures width 0 is the one-pixel pen. On paper a one-dot line is too faint
  // to see and its dashes too short to tell from a solid line, so there the pen is one page
  // unit wide and scales with the page.
  // A zoomed screen scales its lines as it scales everything else.
  const bool scaled = painter_.transform().type() >= QTransform::TxScale;
  const int thin = printer_ || document_ || scaled ? 1 : 0;
  painter_.setPen(QPen(QColor(color.red, color.green, color.blue),
                       style == PenStyle::Thick ? 3 : thin,
                       style == PenStyle::Dashed ? Qt::DashLine : Qt::SolidLine));
}

void QtCanvas::lineTo(int x, int y) {
  painter_.drawLine(position_, QPoint(x, y));
  position_ = {x, y};
}

void QtCanvas::textOut(int x, int y, std::string_view text) {
  const ShapedText& shown = shaped(text);
  const FontMeasures& measures = font();
  const int baseline = y + measures.ascent;
  // Text is written on the brush, so a text written again where it stands (a tree writes shared
  // names once per path) looks the same, and a new value, or blanks, cover the one before it.
  // The brush covers only the rows that letters and digits reach: the font's leading above
  // them is where the line of the branch above runs in the tightest trees.
  const int top = baseline - measures.capHeight - 1;
  painter_.fillRect(QRect(x, top, shown.width, baseline + measures.descent - top),
                    painter_.brush());
  // Letters take only the colour of the pen, so a black pen of any style writes them as they are.
  const QPen& current = painter_.pen();
  if (current.color() == Qt::black && current.style() != Qt::NoPen) {
    writeLetters(QPoint(x, baseline), text, shown);
    return;
  }
  const QPen pen = current;
  painter_.setPen(Qt::black);
  writeLetters(QPoint(x, baseline), text, shown);
  painter_.setPen(pen);
}

void QtCanvas::writeLetters(QPoint start, std::string_view text, const ShapedText& shown) {
  // The glyphs laid out once serve a picture drawn pixel for pixel, scrolled or not. A printer
  // page or a zoomed screen is written the plain way, so letters are shaped at their size.
  if (printer_ || document_ || painter_.transform().type() > QTransform::TxTranslate) {
    painter_.drawText(start, textOf(text));
    return;
  }
  for (const QGlyphRun& glyphs : shown.glyphs) painter_.drawGlyphRun(start, glyphs);
}

int QtCanvas::textWidth(std::string_view text) {
  return shaped(text).width;
}

int QtCanvas::textHeight(std::string_view) {
  return font().lineHeight;
}

void QtCanvas::rectangle(int left, int top, int right, int bottom) {
  painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::fillRect(int left, int top, int right, int bottom) {
  painter_.fillRect(QRect(left, top, right - left, bottom - top), painter_.brush());
}

void QtCanvas::setFont(const Font& font) {
  painter_.setFont(toQFont(font));
  encoding_ = font.encoding;
  forgetFont();
}

void QtCanvas::setTextEncoding(TextEncoding encoding) {
  if (encoding == encoding_) return;
  encoding_ = encoding;
  // The shaped texts are keyed by their bytes, which now read otherwise.
  shapedTexts_.clear();
}

QString QtCanvas::textOf(std::string_view text) const {
  return toQt(text, encoding_);
}

}  // namespace kvistra::ui
