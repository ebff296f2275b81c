#pragma once

#include <QByteArray>
#include <QImage>

namespace kvistra::ui {

// The picture shown for the first seconds after start, decoded from the embedded JPEG.
// A null image when it cannot be decoded; the window then simply shows none.
QImage loadStartPicture();

// Decodes JPEG bytes into an image; a null image when they are not a sound JPEG.
QImage startPictureFromBytes(const QByteArray& bytes);

}  // namespace kvistra::ui
