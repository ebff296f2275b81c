#include "tree/Startup.h"

#include "tree/CommandStates.h"

namespace kvistra {

void showMainWindow(TreeState& state, WindowState& window, int textHeightH) {
  state.lineTextHeight = textHeightH + 2;
  window.apply(NoTreeCommands);
  window.apply(StartCommands);
  window.panel1Visible = window.panel2Visible = window.panel3Visible = false;
  window.image1Visible = true;
  window.caption = "   Kvistra   ";
}

void activateMainWindow(TreeState& state, WindowState& window) {
  window.caption = std::string("   Kvistra   ") + ProgramVersion;
  window.panel1Visible = window.panel2Visible = window.panel3Visible = false;
  state.selectedResultLine = 0;
  window.memo2Lines.clear();
  window.memo3Lines.clear();
}

void openDrawMenu(WindowState& window) {
  window.caption = std::string("   Kvistra    ") + ProgramVersion;
  window.image1Visible = false;
}

void hideStartPicture(WindowState& window) {
  window.image1Visible = false;
}

}  // namespace kvistra
