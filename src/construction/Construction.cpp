#include "construction/Construction.h"

#include <string>

#include "construction/ShapeLayout.h"
#include "drawing/TreeDrawing.h"
#include "tree/BranchCountLimits.h"
#include "tree/LabelRowMap.h"
#include "tree/Layout.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

void resetScalars(TreeState& state) {
  state.tree.builtBranchings = 0;
  state.tree.complete = false;
  state.tree.branchingCount = 0;
  state.tree.leafCount = 1;
  state.tree.decimalCount = 4;
  state.tree.showFractions = false;
  state.input = InputPosition{};
  state.results = Results{};
  state.labels.count = 0;
  state.reduction = Reduction{};
  state.event.shown = false;
  state.reversal.reset();
  // A tool chosen for the old tree does not wait for a click on the new one.
  state.pointer.toolMode = ToolMode::None;
}

std::string branchingLabel(int branching) {
  return "Antal grene i " + std::to_string(branching) + ". forgrening:";
}

}  // namespace

void resetBranches(Tree& tree) {
  Branch& root = tree.root();
  root.branchesPerNode = 1;
  root.x = RootX;
  root.y = RootY;
  for (int level = 1; level <= MaxBranchings; ++level) {
    for (int slot = 1; slot <= MaxNodesPerLevel; ++slot) {
      Branch& branch = tree.branch(level, slot);
      branch = Branch{};
      branch.name = " ";
    }
  }
}

void resetTree(Context& context) {
  TreeState& state = context.state;
  WindowState& window = context.window;
  window.title = "   Kvistra   ";
  window.toolbarVisible = window.sidePaneVisible = window.branchCountBarVisible = true;
  window.resultLines.clear();
  context.host.drawOnScreen(
      [](Canvas& canvas) { canvas.fillRect(0, 0, canvas.width(), canvas.height()); });
  resetTreeState(state);
  window.branchTextsVisible = false;
  window.reductionNote = ReductionNote{};
  window.branchHint = BranchHint{};
}

void resetTreeState(TreeState& state) {
  state.file = FileLink{};
  resetBranches(state.tree);
  state.pathNames = {};
  resetScalars(state);
}

TreeState freshStateFrom(const TreeState& current) {
  TreeState fresh = current;
  resetTreeState(fresh);
  fresh.event.outcomeMarked = {};
  fresh.selectedResultLine = 0;
  return fresh;
}

void beginTree(Context& context, int branchings) {
  resetTree(context);
  context.state.tree.branchingCount = branchings;
  context.window.branchCountPrompt = branchingLabel(1);
}

bool buildLevel(TreeState& state, int branchesPerNode) {
  Tree& tree = state.tree;
  const int level = tree.builtBranchings;
  const int b = branchesPerNode;
  const int n = tree.leafCount * b;
  if (level < 1 || level > MaxBranchings || b < FewestBranches || b > MostBranches ||
      n > MaxNodesPerLevel)
    return false;
  tree.leafCount = n;
  state.event.outcomeCount = n;
  for (int slot = 1; slot <= n; ++slot) {
    const int k = (slot - 1) % b;
    Branch& branch = tree.branch(level, slot);
    branch.branchesPerNode = b;
    branch.levelNodeCount = n;
    branch.parentIndex = (slot - 1) / b + 1;
    branch.name = std::string{static_cast<char>('A' + k), static_cast<char>('0' + level)};
    branch.exists = true;
  }
  layOutEvenLevel(tree, level);
  return true;
}

void collectLabelRows(TreeState& state) {
  fillLabelRows(state.tree, LabelRows{}, state.labels);
}

void addBranching(Context& context, int branchesPerNode) {
  TreeState& state = context.state;
  Tree& tree = state.tree;
  WindowState& window = context.window;
  if (tree.complete || tree.builtBranchings >= tree.branchingCount) return;
  ++tree.builtBranchings;
  if (!buildLevel(state, branchesPerNode)) {
    --tree.builtBranchings;
    return;
  }
  window.branchCountPrompt = branchingLabel(tree.builtBranchings + 1);
  context.host.drawOnScreen([&](Canvas& canvas) { drawConstruction(state, canvas); });
  if (branchCountLimit(tree).completeWithTwo) {
    while (tree.builtBranchings < tree.branchingCount) {
      ++tree.builtBranchings;
      buildLevel(state, 2);
      context.host.drawOnScreen([&](Canvas& canvas) { drawConstruction(state, canvas); });
    }
  }
  if (tree.builtBranchings == tree.branchingCount) {
    window.branchCountBarVisible = false;
    collectLabelRows(state);
    rebuildPathNames(state);
  }
  tree.complete = tree.builtBranchings == tree.branchingCount;
  context.host.repaintDrawing();
}

}  // namespace kvistra
