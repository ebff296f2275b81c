#include "tree/Construction.h"

#include <cmath>
#include <string>

#include "tree/CommandStates.h"
#include "tree/Helpers.h"

namespace kvistra {

namespace {

void resetNodes(TreeState& state) {
  Gren_Info& root = state.root();
  root.branchesPerNode = 1;
  root.x = RootX;
  root.y = RootY;
  for (int level = 1; level <= MaxBranchings; ++level) {
    for (int slot = 1; slot <= MaxNodesPerLevel; ++slot) {
      Gren_Info& branch = state.node(level, slot);
      branch = Gren_Info{};
      branch.name = " ";
      state.pathNames[slot][level] = "";
    }
  }
}

void resetScalars(TreeState& state) {
  state.builtBranchings = 0;
  state.currentLevel = 1;
  state.currentNode = 0;
  state.groupSum = 0.0;
  state.resultCount = 0;
  state.labelRowCount = 0;
  state.treeComplete = false;
  state.canCopyDown = false;
  state.canCopyAcross = false;
  state.branchingCount = 0;
  state.levelNodeCount = 1;
  state.decimalCount = 4;
  state.reducedProbability = 1.0;
  state.reductionText.clear();
  state.eventShown = false;
  state.allEntered = false;
  state.treeReduced = false;
  state.cancelled = false;
}

void eraseDrawing(Canvas& canvas) {
  canvas.fillRect(0, 0, canvas.width(), canvas.height());
}

void disableButtonsFrom(WindowState& window, int firstBranches) {
  for (int b = firstBranches; b <= MostBranches; ++b)
    window.setEnabled(branchCountButton(b), false);
}

std::string branchingLabel(int branching) {
  return "Antal grene i " + std::to_string(branching) + ". forgrening:";
}

}  // namespace

void resetTree(Context& context) {
  TreeState& state = context.state;
  WindowState& window = context.window;
  window.caption = "   Kvistra   ";
  window.panel1Visible = window.panel2Visible = window.panel5Visible = true;
  state.resultCount = 0;
  window.memo2Lines.clear();
  eraseDrawing(context.host.drawingCanvas());
  resetNodes(state);
  resetScalars(state);
  window.apply(NoTreeCommands);
  window.apply(NewTreeCommands);
  window.panel3Visible = false;
  window.panel6Yellow = false;
  window.label2Caption.clear();
  window.label3Caption.clear();
}

void beginTree(Context& context, int branchings) {
  resetTree(context);
  context.state.branchingCount = branchings;
  context.window.label1Caption = branchingLabel(1);
  for (int b = FewestBranches; b <= MostBranches; ++b)
    context.window.setEnabled(branchCountButton(b), true);
}

void buildLevel(TreeState& state, int branchesPerNode) {
  const int level = state.builtBranchings;
  const int b = branchesPerNode;
  state.levelNodeCount *= b;
  state.outcomeCount = state.levelNodeCount;
  const int n = state.levelNodeCount;
  const int spacing = VerticalSpan / n;
  for (int slot = 1; slot <= n; ++slot) {
    const int k = (slot - 1) % b;
    const int parent = (slot - 1) / b + 1;
    Gren_Info& branch = state.node(level, slot);
    branch.branchesPerNode = b;
    branch.levelNodeCount = n;
    branch.parentIndex = parent;
    branch.x = (level - 1) * LevelPitch + 30;
    branch.nameX = branch.x + NameOffset;
    branch.probX = branch.x + ProbabilityOffset;
    branch.name = std::string{static_cast<char>('A' + k), static_cast<char>('0' + level)};
    branch.exists = true;
    // std::nearbyint rounds halves to the even integer, as the layout requires.
    const double offset = (k - (b - 1) / 2.0) * spacing;
    branch.y = state.node(level - 1, parent).y + static_cast<int>(std::nearbyint(offset));
  }
}

bool applyButtonLimits(const TreeState& state, WindowState& window) {
  const int n = state.levelNodeCount;
  if (state.branchingCount == 2) {
    if (n == 5) disableButtonsFrom(window, 6);
    if (n == 6) disableButtonsFrom(window, 5);
    return false;
  }
  if (state.branchingCount != 3) return false;
  if (state.builtBranchings == 1) {
    if (n == 3) disableButtonsFrom(window, 5);
    if (n == 4) disableButtonsFrom(window, 4);
    return n >= 5;
  }
  if (state.builtBranchings == 2) {
    if (n == 5 || n == 6) disableButtonsFrom(window, 5);
    if (n >= 7 && n <= 9) disableButtonsFrom(window, 4);
    return n >= 10;
  }
  return false;
}

void drawConstruction(TreeState& state, Canvas& canvas) {
  state.drawOffsetX = ConstructionOffsetX;
  const int dx = state.drawOffsetX;
  drawLine(canvas, dx, RootY, dx + 30, RootY);
  for (int level = 1; level <= state.builtBranchings; ++level) {
    const int count = state.node(level, 1).levelNodeCount;
    for (int slot = 1; slot <= count; ++slot) {
      const Gren_Info& branch = state.node(level, slot);
      drawLine(canvas, dx + branch.x, branch.y, dx + branch.x + LevelPitch, branch.y);
      canvas.textOut(dx + branch.nameX, branch.y - state.lineTextHeight, branch.name.view());
    }
    const int b = state.node(level, 1).branchesPerNode;
    for (int first = 1; first <= count; first += b) {
      const Gren_Info& top = state.node(level, first);
      const Gren_Info& bottom = state.node(level, first + b - 1);
      drawLine(canvas, dx + top.x, top.y, dx + top.x, bottom.y);
    }
  }
}

void collectLabelRows(TreeState& state) {
  int row = 0;
  for (int level = 1; level <= state.branchingCount; ++level) {
    const int b = state.node(level, 1).branchesPerNode;
    for (int slot = 1; slot <= b && row < MaxLabelRows; ++slot) {
      Grenlabels& label = state.labels[++row];
      label.oldName = state.node(level, slot).name.view();
      label.newName = label.oldName.view();
      label.text.clear();
    }
  }
}

void addBranching(Context& context, int branchesPerNode) {
  TreeState& state = context.state;
  WindowState& window = context.window;
  Canvas& canvas = context.host.drawingCanvas();
  const int level = ++state.builtBranchings;
  window.label1Caption = branchingLabel(level + 1);
  buildLevel(state, branchesPerNode);
  drawConstruction(state, canvas);
  if (applyButtonLimits(state, window)) {
    while (state.builtBranchings < state.branchingCount) {
      ++state.builtBranchings;
      buildLevel(state, 2);
      drawConstruction(state, canvas);
    }
  }
  if (state.builtBranchings == state.branchingCount) {
    window.panel5Visible = false;
    window.apply(TreeCompleteCommands);
    collectLabelRows(state);
    RebuildPathNames(state);
  }
  state.treeComplete = state.builtBranchings == state.branchingCount;
  context.host.repaintDrawing();
}

}  // namespace kvistra
