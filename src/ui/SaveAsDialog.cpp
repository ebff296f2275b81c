#include "ui/SaveAsDialog.h"

#include <QFile>
#include <algorithm>

#include "ui/Resources.h"
#include "ui/TextConversion.h"
#include "ui/TreeFileDialog.h"

namespace kvistra::ui {

SaveAsDialog::SaveAsDialog(QWidget* mainWindow) : QFileDialog(mainWindow) {
  setObjectName("saveAsDialog");
  setAcceptMode(AcceptSave);
  setFileMode(AnyFile);
}

std::optional<SaveAsChoice> SaveAsDialog::choose(const QString& title, const QString& presetName,
                                                 const std::vector<SaveFileType>& types) {
  filters_.clear();
  extensions_.clear();
  for (const SaveFileType& type : types) {
    filters_ << toQt(type.filter);
    extensions_ << toQt(type.extension);
  }
  setWindowTitle(title);
  setAccessibleName(title);
  setNameFilters(filters_);
  selectNameFilter(filters_.value(0));
  setDefaultSuffix(extensions_.value(0));
  if (const QString folder = lastFolder(); !folder.isEmpty()) setDirectory(folder);
  selectFile(presetName);
  if (exec() != Accepted || selectedFiles().isEmpty()) return std::nullopt;
  keepLastFolder(selectedFiles().constFirst());
  return SaveAsChoice{QFile::encodeName(selectedFiles().constFirst()).toStdString(),
                      static_cast<std::size_t>(chosenType())};
}

qsizetype SaveAsDialog::chosenType() const {
  return std::max<qsizetype>(filters_.indexOf(selectedNameFilter()), 0);
}

void SaveAsDialog::accept() {
  if (showFilesMatchingTypedName(*this)) return;
  setDefaultSuffix(extensions_.value(chosenType()));
  QFileDialog::accept();
}

}  // namespace kvistra::ui
