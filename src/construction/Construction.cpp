#include "construction/Construction.h"

#include <optional>
#include <string>

#include "construction/ShapeLayout.h"
#include "drawing/TreeDrawing.h"
#include "text/Windows1252.h"
#include "tree/BranchCountLimits.h"
#include "tree/LabelRowMap.h"
#include "tree/Layout.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

namespace {

// The branchings "Andre træformer…" offers first: the shapes of 2 and 3 have items of their own.
constexpr int OtherShapePresetBranchings = 4;

void resetScalars(TreeState& state) {
  state.tree.builtBranchings = 0;
  state.tree.complete = false;
  state.tree.branchingCount = 0;
  state.tree.leafCount = 1;
  state.tree.decimalCount = 4;
  state.tree.showFractions = false;
  state.tree.boundByOutcomesOnly = false;
  state.input = InputPosition{};
  state.results = Results{};
  state.labels.count = 0;
  state.reduction = Reduction{};
  state.event.shown = false;
  // A question about X asked of the old tree is none of the new one's.
  state.variableQuestion.clear();
  state.reversal.reset();
  // The random variable stood on the old tree's branches.
  state.variable.reset();
  state.trials.reset();
  // A tool chosen for the old tree does not wait for a click on the new one.
  state.pointer.toolMode = ToolMode::None;
}

std::string branchingLabel(int branching) {
  return "Antal grene i " + std::to_string(branching) + ". forgrening:";
}

// Builds the next branching with b branches under every node and draws the tree so far; false,
// with nothing built, when it would outgrow the store. A tree that cannot end in a shape of
// "2 forgreninger" or "3 forgreninger" is laid out anew in rows, so the levels before move.
bool buildNextBranching(Context& context, int branchesPerNode) {
  TreeState& state = context.state;
  Tree& tree = state.tree;
  ++tree.builtBranchings;
  if (!buildLevel(state, branchesPerNode)) {
    --tree.builtBranchings;
    return false;
  }
  if (mayHaveBuiltShape(tree)) {
    context.host.drawOnScreen([&](Canvas& canvas) { drawConstruction(state, canvas); });
  } else {
    layOutInRows(tree);
    paintTreeOnScreen(state, context.host);
  }
  return true;
}

// Builds the remaining branchings with 2 branches when no other count fits, and ends the
// construction when every branching is built.
void finishBranchings(Context& context) {
  TreeState& state = context.state;
  Tree& tree = state.tree;
  const bool onlyTwoFit = branchCountLimit(tree).completeWithTwo;
  while (onlyTwoFit && tree.builtBranchings < tree.branchingCount)
    if (!buildNextBranching(context, 2)) break;
  if (tree.builtBranchings == tree.branchingCount) {
    context.window.branchCountBarVisible = false;
    collectLabelRows(state);
    rebuildPathNames(state);
  }
  tree.complete = tree.builtBranchings == tree.branchingCount;
  if (tree.complete) tree.boundByOutcomesOnly = false;
  context.host.repaintDrawing();
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

void beginOtherShapeTree(Context& context, int branchings) {
  if (branchings < 1 || branchings > MaxBranchings) return;
  beginTree(context, branchings);
  context.state.tree.boundByOutcomesOnly = true;
  // Six branchings of 2 are all the outcomes there are room for: the tree is built at once.
  if (branchCountLimit(context.state.tree).completeWithTwo) finishBranchings(context);
}

void askOtherShapeTree(Context& context) {
  const std::optional<int> branchings = context.host.askCount(
      {.title = w1252("Andre træformer"),
       .label = "Antal forgreninger (1-" + std::to_string(MaxBranchings) + "):",
       .least = 1,
       .most = MaxBranchings,
       .preset = OtherShapePresetBranchings});
  if (branchings) beginOtherShapeTree(context, *branchings);
}

void addBranching(Context& context, int branchesPerNode) {
  const Tree& tree = context.state.tree;
  if (tree.complete || tree.builtBranchings >= tree.branchingCount) return;
  if (!buildNextBranching(context, branchesPerNode)) return;
  context.window.branchCountPrompt = branchingLabel(tree.builtBranchings + 1);
  finishBranchings(context);
}

}  // namespace kvistra
