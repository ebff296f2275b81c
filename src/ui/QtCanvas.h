// The canvas of the core drawn with a QPainter: the screen's picture, a printer page or a
// clipboard picture alike.
#pragma once

#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <optional>
#include <string>
#include <unordered_map>

#include "host/Canvas.h"

namespace kvistra::ui {

QFont toQFont(const Font& font);

class QtCanvas : public Canvas {
 public:
  // The painter must stay active while the canvas is used, and its font be changed only
  // through setFont. A document (SVG or PDF) is drawn as the screen's picture, but with lines
  // of one unit rather than hairlines and texts kept as text.
  QtCanvas(QPainter& painter, QSize size, bool printer, bool document = false);

  void setPen(Color color, PenStyle style) override;
  void moveTo(int x, int y) override { position_ = {x, y}; }
  void lineTo(int x, int y) override;
  void textOut(int x, int y, std::string_view text) override;
  int textWidth(std::string_view text) override;
  int textHeight(std::string_view text) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void fillRect(int left, int top, int right, int bottom) override;
  void setFont(const Font& font) override;
  void setTextEncoding(TextEncoding encoding) override;
  bool isPrinter() const override { return printer_; }
  int width() const override { return size_.width(); }
  int height() const override { return size_.height(); }

 private:
  // A text laid out once: its width and its glyphs, placed from the start of its baseline (no
  // glyphs on a printer's canvas).
  struct ShapedText {
    int width = 0;
    QList<QGlyphRun> glyphs;
  };

  // The measures of the font set last. A tree writes a hundred texts or more in one font, most
  // of them several times ("0.5000", "A2"): the font's metrics are looked up once, and each text
  // is laid out once; a drawing without text never loads its font.
  struct FontMeasures {
    QFontMetrics metrics;
    int ascent = 0;
    int capHeight = 0;
    int descent = 0;
    int lineHeight = 0;
  };
  const FontMeasures& font();
  void forgetFont();
  const ShapedText& shaped(std::string_view text);
  void writeLetters(QPoint start, std::string_view text, const ShapedText& shown);
  // The text as Qt's string, read in the encoding of the font it is written in.
  QString textOf(std::string_view text) const;

  QPainter& painter_;
  QSize size_;
  bool printer_;
  bool document_;
  QPoint position_;
  std::optional<FontMeasures> font_;
  TextEncoding encoding_ = TextEncoding::Windows1252;
  std::unordered_map<std::string, ShapedText> shapedTexts_;
};

}  // namespace kvistra::ui
