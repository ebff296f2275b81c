#include "tree/RandomVariable.h"

#include "distribution/VariableValue.h"
#include "tree/ExactValues.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

std::optional<Exact> variableValue(const Tree& tree, const RandomVariable& variable, int k) {
  const BranchAt leaf = tree.outcome(k);
  if (variable.kind == VariableKind::ValuePerOutcome)
    return readVariableValue(tree.branch(leaf).outcomeValue.view());
  Exact sum = 0;
  for (BranchAt at = leaf; at.level >= 1; at = tree.above(at)) {
    const Branch& branch = tree.branch(at);
    if (variable.kind == VariableKind::CountOfNames) {
      if (branch.counted) sum += 1;
    } else if (const std::optional<Exact> value = readVariableValue(branch.branchValue.view())) {
      sum += *value;
    } else {
      return std::nullopt;
    }
  }
  return sum;
}

std::vector<int> outcomesWithoutValue(const Tree& tree, const RandomVariable& variable) {
  std::vector<int> missing;
  for (int k = 1; k <= tree.outcomeSlots(); ++k)
    if (!variableValue(tree, variable, k)) missing.push_back(k);
  return missing;
}

std::optional<Distribution> variableDistribution(const TreeState& state) {
  if (!state.variable || !computableTree(state)) return std::nullopt;
  const Tree& tree = state.tree;
  const ExactValues values(tree);
  std::vector<DistributionRow> pairs;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    if (!tree.leaf(k).exists) continue;
    const std::optional<Exact> x = variableValue(tree, *state.variable, k);
    if (!x) return std::nullopt;
    pairs.push_back({*x, exactPathProbability(tree, values, k)});
  }
  if (state.reduction.reduced) return conditionalDistribution(pairs);
  return Distribution(pairs);
}

}  // namespace kvistra
