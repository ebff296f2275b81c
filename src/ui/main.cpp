// Kvistra: probability trees for the classroom.
#include <QApplication>

#include "tree/TreeState.h"
#include "ui/MainWindow.h"
#include "ui/Resources.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kvistra");
  // Ties the windows to the desktop entry, whose icon and name the desktop then shows.
  QGuiApplication::setDesktopFileName("kvistra");
  kvistra::ui::ensureResources();

  kvistra::TreeState state;
  kvistra::ui::MainWindow mainWindow(state);
  // The tree file to open, as the desktop entry passes it: the first argument once Qt has
  // taken its own options out; any others are ignored.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) mainWindow.setStartFile(arguments.at(1));
  mainWindow.show();
  return QApplication::exec();
}
