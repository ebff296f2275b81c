#pragma once

#include <QSettings>

namespace kvistra::ui {

// Where the program keeps what the user chose between runs (the recent files, the decimal comma).
QSettings programSettings();

// Registers the program's embedded files (start picture, help pages). The resources are
// compiled into a static library, whose registration the linker would otherwise drop; safe to
// call any number of times.
void ensureResources();

}  // namespace kvistra::ui
