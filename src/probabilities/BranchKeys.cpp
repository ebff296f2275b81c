#include "probabilities/BranchKeys.h"

#include <algorithm>

#include "probabilities/BranchEditing.h"
#include "tree/Layout.h"

namespace kvistra {

namespace {

BranchFocus moved(const Tree& tree, BranchFocus at, BranchKey key) {
  switch (key) {
    case BranchKey::Up:
      return {at.level, std::max(1, at.slot - 1)};
    case BranchKey::Down:
      return {at.level, std::min(tree.slotsOn(at.level), at.slot + 1)};
    case BranchKey::Right:
      if (at.level < tree.depth() && tree.children(at.level, at.slot).size() > 0)
        return {at.level + 1, tree.children(at.level, at.slot).first};
      return at;
    case BranchKey::Left:
      if (at.level > 1) return {at.level - 1, tree.parent(at.level, at.slot)};
      return at;
    case BranchKey::Enter:
      break;
  }
  return at;
}

// A press and a release in the middle of the branch, on its line: where a pupil clicks.
void clickBranch(Context& context, BranchFocus at) {
  const Branch& branch = context.state.tree.branch(at.level, at.slot);
  const int x = ScreenOffsetX + branch.x + LevelPitch / 2;
  pressOnDrawing(context, x, branch.y);
  releaseOnDrawing(context, x, branch.y);
}

}  // namespace

BranchFocus keptFocus(const Tree& tree, BranchFocus focus) {
  if (!tree.complete || tree.depth() < 1) return {};
  if (focus.level < 1) return focus;
  const int level = std::min(focus.level, tree.depth());
  return {level, std::clamp(focus.slot, 1, std::max(1, tree.slotsOn(level)))};
}

void drawingFocused(WindowState& window, const Tree& tree) {
  window.branchFocus = keptFocus(tree, window.branchFocus);
  if (tree.complete && window.branchFocus.level == 0) window.branchFocus = {1, 1};
}

void branchKeyPressed(Context& context, BranchKey key) {
  const Tree& tree = context.state.tree;
  BranchFocus& focus = context.window.branchFocus;
  focus = keptFocus(tree, focus);
  if (!tree.complete) return;
  if (focus.level == 0) {
    focus = {1, 1};
    if (key != BranchKey::Enter) return;
  }
  if (key == BranchKey::Enter) {
    clickBranch(context, focus);
    return;
  }
  context.window.branchHint.visible = false;
  focus = moved(tree, focus, key);
}

}  // namespace kvistra
