#include "ui/PictureRendering.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLibrary>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

#include "drawing/RecordedDrawing.h"
#include "ui/QtCanvas.h"

namespace kvistra::ui {

namespace {

// Room enough for any drawing of the program, so its erasing fill covers what it draws.
constexpr int MeasuringSize = 4000;
// Screen pixels are 96 to the inch; a PNG says so, so it prints at the size it shows.
constexpr int ScreenDotsPerInch = 96;
constexpr double InchesPerMetre = 39.37;

// The part of the drawing a picture shows: its ink with a margin all round.
QRect cropOf(const Drawing& draw) {
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  QtCanvas measurer(painter, scratch.size(), false);
  const InkBounds ink = inkOf(measurer, MeasuringSize, MeasuringSize, draw);
  if (ink.empty()) return QRect(0, 0, 1, 1);
  return QRect(QPoint(ink.left, ink.top), QPoint(ink.right - 1, ink.bottom - 1))
      .adjusted(-InkMargin, -InkMargin, InkMargin, InkMargin);
}

// Draws on painter with the crop's corner at the device's origin, as a document when it is one.
void drawCropped(QPainter& painter, QRect crop, const Drawing& draw, bool document) {
  painter.translate(-crop.topLeft());
  QtCanvas canvas(painter, QSize(crop.right() + 1, crop.bottom() + 1), false, document);
  draw(canvas);
}

// The SVG writer's module, loaded at the first SVG and kept.
struct SvgModule {
  using New = QPaintDevice* (*)(QIODevice*, int, int, int);
  using Delete = void (*)(QPaintDevice*);
  New make = nullptr;
  Delete free = nullptr;
};

const SvgModule& svgModule() {
  static const SvgModule module = [] {
    for (const QString& folder : {QCoreApplication::applicationDirPath(),
                                  QString(KVISTRA_BUILD_DIR), QString(KVISTRA_MODULE_DIR)}) {
      QLibrary library(folder + "/kvistra_svg");
      if (!library.load()) continue;
      SvgModule found{
          reinterpret_cast<SvgModule::New>(library.resolve("kvistraNewSvgGenerator")),
          reinterpret_cast<SvgModule::Delete>(library.resolve("kvistraDeleteSvgGenerator"))};
      if (found.make && found.free) return found;
    }
    return SvgModule{};
  }();
  return module;
}

std::optional<QByteArray> svgBytes(const Drawing& draw) {
  const SvgModule& module = svgModule();
  if (!module.make) return std::nullopt;
  const QRect crop = cropOf(draw);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  const std::unique_ptr<QPaintDevice, SvgModule::Delete> svg(
      module.make(&buffer, crop.width(), crop.height(), ScreenDotsPerInch), module.free);
  QPainter painter;
  if (!painter.begin(svg.get())) return std::nullopt;
  painter.fillRect(QRect(QPoint(0, 0), crop.size()), Qt::white);
  drawCropped(painter, crop, draw, true);
  if (!painter.end()) return std::nullopt;
  return bytes;
}

std::optional<QByteArray> pdfBytes(const Drawing& draw) {
  const QRect crop = cropOf(draw);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setCreator("Kvistra");
  pdf.setResolution(ScreenDotsPerInch);
  // One page exactly the drawing's size: a point is 1/72 inch, a pixel 1/96.
  pdf.setPageSize(QPageSize(QSizeF(crop.size()) * 72.0 / ScreenDotsPerInch, QPageSize::Point));
  pdf.setPageMargins(QMarginsF());
  QPainter painter;
  if (!painter.begin(&pdf)) return std::nullopt;
  drawCropped(painter, crop, draw, true);
  if (!painter.end()) return std::nullopt;
  return bytes;
}

std::optional<QByteArray> pngBytes(const Drawing& draw, int scale) {
  const QImage picture = croppedImage(draw, scale);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (picture.isNull() || !picture.save(&buffer, "PNG")) return std::nullopt;
  return bytes;
}

}  // namespace

QImage croppedImage(const Drawing& draw, int scale) {
  const QRect crop = cropOf(draw);
  QImage picture(crop.size() * scale, QImage::Format_RGB32);
  if (picture.isNull()) return picture;
  picture.fill(Qt::white);
  const int dotsPerMetre = qRound(scale * ScreenDotsPerInch * InchesPerMetre);
  picture.setDotsPerMeterX(dotsPerMetre);
  picture.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&picture);
  painter.scale(scale, scale);
  drawCropped(painter, crop, draw, false);
  return picture;
}

std::optional<QByteArray> pictureFileBytes(PictureFormat format, int scale, const Drawing& draw) {
  switch (format) {
    case PictureFormat::Svg:
      return svgBytes(draw);
    case PictureFormat::Pdf:
      return pdfBytes(draw);
    case PictureFormat::Png:
      break;
  }
  return pngBytes(draw, scale);
}

}  // namespace kvistra::ui
