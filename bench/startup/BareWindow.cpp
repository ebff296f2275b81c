// The yardstick for start-up cost: a bare Qt Widgets main window with six short menus, as large as
// the screen, and nothing else. scripts/startup-cost.sh sets the program beside it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

namespace {

struct MenuContents {
  const char* title;
  std::initializer_list<const char*> items;
};

// Six menus of a few items each, about what a small document program shows.
const MenuContents kMenus[] = {
    {"&File", {"&New", "&Open...", "&Save", "Save &as...", "&Print...", "E&xit"}},
    {"&Edit", {"&Undo", "Cu&t", "&Copy", "&Paste"}},
    {"&View", {"&Zoom in", "Zoom &out", "&Toolbar"}},
    {"&Insert", {"&Branch", "&Result", "&Note"}},
    {"&Options", {"&Fonts...", "&Colours..."}},
    {"&Help", {"&Contents", "&About"}},
};

class BareWindow : public QMainWindow {
 public:
  BareWindow() {
    setWindowTitle("Bare window");
    for (const MenuContents& contents : kMenus) {
      QMenu* menu = menuBar()->addMenu(contents.title);
      for (const char* item : contents.items) menu->addAction(item);
    }
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  BareWindow window;
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.setGeometry(screen->availableGeometry());
  window.show();
  return QApplication::exec();
}
