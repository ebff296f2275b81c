// The save dialog for pictures of the tree. Made once, so it comes back in the folder the user
// last chose.
#pragma once

#include <QFileDialog>
#include <optional>
#include <string>
#include <vector>

#include "host/Host.h"

namespace kvistra::ui {

class PictureFileDialog : public QFileDialog {
 public:
  explicit PictureFileDialog(QWidget* mainWindow);

  // The path chosen, in the file system's own bytes, and the type chosen among filters.
  std::optional<PictureFileChoice> choose(const QString& presetName, const QStringList& filters);

 protected:
  // A name typed without an extension gets the chosen type's before the dialog asks whether
  // an existing file may be replaced.
  void accept() override;
};

}  // namespace kvistra::ui
