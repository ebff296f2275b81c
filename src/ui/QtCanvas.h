// The canvas of the core drawn with a QPainter: the screen's picture, a printer page or a
// clipboard picture alike.
#pragma once

#include <QPainter>
#include <QPoint>
#include <QSize>

#include "host/Canvas.h"

namespace kvistra::ui {

QFont toQFont(const Font& font);

class QtCanvas : public Canvas {
 public:
  // The painter must stay active while the canvas is used.
  QtCanvas(QPainter& painter, QSize size, bool printer);

  void setPen(Color color, PenStyle style) override;
  void moveTo(int x, int y) override { position_ = {x, y}; }
  void lineTo(int x, int y) override;
  void textOut(int x, int y, std::string_view text) override;
  int textWidth(std::string_view text) override;
  int textHeight(std::string_view text) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void fillRect(int left, int top, int right, int bottom) override;
  void setFont(const Font& font) override;
  bool isPrinter() const override { return printer_; }
  int width() const override { return size_.width(); }
  int height() const override { return size_.height(); }

 private:
  QPainter& painter_;
  QSize size_;
  bool printer_;
  QPoint position_;
};

}  // namespace kvistra::ui
