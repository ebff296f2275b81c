// Kvistra: probability trees for the classroom.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <csignal>

#include "tree/TreeState.h"
#include "ui/CommandLine.h"
#include "ui/MainWindow.h"
#include "ui/Resources.h"

int main(int argc, char* argv[]) {
  // A file-size limit then fails the save's writing, which says so, instead of ending the run.
  std::signal(SIGXFSZ, SIG_IGN);
  // Read before any window, so --help and --version need no display; a plain start skips it.
  if (argc > 1) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto answered = kvistra::ui::answerWithoutWindow(arguments)) return *answered;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kvistra");
  // Ties the windows to the desktop entry, whose icon and name the desktop then shows.
  QGuiApplication::setDesktopFileName("kvistra");
  kvistra::ui::ensureResources();
  // Qt's own dialogs, the print dialog among them, speak Danish like the rest of the program.
  QTranslator qtDanish;
  if (qtDanish.load("qtbase_da", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtDanish);

  // The tree file to open, as the desktop entry passes it, once Qt has taken its own options out.
  kvistra::ui::StartArguments start;
  if (argc > 1) start = kvistra::ui::readStartArguments(QApplication::arguments());
  if (start.exitCode) return *start.exitCode;

  kvistra::TreeState state;
  kvistra::ui::MainWindow mainWindow(state);
  if (!start.treeFile.isEmpty()) mainWindow.setStartFile(start.treeFile);
  mainWindow.show();
  return QApplication::exec();
}
