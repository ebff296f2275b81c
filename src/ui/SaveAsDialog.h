// The save dialog for what is not a tree file: pictures and PDF documents. Made once, so it
// comes back in the folder the user last chose.
#pragma once

#include <QFileDialog>
#include <optional>
#include <string>
#include <vector>

#include "host/Host.h"

namespace kvistra::ui {

class SaveAsDialog : public QFileDialog {
 public:
  explicit SaveAsDialog(QWidget* mainWindow);

  // The path chosen, in the file system's own bytes, and which of types was chosen.
  std::optional<SaveAsChoice> choose(const QString& title, const QString& presetName,
                                     const std::vector<SaveFileType>& types);

 protected:
  // A name typed without an extension gets the chosen type's before the dialog asks whether
  // an existing file may be replaced.
  void accept() override;

 private:
  qsizetype chosenType() const;

  QStringList filters_;
  QStringList extensions_;
};

}  // namespace kvistra::ui
