#include "window/Controls.h"

#include <gtest/gtest.h>

#include <optional>

namespace kvistra {
namespace {

using enum Control;

// A menu item and the toolbar button that does the same are on together wherever the item can be
// reached: in every phase its menu is open, whatever the copy directions.
TEST(ControlTable, AMenuItemAndItsButtonAgreeWhereverTheItemIsReached) {
  struct Pair {
    Control item;
    Control button;
    std::optional<Control> menu;  // none: a menu that is always open
  };
  const Pair pairs[] = {
      {CopyAcross, CopyAcrossButton, PrepareTreeMenu},
      {CopyDown, CopyDownButton, PrepareTreeMenu},
      {EnterProbabilities, EnterProbabilitiesButton, PrepareTreeMenu},
      {AskEvent, EventButton, CalculationsMenu},
      {ReduceTree, ReduceButton, CalculationsMenu},
      {RestoreTree, RestoreButton, CalculationsMenu},
      {Print, PrintButton, std::nullopt},
  };
  for (int p = 0; p < static_cast<int>(Phase::Count); ++p) {
    for (const bool copies : {false, true}) {
      const EnabledControls on = enabledControls(static_cast<Phase>(p), {copies, copies});
      const auto isOn = [&on](Control c) { return on[static_cast<std::size_t>(c)]; };
      for (const Pair& pair : pairs) {
        if (pair.menu && !isOn(*pair.menu)) continue;
        EXPECT_EQ(isOn(pair.item), isOn(pair.button))
            << "phase " << p << ", control " << static_cast<int>(pair.item);
      }
    }
  }
}

}  // namespace
}  // namespace kvistra
