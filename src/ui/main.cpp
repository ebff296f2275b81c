// Kvistra: probability trees for the classroom.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "tree/TreeState.h"
#include "ui/MainWindow.h"
#include "ui/Resources.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kvistra");
  kvistra::ui::ensureResources();
  // Qt's own dialogs, the print dialog among them, speak Danish like the rest of the program.
  QTranslator qtDanish;
  if (qtDanish.load("qtbase_da", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtDanish);

  kvistra::TreeState state;
  kvistra::ui::MainWindow mainWindow(state);
  mainWindow.show();
  return QApplication::exec();
}
