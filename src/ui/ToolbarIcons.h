// The pictures of the toolbar's buttons, drawn in code, and the program's icon.
#pragma once

#include <QIcon>
#include <QString>

#include "window/WindowState.h"

namespace kvistra::ui {

// The picture on a toolbar button, drawn at 24 and 48 pixels when first shown; a null icon for
// any other command. Disabled buttons grey the picture themselves.
QIcon toolbarIcon(Control button);
// The same pictures by the names the help pages use, such as "copy-across"; also the approve
// box's own "approve" and "drop".
QIcon toolbarIcon(const QString& name);

// The program's icon: a small tree on a green square, from 16 to 64 pixels, read from the
// embedded files.
QIcon programIcon();

}  // namespace kvistra::ui
