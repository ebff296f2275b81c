#pragma once

namespace kvistra::ui {

// Registers the program's embedded files (start picture, help pages). The resources are
// compiled into a static library, whose registration the linker would otherwise drop; safe to
// call any number of times.
void ensureResources();

}  // namespace kvistra::ui
