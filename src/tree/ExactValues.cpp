#include "tree/ExactValues.h"

#include <algorithm>
#include <vector>

namespace kvistra {

namespace {

// The value typed for branch, when it is the one the branch holds.
std::optional<Exact> agreeingTypedValue(const Branch& branch) {
  std::optional<Exact> typed = readExact(branch.typedText.view());
  if (typed && !agreesWith(*typed, branch.probability)) typed.reset();
  return typed;
}

// The exact values of the group first..last on level, each branch's typed and stored value read
// once: a typed value that agrees; else, for the one branch of the group without one, 1 minus
// the siblings when that agrees; else the stored. Two such branches cannot each be the rest of
// the other: as each other's rest they would change with every save and load.
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
  const bool oneUntyped = std::count(typed.begin(), typed.end(), std::nullopt) == 1;
  std::vector<Exact> values;
  for (std::size_t i = 0; i < alone.size(); ++i) {
    if (typed[i]) {
      values.push_back(*typed[i]);
      continue;
    }
    Exact rest = 1 - (sum - alone[i]);
    const double stored = tree.branch(level, first + static_cast<int>(i)).probability;
    values.push_back(oneUntyped && agreesWith(rest, stored) ? rest : alone[i]);
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
  const Slots group = tree.siblings(level, slot);
  return groupValues(tree, level, group.first,
                     group.last)[static_cast<std::size_t>(slot - group.first)];
}

ExactValues::ExactValues(const Tree& tree) {
  for (int level = 1; level <= tree.depth(); ++level) {
    for (int parent = 1; parent <= tree.slotsOn(level - 1); ++parent) {
      const Slots group = tree.children(level - 1, parent);
      const std::vector<Exact> values = groupValues(tree, level, group.first, group.last);
      std::copy(values.begin(), values.end(), values_[level].begin() + group.first);
    }
  }
}

Exact exactSumBefore(const Tree& tree, int level, int slot) {
  Exact sum = 0;
  for (int sibling = tree.siblings(level, slot).first; sibling < slot; ++sibling)
    sum += exactBranchValue(tree, level, sibling);
  return sum;
}

Exact exactPathProbability(const Tree& tree, const ExactValues& values, int k) {
  Exact product = 1;
  // From the outcome's own branch, which lies above the last branching when its path ends early.
  for (BranchAt at = tree.outcome(k); at.level >= 1; at = tree.above(at)) {
    if (at.slot < 1 || at.slot > MaxNodesPerLevel) return 0;
    product *= values(at.level, at.slot);
  }
  return product;
}

Exact exactMarkedSum(const TreeState& state, const ExactValues& values) {
  const Tree& tree = state.tree;
  Exact sum = 0;
  for (int k = 1; k <= tree.outcomeSlots(); ++k)
    if (state.event.outcomeMarked[k]) sum += exactPathProbability(tree, values, k);
  return sum;
}

Exact exactExistingSum(const Tree& tree, const ExactValues& values) {
  Exact sum = 0;
  for (int k = 1; k <= tree.outcomeSlots(); ++k)
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
  const int deepest = tree.depth();
  // The kept outcomes' probability through every branch; the root's is all of them.
  std::array<std::array<Exact, MaxNodesPerLevel + 1>, MaxBranchings + 1> kept;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    if (deepest < 1 || !tree.leaf(k).exists) continue;
    const Exact path = exactPathProbability(tree, values, k);
    for (BranchAt at = tree.outcome(k);
         at.level >= 1 && at.slot >= 1 && at.slot <= MaxNodesPerLevel; at = tree.above(at))
      kept[at.level][at.slot] += path;
    kept[0][1] += path;
  }
  for (int level = 1; level <= deepest; ++level)
    for (int slot = 1; slot <= tree.slotsOn(level); ++slot) {
      const Branch& branch = tree.branch(level, slot);
      const int parent = level == 1 ? 1 : branch.parentIndex;
      if (!branch.exists || parent < 1 || parent > MaxNodesPerLevel) continue;
      if (sgn(kept[level - 1][parent]) != 0)
        values_[level][slot] = kept[level][slot] / kept[level - 1][parent];
    }
}

}  // namespace kvistra
