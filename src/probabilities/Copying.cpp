#include "probabilities/Copying.h"

#include "probabilities/ProbabilityInput.h"
#include "tree/CommandStates.h"
#include "tree/Helpers.h"

namespace kvistra {

namespace {

int branchesPerNode(const TreeState& state, int level) {
  return state.node(level, 1).branchesPerNode;
}

int nodeCount(const TreeState& state, int level) {
  return state.node(level, 1).levelNodeCount;
}

bool levelFull(const TreeState& state) {
  return state.currentNode >= nodeCount(state, state.currentLevel);
}

// From a full level the input moves to the first group of the next one, if there is one.
void moveToNextLevelWhenFull(TreeState& state) {
  if (levelFull(state) && state.currentLevel < state.branchingCount) {
    ++state.currentLevel;
    state.currentNode = 0;
  }
}

const Gren_Info& copySource(const TreeState& state, CopyDirection direction, int i) {
  const int level = state.currentLevel;
  const int b = branchesPerNode(state, level);
  if (direction == CopyDirection::Down) return state.node(level, state.currentNode - b);
  const int parent = state.node(level, state.currentNode).parentIndex;
  return state.node(level - 1, (parent - 1) / b * b + i);
}

void completeWhenAllEntered(Context& context) {
  if (context.state.treeComplete && context.state.allEntered) TreeCompletion(context);
}

}  // namespace

void EnterNextGroup(Context& context) {
  TreeState& state = context.state;
  if (state.allEntered) return;
  moveToNextLevelWhenFull(state);
  if (levelFull(state)) return;
  state.cancelled = false;
  state.groupSum = 0.0;
  const int start = state.currentNode;
  EnterSiblingGroup(context);
  if (state.cancelled) {
    state.cancelled = false;
    state.groupSum = 0.0;
    state.currentNode = start;
    context.host.repaintDrawing();
    return;
  }
  state.allEntered = AllBranchesEntered(state);
  CopyAvailability(context);
  completeWhenAllEntered(context);
}

void CopyNextGroup(Context& context, CopyDirection direction) {
  TreeState& state = context.state;
  if (state.allEntered) return;
  CopyGroup(context, direction);
  state.allEntered = AllBranchesEntered(state);
  if (!state.allEntered) CopyAvailability(context);
  completeWhenAllEntered(context);
}

void CopyGroup(Context& context, CopyDirection direction) {
  TreeState& state = context.state;
  const int b = branchesPerNode(state, state.currentLevel);
  for (int i = 1; i <= b; ++i) {
    ++state.currentNode;
    const Gren_Info& source = copySource(state, direction, i);
    Gren_Info& branch = state.node(state.currentLevel, state.currentNode);
    branch.probability = source.probability;
    branch.enteredText = source.enteredText.view();
    branch.probabilityEntered = true;
    writeProbability(context, branch, ProbabilityFormat(state, branch.probability));
  }
}

void CopyAvailability(Context& context) {
  TreeState& state = context.state;
  moveToNextLevelWhenFull(state);
  if (levelFull(state)) {
    state.canCopyAcross = false;
    state.canCopyDown = false;
  } else {
    const int level = state.currentLevel;
    const int b = branchesPerNode(state, level);
    state.canCopyAcross = b == branchesPerNode(state, level - 1);
    state.canCopyDown = state.currentNode > 0 && nodeCount(state, level) - b >= state.currentNode;
  }
  showCopyCommands(context.window, state.canCopyAcross, state.canCopyDown);
}

void TreeCompletion(Context& context) {
  context.host.repaintDrawing();
  RebuildPathNames(context.state);
  context.window.apply(ProbabilitiesCompleteCommands);
}

}  // namespace kvistra
