#include "ui/TreeFileDialog.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kvistra::ui {

namespace {

// Qt's own dialogs speak Danish like the rest of the program. Loaded with the first file
// dialog rather than at start, which most runs never need.
void speakDanish() {
  static QTranslator* danish = nullptr;
  if (danish) return;
  danish = new QTranslator(qApp);
  if (danish->load(QLocale(QLocale::Danish, QLocale::Denmark), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(danish);
}

}  // namespace

TreeFileDialog::TreeFileDialog(QWidget* mainWindow, AcceptMode mode) : QFileDialog(mainWindow) {
  speakDanish();
  const bool saving = mode == AcceptSave;
  setObjectName(saving ? "saveDialog" : "openDialog");
  setAcceptMode(mode);
  setFileMode(saving ? AnyFile : ExistingFile);
  // Both cases of the extension that a tree file may have; a mixed case is refused anyway.
  setNameFilter("Kvistra-træer (*.KV3 *.kv3)");
}

std::optional<std::string> TreeFileDialog::choose(const QString& title, const QString& presetName) {
  setWindowTitle(title);
  setAccessibleName(title);
  selectFile(presetName);
  if (exec() != Accepted || selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(selectedFiles().constFirst()).toStdString();
}

}  // namespace kvistra::ui
