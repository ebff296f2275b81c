// The main window's own steps at start and its small commands.
#pragma once

#include <string>

#include "tree/TreeState.h"
#include "window/WindowState.h"

namespace kvistra {

inline constexpr const char* ProgramVersion = "Version 100106";
inline constexpr int StartPictureDisplayMs = 3000;

// Before the window is first shown.
void showMainWindow(TreeState& state, WindowState& window);
// Texts are written above their line by the drawing font's height of "H" (textHeightH) plus 2.
void liftTexts(TreeState& state, int textHeightH);

// When the window first becomes active.
void activateMainWindow(TreeState& state, WindowState& window);

// Opening the "&Tegn træet" menu.
void openDrawMenu(WindowState& window);

// The start picture goes when its time is up.
void hideStartPicture(WindowState& window);

// The empty window's guide to a first tree shows from the moment the start picture goes until a
// tree is begun or loaded, or trials too many for a tree, which have a drawing of their own.
bool startGuideShown(const Work& work, const WindowState& window);

}  // namespace kvistra
