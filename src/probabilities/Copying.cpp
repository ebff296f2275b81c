#include "probabilities/Copying.h"

#include "drawing/TreeDrawing.h"
#include "probabilities/ProbabilityInput.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

bool levelFull(const TreeState& state) {
  return state.input.currentSlot >= state.tree.slotsOn(state.input.currentLevel);
}

// From a full level the input moves to the first group of the next one, if there is one.
void moveToNextLevelWhenFull(TreeState& state) {
  if (levelFull(state) && state.input.currentLevel < state.tree.depth()) {
    ++state.input.currentLevel;
    state.input.currentSlot = 0;
  }
}

const Branch& copySource(const TreeState& state, CopyDirection direction, int i) {
  const int level = state.input.currentLevel;
  const int b = state.tree.groupSize(level);
  if (direction == CopyDirection::Down)
    return state.tree.branch(level, state.input.currentSlot - b);
  const int parent = state.tree.parent(level, state.input.currentSlot);
  return state.tree.branch(level - 1, (parent - 1) / b * b + i);
}

void completeWhenAllEntered(Context& context) {
  if (context.state.tree.complete && context.state.input.allProbabilitiesEntered)
    treeCompletion(context);
}

}  // namespace

void enterNextGroup(Context& context) {
  TreeState& state = context.state;
  if (state.input.allProbabilitiesEntered) return;
  moveToNextLevelWhenFull(state);
  if (levelFull(state)) return;
  state.input.cancelled = false;
  state.input.groupSum = 0.0;
  const int start = state.input.currentSlot;
  enterSiblingGroup(context);
  if (state.input.cancelled) {
    state.input.cancelled = false;
    state.input.groupSum = 0.0;
    state.input.currentSlot = start;
    context.host.repaintDrawing();
    return;
  }
  state.input.allProbabilitiesEntered = allBranchesEntered(state);
  copyAvailability(context);
  completeWhenAllEntered(context);
}

void copyNextGroup(Context& context, CopyDirection direction) {
  TreeState& state = context.state;
  if (state.input.allProbabilitiesEntered) return;
  copyGroup(context, direction);
  state.input.allProbabilitiesEntered = allBranchesEntered(state);
  if (!state.input.allProbabilitiesEntered) copyAvailability(context);
  completeWhenAllEntered(context);
}

void copyGroup(Context& context, CopyDirection direction) {
  TreeState& state = context.state;
  const int b = state.tree.groupSize(state.input.currentLevel);
  const int level = state.input.currentLevel;
  for (int i = 1; i <= b; ++i) {
    ++state.input.currentSlot;
    const Branch& source = copySource(state, direction, i);
    Branch& branch = state.tree.branch(level, state.input.currentSlot);
    branch.probability = source.probability;
    branch.typedText = source.typedText.view();
    branch.probabilityEntered = true;
  }
  // Drawn once the whole group is there, as the drawing writes values: a filled-in branch's
  // exact value needs its siblings.
  paintTreeOnScreen(state, context.host);
}

void copyAvailability(Context& context) {
  TreeState& state = context.state;
  moveToNextLevelWhenFull(state);
  if (levelFull(state)) {
    state.input.canCopyAcross = false;
    state.input.canCopyDown = false;
  } else {
    const int level = state.input.currentLevel;
    const int b = state.tree.groupSize(level);
    state.input.canCopyAcross = b == state.tree.groupSize(level - 1);
    state.input.canCopyDown =
        state.input.currentSlot > 0 && state.tree.slotsOn(level) - b >= state.input.currentSlot;
  }
}

void treeCompletion(Context& context) {
  context.host.repaintDrawing();
  rebuildPathNames(context.state);
}

}  // namespace kvistra
