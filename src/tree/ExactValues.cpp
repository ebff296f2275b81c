#include "tree/ExactValues.h"

#include <algorithm>

namespace kvistra {

namespace {

int slotsOn(const Tree& tree, int level) {
  return std::clamp(tree.branch(level, 1).levelNodeCount, 0, MaxNodesPerLevel);
}

// The slots of the group slot belongs to, first to last.
std::pair<int, int> groupOf(const Tree& tree, int level, int slot) {
  const int b = std::max(tree.branch(level, 1).branchesPerNode, 1);
  const int first = (slot - 1) / b * b + 1;
  return {first, std::min(first + b - 1, slotsOn(tree, level))};
}

// The value typed for branch, when it is the one the branch holds.
std::optional<Exact> agreeingTypedValue(const Branch& branch) {
  std::optional<Exact> typed = readExact(branch.typedText.view());
  if (typed && !agreesWith(*typed, branch.probability)) typed.reset();
  return typed;
}

}  // namespace

Exact typedOrStoredValue(const Branch& branch) {
  return agreeingTypedValue(branch).value_or(fifteenDigitValue(branch.probability));
}

std::string branchFractionText(const Branch& branch, const Exact& value) {
  std::string typed = branch.typedText.str();
  std::erase(typed, ' ');
  if (typed.find('/') != std::string::npos && agreeingTypedValue(branch) == value) return typed;
  return fractionText(value);
}

Exact exactBranchValue(const Tree& tree, int level, int slot) {
  const Branch& branch = tree.branch(level, slot);
  if (std::optional<Exact> typed = agreeingTypedValue(branch)) return *typed;
  const auto [first, last] = groupOf(tree, level, slot);
  Exact rest = 1;
  for (int sibling = first; sibling <= last; ++sibling)
    if (sibling != slot) rest -= typedOrStoredValue(tree.branch(level, sibling));
  if (agreesWith(rest, branch.probability)) return rest;
  return fifteenDigitValue(branch.probability);
}

ExactValues::ExactValues(const Tree& tree) {
  for (int level = 1; level <= std::clamp(tree.branchingCount, 0, MaxBranchings); ++level)
    for (int slot = 1; slot <= slotsOn(tree, level); ++slot)
      values_[level][slot] = exactBranchValue(tree, level, slot);
}

Exact exactSumBefore(const Tree& tree, int level, int slot) {
  Exact sum = 0;
  for (int sibling = groupOf(tree, level, slot).first; sibling < slot; ++sibling)
    sum += exactBranchValue(tree, level, sibling);
  return sum;
}

Exact exactPathProbability(const Tree& tree, const ExactValues& values, int k) {
  Exact product = 1;
  int slot = k;
  for (int level = std::clamp(tree.branchingCount, 0, MaxBranchings); level >= 1; --level) {
    if (slot < 1 || slot > MaxNodesPerLevel) return 0;
    product *= values(level, slot);
    slot = tree.branch(level, slot).parentIndex;
  }
  return product;
}

Exact exactMarkedSum(const Tree& tree, const ExactValues& values) {
  Exact sum = 0;
  for (int k = 1; k <= std::clamp(tree.levelNodeCount, 0, MaxOutcomes); ++k)
    if (tree.outcomeMarked[k]) sum += exactPathProbability(tree, values, k);
  return sum;
}

Exact exactExistingSum(const Tree& tree, const ExactValues& values) {
  Exact sum = 0;
  for (int k = 1; k <= std::clamp(tree.levelNodeCount, 0, MaxOutcomes); ++k)
    if (tree.leaf(k).exists) sum += exactPathProbability(tree, values, k);
  return sum;
}

Exact exactReductionProbability(const TreeState& state, const ExactValues& values) {
  if (!state.reduction.reduced) return 1;
  Exact kept = exactExistingSum(state.tree, values);
  // The held probability is a sum of products of doubles, some of them read from 15 digits: it
  // misses the exact sum by their rounding, far below what any tree could mean by a difference.
  if (abs(kept - Exact(state.reduction.probability)) <= Exact(1, 1000000000)) return kept;
  return fifteenDigitValue(state.reduction.probability);
}

ConditionalValues::ConditionalValues(const Tree& tree, const ExactValues& values) {
  const int deepest = std::clamp(tree.branchingCount, 0, MaxBranchings);
  // The kept outcomes' probability through every branch; the root's is all of them.
  std::array<std::array<Exact, MaxNodesPerLevel + 1>, MaxBranchings + 1> kept;
  for (int k = 1; k <= std::clamp(tree.levelNodeCount, 0, MaxOutcomes); ++k) {
    if (deepest < 1 || !tree.leaf(k).exists) continue;
    const Exact path = exactPathProbability(tree, values, k);
    int slot = k;
    for (int level = deepest; level >= 1 && slot >= 1 && slot <= MaxNodesPerLevel; --level) {
      kept[level][slot] += path;
      slot = tree.branch(level, slot).parentIndex;
    }
    kept[0][1] += path;
  }
  for (int level = 1; level <= deepest; ++level)
    for (int slot = 1; slot <= slotsOn(tree, level); ++slot) {
      const Branch& branch = tree.branch(level, slot);
      const int parent = level == 1 ? 1 : branch.parentIndex;
      if (!branch.exists || parent < 1 || parent > MaxNodesPerLevel) continue;
      if (sgn(kept[level - 1][parent]) != 0)
        values_[level][slot] = kept[level][slot] / kept[level - 1][parent];
    }
}

}  // namespace kvistra
