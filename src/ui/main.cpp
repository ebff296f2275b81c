// Kvistra: probability trees for the classroom.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <csignal>

#include "tree/TreeState.h"
#include "ui/MainWindow.h"
#include "ui/Resources.h"

int main(int argc, char* argv[]) {
  // A file-size limit then fails the save's writing, which says so, instead of ending the run.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kvistra");
  // Ties the windows to the desktop entry, whose icon and name the desktop then shows.
  QGuiApplication::setDesktopFileName("kvistra");
  kvistra::ui::ensureResources();
  // Qt's own dialogs, the print dialog among them, speak Danish like the rest of the program.
  QTranslator qtDanish;
  if (qtDanish.load("qtbase_da", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtDanish);

  kvistra::TreeState state;
  kvistra::ui::MainWindow mainWindow(state);
  // The tree file to open, as the desktop entry passes it: the first argument once Qt has
  // taken its own options out; any others are ignored.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) mainWindow.setStartFile(arguments.at(1));
  mainWindow.show();
  return QApplication::exec();
}
