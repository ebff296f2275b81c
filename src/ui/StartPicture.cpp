#include "ui/StartPicture.h"

#include <QFile>

#include "ui/Resources.h"

namespace kvistra::ui {

QImage loadStartPicture() {
  ensureResources();
  QFile file(QStringLiteral(":/start.jpg"));
  if (!file.open(QIODevice::ReadOnly)) return QImage();
  return startPictureFromBytes(file.readAll());
}

QPixmap startPictureAt(QSize shown) {
  if (shown != StartPictureShownSize)
    return QPixmap::fromImage(scaledForShowing(loadStartPicture(), shown));
  // Decoding and scaling the picture would be a good part of all the work before the window
  // first shows; the build did it once for every start.
  const QImage baked(reinterpret_cast<const uchar*>(BakedStartPicture), shown.width(),
                     shown.height(), shown.width() * 4, QImage::Format_RGB32);
  return QPixmap::fromImage(baked);
}

}  // namespace kvistra::ui
