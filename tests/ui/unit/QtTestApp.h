#pragma once

#include <QApplication>

namespace kvistra::ui::test {

// The test executable has GoogleTest's own main, so the application object that pixmaps and
// windows need is made on first use and lives until the process ends.
inline QApplication& qtApp() {
  static int argc = 1;
  static char name[] = "kvistra_ui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

}  // namespace kvistra::ui::test
