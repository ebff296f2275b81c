#include "ui/StartPictureDecoding.h"

#include <cstring>

#include "ui/JpegDecoder.h"

namespace kvistra::ui {
namespace {

// QImage pads its rows to four bytes, so the decoder's packed rows are copied one at a time.
QImage toImage(const DecodedImage& decoded) {
  QImage image(decoded.width, decoded.height, QImage::Format_RGB888);
  if (image.isNull()) return image;
  const std::size_t rowBytes = std::size_t(decoded.width) * 3;
  for (int y = 0; y < decoded.height; ++y) {
    std::memcpy(image.scanLine(y), decoded.rgb.data() + rowBytes * y, rowBytes);
  }
  return image;
}

}  // namespace

QImage startPictureFromBytes(const QByteArray& bytes) {
  const auto decoded = decodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size()));
  return decoded ? toImage(*decoded) : QImage();
}

QImage scaledForShowing(const QImage& picture, QSize shown) {
  if (picture.isNull()) return QImage();
  // The 32-bit form is the one a screen pixmap takes, and the one a label scales from.
  return picture.convertToFormat(QImage::Format_RGB32)
      .scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace kvistra::ui
