#include "tree/BranchCountLimits.h"

#include <algorithm>

namespace kvistra {

namespace {

// After a branching leaves a level of so many nodes, the counts from firstRefused up would make a
// later level outgrow the store; or the remaining branchings can only have 2 branches.
struct LimitRule {
  int branchings;
  int built;  // 0: whichever branching was just built
  int fewestNodes;
  int mostNodes;
  BranchCountLimit limit;
};

constexpr int NoneRefused = MostBranches + 1;

constexpr LimitRule LimitRules[] = {
    {2, 0, 5, 5, {6, false}},          {2, 0, 6, 6, {5, false}},
    {3, 1, 3, 3, {5, false}},          {3, 1, 4, 4, {4, false}},
    {3, 1, 5, 6, {NoneRefused, true}}, {3, 2, 5, 6, {5, false}},
    {3, 2, 7, 9, {4, false}},          {3, 2, 10, MaxNodesPerLevel, {NoneRefused, true}},
};

// The limit a rule sets right after branching built of branchings leaves nodes on its level.
BranchCountLimit limitAfter(int branchings, int built, int nodes) {
  for (const LimitRule& rule : LimitRules) {
    if (rule.branchings != branchings) continue;
    if (rule.built != 0 && rule.built != built) continue;
    if (nodes < rule.fewestNodes || nodes > rule.mostNodes) continue;
    return rule.limit;
  }
  return {};
}

// Every later branching needs at least 2 branches, so the count chosen next leaves room for them.
BranchCountLimit limitOfOutcomes(const Tree& tree) {
  const int later = tree.depth() - tree.builtBranchings - 1;
  if (later < 0) return {};
  const int most = MaxOutcomes / (std::max(tree.outcomeSlots(), 1) << later);
  return {.firstRefused = std::clamp(most + 1, FewestBranches, NoneRefused),
          .completeWithTwo = most == FewestBranches};
}

}  // namespace

BranchCountLimit branchCountLimit(const Tree& tree) {
  if (tree.boundByOutcomesOnly) return limitOfOutcomes(tree);
  // A count refused after one branching stays refused after the next.
  BranchCountLimit limit;
  for (int built = 1; built <= std::min(tree.builtBranchings, tree.depth()); ++built) {
    const BranchCountLimit after = limitAfter(tree.branchingCount, built, tree.slotsOn(built));
    limit.firstRefused = std::min(limit.firstRefused, after.firstRefused);
    limit.completeWithTwo = after.completeWithTwo;
  }
  return limit;
}

}  // namespace kvistra
