#include "ui/Resources.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

// Q_INIT_RESOURCE must be expanded outside any namespace.
static void registerKvistraResources() {
  Q_INIT_RESOURCE(kvistra);
}

namespace kvistra::ui {

QSettings programSettings() {
  return QSettings("Kvistra", "Kvistra");
}

namespace {

constexpr const char* LastFolderKey = "lastFolder";

}  // namespace

QVariant keptSetting(const char* key) {
  const QSettings settings = programSettings();
  const QVariant value = settings.value(key);
  return settings.status() == QSettings::NoError ? value : QVariant();
}

bool keptChoice(const char* key, bool fallback) {
  // QSettings writes a yes or no as these words; anything else was not written by the program.
  const QString kept = keptSetting(key).toString();
  return kept == "true" ? true : kept == "false" ? false : fallback;
}

QString lastFolder() {
  const QString folder = keptSetting(LastFolderKey).toString();
  return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

void keepLastFolder(const QString& chosenFile) {
  programSettings().setValue(LastFolderKey, QFileInfo(chosenFile).absolutePath());
}

void ensureResources() {
  static const bool registered = (registerKvistraResources(), true);
  (void)registered;
}

}  // namespace kvistra::ui
