#include "ui/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be expanded outside any namespace.
static void registerKvistraResources() {
  Q_INIT_RESOURCE(kvistra);
}

namespace kvistra::ui {

QSettings programSettings() {
  return QSettings("Kvistra", "Kvistra");
}

void ensureResources() {
  static const bool registered = (registerKvistraResources(), true);
  (void)registered;
}

}  // namespace kvistra::ui
