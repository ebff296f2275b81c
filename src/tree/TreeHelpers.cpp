#include "tree/TreeHelpers.h"

#include "text/TextFormat.h"

namespace kvistra {

bool clickInRect(const TreeState& state, int left, int top, int right, int bottom) {
  const Pointer& p = state.pointer;
  return p.releaseX >= left && p.releaseX <= right && p.releaseY >= top && p.releaseY <= bottom;
}

std::string probabilityFormat(const TreeState& state, double probability) {
  return fixedPoint(probability, state.tree.decimalCount + 2, state.tree.decimalCount);
}

void rebuildPathNames(TreeState& state) {
  const int deepest = state.tree.branchingCount;
  for (int k = 1; k <= state.tree.levelNodeCount && k <= MaxOutcomes; ++k) {
    auto& row = state.tree.pathNames[k];
    for (auto& cell : row) cell = "";
    if (deepest < 1 || !state.tree.branch(deepest, k).exists) continue;
    int slot = k;
    for (int level = deepest; level >= 1; --level) {
      const Branch& branch = state.tree.branch(level, slot);
      row[level] = branch.name.view();
      slot = branch.parentIndex;
    }
  }
}

double pathProbability(const TreeState& state, int k) {
  double product = 1.0;
  int slot = k;
  for (int level = state.tree.branchingCount; level >= 1; --level) {
    const Branch& branch = state.tree.branch(level, slot);
    product *= branch.probability;
    slot = branch.parentIndex;
  }
  return product;
}

std::string pathProbabilityText(const TreeState& state, int k) {
  return fixedPoint(pathProbability(state, k), 12, 4);
}

}  // namespace kvistra
