#include "ui/FontFamilies.h"

#include <QFontDatabase>
#include <QHash>

namespace kvistra::ui {

namespace {

// The fonts the program names and the installed families that stand in for them, best first.
// Liberation's fonts have the widths of the fonts they replace, so texts keep their places.
// MS Sans Serif has no such twin; it keeps the desktop's sans serif, which the font system
// chose for it before this table existed.
struct StandIn {
  const char* family;
  const char* twins[2];
};
constexpr StandIn StandIns[] = {
    {"Courier New", {"Liberation Mono", "Cousine"}},
    {"Arial", {"Liberation Sans", "Arimo"}},
    {"Times New Roman", {"Liberation Serif", "Tinos"}},
    {"MS Sans Serif", {"DejaVu Sans", "Liberation Sans"}},
};

QString resolve(const QString& family) {
  // The list of installed families is read once; asking for a family that is not installed
  // would send every font request through the font system's substitution rules instead.
  const QStringList installed = QFontDatabase::families();
  if (installed.contains(family, Qt::CaseInsensitive)) return family;
  for (const auto& standIn : StandIns) {
    if (family.compare(QLatin1String(standIn.family), Qt::CaseInsensitive) != 0) continue;
    for (const char* twin : standIn.twins)
      if (installed.contains(QLatin1String(twin), Qt::CaseInsensitive)) return QLatin1String(twin);
  }
  return family;
}

}  // namespace

QString installedFamily(const std::string& family) {
  // Fonts are asked for on every drawing; the answer for a name never changes while running.
  static QHash<QString, QString> resolved;
  const QString name = QString::fromStdString(family);
  auto found = resolved.constFind(name);
  if (found == resolved.constEnd()) found = resolved.insert(name, resolve(name));
  return found.value();
}

}  // namespace kvistra::ui
