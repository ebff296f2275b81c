#include "ui/TreeFileDialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ui/Resources.h"

namespace kvistra::ui {

namespace {

// Both cases of the extension that a tree file may have; a mixed case is refused anyway.
const QString TreeFileFilter = QStringLiteral("Kvistra-træer (*.KV3 *.kv3)");
const QString DocumentFilter = QStringLiteral("Kvistra-dokument (*.kvistra)");

}  // namespace

TreeFileDialog::TreeFileDialog(QWidget* mainWindow, AcceptMode mode) : QFileDialog(mainWindow) {
  const bool saving = mode == AcceptSave;
  setObjectName(saving ? "saveDialog" : "openDialog");
  setAcceptMode(mode);
  setFileMode(saving ? AnyFile : ExistingFile);
  // A name typed without any extension is given the chosen type's; another extension is still
  // refused when saving.
  if (saving)
    connect(this, &QFileDialog::filterSelected, this, [this](const QString& filter) {
      setDefaultSuffix(filter == DocumentFilter ? "kvistra" : "KV3");
    });
  // The program asks before a file is replaced, with its own default answer.
  setOption(DontConfirmOverwrite);
}

bool showFilesMatchingTypedName(QFileDialog& dialog) {
  const QFileInfo typed(dialog.selectedFiles().value(0));
  const QString pattern = typed.fileName();
  if (!pattern.contains('*') && !pattern.contains('?')) return false;
  if (typed.dir().exists()) dialog.setDirectory(typed.dir());
  QStringList filters = dialog.nameFilters();
  filters.removeAll(pattern);
  filters.prepend(pattern);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(pattern);
  dialog.selectFile(pattern);
  return true;
}

void TreeFileDialog::accept() {
  if (!showFilesMatchingTypedName(*this)) QFileDialog::accept();
}

std::optional<std::string> TreeFileDialog::choose(const QString& title, const QString& presetName,
                                                  bool withTreeFiles) {
  setWindowTitle(title);
  setAccessibleName(title);
  QStringList filters;
  if (withTreeFiles) filters << TreeFileFilter;
  filters << DocumentFilter;
  setNameFilters(filters);
  // The tree's own kind of file is shown: a document opened last is looked for among documents.
  const bool document = presetName.endsWith(".kvistra");
  selectNameFilter(document ? DocumentFilter : filters.constFirst());
  if (acceptMode() == AcceptSave) setDefaultSuffix(document || !withTreeFiles ? "kvistra" : "KV3");
  if (const QString folder = lastFolder(); !folder.isEmpty()) setDirectory(folder);
  selectFile(presetName);
  if (exec() != Accepted || selectedFiles().isEmpty()) return std::nullopt;
  keepLastFolder(selectedFiles().constFirst());
  return QFile::encodeName(selectedFiles().constFirst()).toStdString();
}

}  // namespace kvistra::ui
