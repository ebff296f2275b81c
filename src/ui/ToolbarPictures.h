#pragma once

#include <QIcon>

namespace kvistra::ui {

// The picture on toolbar button SpeedButton<speedButton>, 1 to 10, drawn at 24 and 48 pixels;
// a null icon for any other number. Disabled buttons grey the picture themselves.
QIcon toolbarPicture(int speedButton);

// The program's icon: a small tree on a green square, from 16 to 256 pixels.
QIcon programIcon();

}  // namespace kvistra::ui
