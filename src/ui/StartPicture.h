#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <cstdint>

#include "ui/StartPictureDecoding.h"

namespace kvistra::ui {

// The picture shown for the first seconds after start, decoded from the embedded JPEG.
// A null image when it cannot be decoded; the window then simply shows none.
QImage loadStartPicture();

// The start picture as it is shown at shown. At the size it was baked at when building, its
// pixels are ready and only copied; at any other size it is decoded and scaled now.
QPixmap startPictureAt(QSize shown);

// The pixels baked when building: StartPictureShownSize, 32 bits a pixel, row after row
// (written by StartPictureBaker into the generated BakedStartPicture.cpp).
extern const std::uint32_t BakedStartPicture[];

}  // namespace kvistra::ui
