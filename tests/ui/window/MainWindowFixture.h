// The real main window, shown and exposed, for one window test.
#pragma once

#include <QtTest>
#include <memory>

#include "tree/TreeState.h"
#include "ui/Resources.h"
#include "ui/Unit1.h"

namespace kvistra::ui::testing {

// Creates the main window on state and waits until it is on the (offscreen) screen.
inline std::unique_ptr<TForm1> openMainWindow(TreeState& state) {
  ensureResources();
  auto form = std::make_unique<TForm1>(state);
  form->show();
  if (!QTest::qWaitForWindowExposed(form.get())) return nullptr;
  return form;
}

}  // namespace kvistra::ui::testing
