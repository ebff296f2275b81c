#include "ui/PictureFileDialog.h"

#include <QFile>
#include <algorithm>

namespace kvistra::ui {

PictureFileDialog::PictureFileDialog(QWidget* mainWindow) : QFileDialog(mainWindow) {
  setObjectName("pictureDialog");
  setAcceptMode(AcceptSave);
  setFileMode(AnyFile);
  setWindowTitle("Eksporter billede");
  setAccessibleName(windowTitle());
}

std::optional<PictureFileChoice> PictureFileDialog::choose(const QString& presetName,
                                                           const QStringList& filters) {
  setNameFilters(filters);
  selectNameFilter(filters.value(0));
  selectFile(presetName);
  if (exec() != Accepted || selectedFiles().isEmpty()) return std::nullopt;
  const qsizetype chosen = std::max<qsizetype>(filters.indexOf(selectedNameFilter()), 0);
  return PictureFileChoice{QFile::encodeName(selectedFiles().constFirst()).toStdString(),
                           static_cast<std::size_t>(chosen)};
}

void PictureFileDialog::accept() {
  setDefaultSuffix(selectedNameFilter().section("*.", 1).section(')', 0, 0));
  QFileDialog::accept();
}

}  // namespace kvistra::ui
