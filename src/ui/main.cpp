// Kvistra: probability trees for the classroom.
#include <QApplication>

#include "tree/TreeState.h"
#include "ui/MainWindow.h"
#include "ui/Resources.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kvistra");
  kvistra::ui::ensureResources();

  kvistra::TreeState state;
  kvistra::ui::MainWindow mainWindow(state);
  mainWindow.show();
  return QApplication::exec();
}
