// The last trees opened or saved, kept between runs and listed in the file menu.
#pragma once

#include <QObject>
#include <QStringList>
#include <string>

class QAction;
class QMenu;

namespace kvistra::ui {

class RecentFiles : public QObject {
  Q_OBJECT
 public:
  static constexpr int Count = 8;

  // The list stands in menu, above before, behind a separator of its own.
  RecentFiles(QMenu& menu, QAction& before, QObject* parent);

  // Reads the list kept from the last run; called after the first frame, so start-up pays
  // nothing for it.
  void load();
  // A tree opened or saved at path (the file system's bytes) goes first.
  void add(const std::string& path);
  void remove(const QString& path);
  const QStringList& paths() const { return paths_; }

 signals:
  void chosen(const QString& path);
  void changed(const QStringList& paths);

 private:
  void keepAndShow();

  QMenu& menu_;
  QAction& before_;
  QAction* separator_ = nullptr;
  QList<QAction*> items_;
  QStringList paths_;
  bool loaded_ = false;
};

}  // namespace kvistra::ui
