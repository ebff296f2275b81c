#include "tree/ExactValues.h"

#include <algorithm>
#include <vector>

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

// The exact values of the group first..last on level, each branch's typed and stored value read
// once: a typed value that agrees; else 1 minus the siblings when that agrees; else the stored.
std::vector<Exact> groupValues(const Tree& tree, int level, int first, int last) {
  std::vector<std::optional<Exact>> typed;
  std::vector<Exact> alone;
  Exact sum = 0;
  for (int slot = first; slot <= last; ++slot) {
    const Branch& branch = tree.branch(level, slot);
    typed.push_back(agreeingTypedValue(branch));
    alone.push_back(typed.back() ? *typed.back() : fifteenDigitValue(branch.probability));
    sum += alone.back();
  }
  std::vector<Exact> values;
  for (std::size_t i = 0; i < alone.size(); ++i) {
    if (typed[i]) {
      values.push_back(*typed[i]);
      continue;
    }
    Exact rest = 1 - (sum - alone[i]);
    const double stored = tree.branch(level, first + static_cast<int>(i)).probability;
    values.push_back(agreesWith(rest, stored) ? rest : alone[i]);
  }
  return values;
}

}  // namespace

Exact typedOrStoredValue(const Branch& branch) {
  if (std::optional<Exact> typed = agreeingTypedValue(branch)) return *typed;
  return fifteenDigitValue(branch.probability);
}

std::optional<std::string> typedFraction(const Branch& branch, const Exact& value) {
  std::string typed = branch.typedText.str();
  std::erase(typed, ' ');
  if (typed.find('/') == std::string::npos || agreeingTypedValue(branch) != value)
    return std::nullopt;
  return typed;
}

std::string branchFractionText(const Branch& branch, const Exact& value) {
  return typedFraction(branch, value).value_or(fractionText(value));
}

Exact exactBranchValue(const Tree& tree, int level, int slot) {
  const auto [first, last] = groupOf(tree, level, slot);
  return groupValues(tree, level, first, last)[static_cast<std::size_t>(slot - first)];
}

ExactValues::ExactValues(const Tree& tree) {
  for (int level = 1; level <= std::clamp(tree.branchingCount, 0, MaxBranchings); ++level) {
    const int b = std::max(tree.branch(level, 1).branchesPerNode, 1);
    for (int first = 1; first <= slotsOn(tree, level); first += b) {
      const int last = std::min(first + b - 1, slotsOn(tree, level));
      const std::vector<Exact> group = groupValues(tree, level, first, last);
      std::copy(group.begin(), group.end(), values_[level].begin() + first);
    }
  }
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
