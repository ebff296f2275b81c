#include "ui/TreeFileDialog.h"

#include <QFile>

#include "ui/Resources.h"

namespace kvistra::ui {

TreeFileDialog::TreeFileDialog(QWidget* mainWindow, AcceptMode mode) : QFileDialog(mainWindow) {
  const bool saving = mode == AcceptSave;
  setObjectName(saving ? "saveDialog" : "openDialog");
  setAcceptMode(mode);
  setFileMode(saving ? AnyFile : ExistingFile);
  // Both cases of the extension that a tree file may have; a mixed case is refused anyway.
  setNameFilter("Kvistra-træer (*.KV3 *.kv3)");
  // A name typed without any extension becomes a tree file, and the question before an existing
  // file is overwritten asks about that name; another extension is still refused when saving.
  if (saving) setDefaultSuffix("KV3");
}

std::optional<std::string> TreeFileDialog::choose(const QString& title, const QString& presetName) {
  setWindowTitle(title);
  setAccessibleName(title);
  if (const QString folder = lastFolder(); !folder.isEmpty()) setDirectory(folder);
  selectFile(presetName);
  if (exec() != Accepted || selectedFiles().isEmpty()) return std::nullopt;
  keepLastFolder(selectedFiles().constFirst());
  return QFile::encodeName(selectedFiles().constFirst()).toStdString();
}

}  // namespace kvistra::ui
