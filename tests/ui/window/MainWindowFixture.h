// The real main window, shown and exposed, for one window test.
#pragma once

#include <QtTest>
#include <memory>

#include "ControlRecording.h"
#include "tree/TreeState.h"
#include "ui/MainWindow.h"
#include "ui/Resources.h"

namespace kvistra::ui::testing {

// Creates the main window on state and waits until it is on the (offscreen) screen; its controls
// are recorded from then on.
inline std::unique_ptr<MainWindow> openMainWindow(TreeState& state) {
  ensureResources();
  auto form = std::make_unique<MainWindow>(state);
  form->show();
  if (!QTest::qWaitForWindowExposed(form.get())) return nullptr;
  ControlRecording::ofThisTest().watch(*form);
  return form;
}

// The child of parent with this object name; fails the test when there is none.
template <class Widget>
Widget* child(const QObject& parent, const char* name) {
  auto* found = parent.findChild<Widget*>(name);
  if (!found) qFatal("no child named %s", name);
  return found;
}

// The set-up a window test class shares when each of its test functions works on a main window
// of its own: a fresh state and the window on it, opened before each function and closed after.
class WindowTest : public QObject {
  Q_OBJECT

 protected:
  // What a test class takes from the opened window besides it, such as a child it works with.
  virtual void windowOpened() {}

  std::unique_ptr<TreeState> state;
  std::unique_ptr<MainWindow> form;

 private slots:
  void init() {
    state = std::make_unique<TreeState>();
    form = openMainWindow(*state);
    QVERIFY(form);
    windowOpened();
  }
  void cleanup() { form.reset(); }
};

}  // namespace kvistra::ui::testing
