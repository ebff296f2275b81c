// The open and save dialogs for tree files. Each is made once, so it comes back in the folder
// the user last chose.
#pragma once

#include <QFileDialog>
#include <optional>
#include <string>

namespace kvistra::ui {

class TreeFileDialog : public QFileDialog {
  Q_OBJECT
 public:
  TreeFileDialog(QWidget* mainWindow, AcceptMode mode);

  // The chosen path in the file system's own bytes, or nothing when cancelled. Tree files are
  // offered first, and as the default, withTreeFiles; documents after them, or alone.
  std::optional<std::string> choose(const QString& title, const QString& presetName,
                                    bool withTreeFiles);

 protected:
  void accept() override;
};

// A name typed with "*" or "?" is a filter, not a file: the dialog shows the files it matches
// and stays open. True when the name was such a filter.
bool showFilesMatchingTypedName(QFileDialog& dialog);

}  // namespace kvistra::ui
