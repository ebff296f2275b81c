#include "ui/RecentFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "ui/Resources.h"

namespace kvistra::ui {

namespace {

constexpr const char* SettingsKey = "recentFiles";

}  // namespace

RecentFiles::RecentFiles(QMenu& menu, QAction& before, QObject* parent)
    : QObject(parent), menu_(menu), before_(before) {}

void RecentFiles::load() {
  if (loaded_) return;
  loaded_ = true;
  // A tree opened before the list was read goes in front of the kept ones.
  const QStringList opened = paths_;
  paths_ = keptSetting(SettingsKey).toStringList();
  for (auto it = opened.rbegin(); it != opened.rend(); ++it) {
    paths_.removeAll(*it);
    paths_.prepend(*it);
  }
  keepAndShow();
}

void RecentFiles::add(const std::string& path) {
  const QString name = QFile::decodeName(path.c_str());
  paths_.removeAll(name);
  paths_.prepend(name);
  keepAndShow();
}

void RecentFiles::remove(const QString& path) {
  paths_.removeAll(path);
  keepAndShow();
}

void RecentFiles::keepAndShow() {
  while (paths_.size() > Count) paths_.removeLast();
  if (loaded_) programSettings().setValue(SettingsKey, paths_);
  for (QAction* item : items_) menu_.removeAction(item);
  qDeleteAll(items_);
  items_.clear();
  if (!separator_) {
    separator_ = menu_.insertSeparator(&before_);
    separator_->setObjectName("recentFilesSeparator");
  }
  separator_->setVisible(!paths_.isEmpty());
  for (int i = 0; i < paths_.size(); ++i) {
    const QString path = paths_[i];
    // Digits as accelerators: the menu's letters are taken.
    auto* item = new QAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), this);
    item->setObjectName(QString("recentFile%1").arg(i + 1));
    item->setToolTip(path);
    item->setStatusTip(path);
    connect(item, &QAction::triggered, this, [this, path] { emit chosen(path); });
    menu_.insertAction(&before_, item);
    items_.append(item);
  }
  emit changed(paths_);
}

}  // namespace kvistra::ui
