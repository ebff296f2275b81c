// The tree by keyboard: the arrow keys move a focus from branch to branch, and Enter does to the
// focused branch what a click does, so every command that needs a click works without a mouse.
#pragma once

#include "host/Context.h"

namespace kvistra {

enum class BranchKey { Up, Down, Right, Left, Enter };

// Up and down move within a level, right to the first branch below, left to the parent. The
// first key on a tree without a focus puts it on the first branch.
void branchKeyPressed(Context& context, BranchKey key);

// The focus, kept on a branch of the tree as it is now; none when the tree is not complete.
BranchFocus keptFocus(const Tree& tree, BranchFocus focus);

// The drawing took the keyboard: the focus goes back to the branch it was on last, or to the
// first branch, so it is on a branch the moment the drawing is.
void drawingFocused(WindowState& window, const Tree& tree);

}  // namespace kvistra
