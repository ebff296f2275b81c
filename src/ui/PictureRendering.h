// Pictures of a drawing cut to its ink: the clipboard's cropped picture and the exported files.
#pragma once

#include <QByteArray>
#include <QImage>
#include <functional>
#include <optional>

#include "host/Canvas.h"
#include "host/Host.h"

namespace kvistra::ui {

using Drawing = std::function<void(Canvas&)>;

// What draw draws, cut to its ink and a margin, scale times its size.
QImage croppedImage(const Drawing& draw, int scale = 1);

// The bytes of a PNG, SVG or PDF file of the cropped drawing; nothing when it could not be made.
std::optional<QByteArray> pictureFileBytes(PictureFormat format, int scale, const Drawing& draw);

}  // namespace kvistra::ui
