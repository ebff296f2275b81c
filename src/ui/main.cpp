// Kvistra: probability trees for the classroom.
#include <QApplication>

#include "tree/TreeState.h"
#include "ui/Resources.h"
#include "ui/Unit1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kvistra");
  kvistra::ui::ensureResources();

  kvistra::TreeState state;
  kvistra::ui::TForm1 form1(state);
  form1.show();
  return QApplication::exec();
}
