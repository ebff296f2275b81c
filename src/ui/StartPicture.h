#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>

namespace kvistra::ui {

// The picture shown for the first seconds after start, decoded from the embedded JPEG.
// A null image when it cannot be decoded; the window then simply shows none.
QImage loadStartPicture();

// The start picture as it is shown, scaled smoothly to shown once, so that showing it is a
// plain copy; a null pixmap when it cannot be decoded.
QPixmap startPictureAt(QSize shown);

// Decodes JPEG bytes into an image; a null image when they are not a sound JPEG.
QImage startPictureFromBytes(const QByteArray& bytes);

}  // namespace kvistra::ui
