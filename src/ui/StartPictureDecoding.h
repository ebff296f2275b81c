// Turning the start picture's JPEG into the picture the window shows. The program does it when
// it is built (StartPictureBaker), the tests at run time.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace kvistra::ui {

// The size the start picture is shown at, and baked at when building.
inline constexpr QSize StartPictureShownSize(273, 225);

// Decodes JPEG bytes into an image; a null image when they are not a sound JPEG.
QImage startPictureFromBytes(const QByteArray& bytes);

// The picture as a label showing it at shown would draw it: smoothly scaled, 32 bits a pixel.
QImage scaledForShowing(const QImage& picture, QSize shown);

}  // namespace kvistra::ui
