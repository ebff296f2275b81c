#include "window/Startup.h"

#include "window/Controls.h"

namespace kvistra {

void showMainWindow(TreeState& state, WindowState& window) {
  showControls(state, window);
  window.toolbarVisible = window.sidePaneVisible = window.branchTextsVisible = false;
  window.startPictureVisible = true;
  window.title = "   Kvistra   ";
}

void liftTexts(TreeState& state, int textHeightH) {
  state.textLift = textHeightH + 2;
}

void activateMainWindow(TreeState& state, WindowState& window) {
  window.title = std::string("   Kvistra   ") + ProgramVersion;
  window.toolbarVisible = window.sidePaneVisible = window.branchTextsVisible = false;
  state.selectedResultLine = 0;
  window.resultLines.clear();
  window.branchTextLines.clear();
}

void openDrawMenu(WindowState& window) {
  window.title = std::string("   Kvistra    ") + ProgramVersion;
  window.startPictureVisible = false;
}

void hideStartPicture(WindowState& window) {
  window.startPictureVisible = false;
}

bool startGuideShown(const Work& work, const WindowState& window) {
  return !window.startPictureVisible && work.tree.branchingCount == 0 && !work.trials;
}

}  // namespace kvistra
