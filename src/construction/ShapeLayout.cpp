#include "construction/ShapeLayout.h"

#include <algorithm>
#include <cmath>

#include "tree/Layout.h"

namespace kvistra {

namespace {

bool groupsAlike(const Tree& tree, int level) {
  const int size = tree.groupSize(level + 1);
  for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
    if (tree.children(level, slot).size() != size) return false;
  return true;
}

// Gives the leaves below a branch their rows, top to bottom from row, and puts every node's line
// at the middle of its children's; returns the row after the last one used.
int layOutRows(Tree& tree, BranchAt at, int row, int rows) {
  Branch& branch = tree.branch(at);
  const Slots children = tree.children(at.level, at.slot);
  if (children.size() == 0) {
    branch.y = outcomeRowY(row, rows);
    return row + 1;
  }
  for (int child = children.first; child <= children.last; ++child)
    row = layOutRows(tree, {at.level + 1, child}, row, rows);
  branch.y =
      (tree.branch(at.level + 1, children.first).y + tree.branch(at.level + 1, children.last).y) /
      2;
  return row;
}

int leavesBelow(const Tree& tree, BranchAt at) {
  const Slots children = tree.children(at.level, at.slot);
  int leaves = children.size() == 0 ? 1 : 0;
  for (int child = children.first; child <= children.last; ++child)
    leaves += leavesBelow(tree, {at.level + 1, child});
  return leaves;
}

}  // namespace

void placeAcross(Branch& branch, int level) {
  branch.x = branchLeft(level);
  branch.nameX = branch.x + NameOffset;
  branch.probabilityX = branch.x + ProbabilityOffset;
}

void layOutEvenLevel(Tree& tree, int level) {
  const int n = tree.slotsOn(level);
  const int spacing = VerticalSpan / n;
  for (int slot = 1; slot <= n; ++slot) {
    const Slots group = tree.siblings(level, slot);
    const int k = slot - group.first;
    const int b = group.size();
    Branch& branch = tree.branch(level, slot);
    placeAcross(branch, level);
    // std::nearbyint rounds halves to the even integer, as the layout requires.
    const double offset = (k - (b - 1) / 2.0) * spacing;
    branch.y = tree.branch(tree.above({level, slot})).y + static_cast<int>(std::nearbyint(offset));
  }
}

bool hasBuiltShape(const Tree& tree) {
  const int depth = tree.depth();
  if (depth < 2 || depth > 3 || tree.slotsOn(depth) > MostOutcomesBuilt) return false;
  for (int level = 0; level < depth; ++level)
    if (!groupsAlike(tree, level)) return false;
  return true;
}

bool mayHaveBuiltShape(const Tree& tree) {
  return tree.depth() >= 2 && tree.depth() <= 3 && tree.outcomeSlots() <= MostOutcomesBuilt;
}

int outcomeRowY(int row, int rows) {
  const int spacing = std::max(VerticalSpan / std::max(rows, 1), ClosestRows);
  const int span = (rows - 1) * spacing;
  if (RootY - span / 2.0 < TopRow || RootY + span / 2.0 > BottomRow) return TopRow + row * spacing;
  return RootY + static_cast<int>(std::nearbyint((row - (rows - 1) / 2.0) * spacing));
}

void layOutTree(Tree& tree) {
  Branch& root = tree.root();
  root.x = RootX;
  root.y = RootY;
  if (!hasBuiltShape(tree)) return layOutInRows(tree);
  for (int level = 1; level <= tree.depth(); ++level) layOutEvenLevel(tree, level);
}

void layOutInRows(Tree& tree) {
  for (int level = 1; level <= tree.depth(); ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot)
      placeAcross(tree.branch(level, slot), level);
  layOutRows(tree, {0, 1}, 0, leavesBelow(tree, {0, 1}));
}

}  // namespace kvistra
