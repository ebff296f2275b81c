#include "tree/TreeHelpers.h"

#include <cmath>

#include "text/TextFormat.h"

namespace kvistra {

bool clickInRect(const TreeState& state, int left, int top, int right, int bottom) {
  const Pointer& p = state.pointer;
  return p.releaseX >= left && p.releaseX <= right && p.releaseY >= top && p.releaseY <= bottom;
}

std::string probabilityFormat(const TreeState& state, const Exact& probability) {
  return fixedPoint(probability, state.tree.decimalCount + 2, state.tree.decimalCount);
}

std::string probabilityFormat(const TreeState& state, double probability) {
  return fixedPoint(probability, state.tree.decimalCount + 2, state.tree.decimalCount);
}

void rebuildPathNames(TreeState& state) {
  const Tree& tree = state.tree;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    auto& row = state.pathNames[k];
    for (auto& cell : row) cell = "";
    const BranchAt leaf = tree.outcome(k);
    if (leaf.level < 1 || !tree.branch(leaf).exists) continue;
    for (BranchAt at = leaf; at.level >= 1; at = tree.above(at))
      row[at.level] = tree.branch(at).name.view();
  }
}

double pathProbability(const TreeState& state, int k) {
  double product = 1.0;
  const Tree& tree = state.tree;
  for (BranchAt at = tree.outcome(k); at.level >= 1; at = tree.above(at))
    product *= tree.branch(at).probability;
  return product;
}

double existingOutcomesProbability(const TreeState& state) {
  double sum = 0.0;
  for (int k = 1; k <= state.tree.outcomeSlots(); ++k)
    if (state.tree.leaf(k).exists) sum += pathProbability(state, k);
  return sum;
}

std::vector<InvalidGroup> invalidGroups(const Tree& tree) {
  constexpr double Tolerance = 1e-9;
  std::vector<InvalidGroup> found;
  for (int level = 1; level <= tree.depth(); ++level) {
    for (int parent = 1; parent <= tree.slotsOn(level - 1); ++parent) {
      const Slots group = tree.children(level - 1, parent);
      if (group.size() == 0) continue;
      double sum = 0.0;
      bool negative = false;
      for (int slot = group.first; slot <= group.last; ++slot) {
        const double p = tree.branch(level, slot).probability;
        sum += p;
        negative = negative || p < 0.0;
      }
      if (negative || std::abs(sum - 1.0) > Tolerance)
        found.push_back({level, group.first, group.last, negative});
    }
  }
  return found;
}

bool isEvenTree(const Tree& tree) {
  const int depth = tree.depth();
  if (tree.outcomeSlots() != tree.slotsOn(depth)) return false;
  for (int level = 1; level <= depth; ++level)
    for (int node = 1; node <= tree.slotsOn(level - 1); ++node)
      if (tree.children(level - 1, node).size() != tree.groupSize(level)) return false;
  return true;
}

Group groupOf(const Tree& tree, int level, int slot) {
  return {level, tree.siblings(level, slot)};
}

bool groupEntered(const Tree& tree, const Group& group) {
  for (int slot = group.range.first; slot <= group.range.last; ++slot)
    if (!tree.branch(group.level, slot).probabilityEntered) return false;
  return true;
}

std::optional<Group> firstOpenGroup(const Tree& tree) {
  for (int level = 1; level <= tree.depth(); ++level) {
    for (int slot = 1; slot <= tree.slotsOn(level);) {
      const Group group = groupOf(tree, level, slot);
      if (group.range.size() == 0) break;
      if (!groupEntered(tree, group)) return group;
      slot = group.range.last + 1;
    }
  }
  return std::nullopt;
}

bool computableTree(const TreeState& state) {
  return state.tree.complete && state.input.allProbabilitiesEntered &&
         invalidGroups(state.tree).empty();
}

bool showsConditionalValues(const TreeState& state) {
  return state.view.conditionalValues && state.reduction.reduced;
}

namespace {

// The names on the path to a branch, each as nameOf gives it.
template <class NameOf>
std::string joinedPath(const Tree& tree, int level, int slot, NameOf nameOf) {
  std::string name;
  for (; level >= 1 && slot >= 1 && slot <= MaxNodesPerLevel; --level) {
    const Branch& branch = tree.branch(level, slot);
    name.insert(0, nameOf(branch));
    slot = branch.parentIndex;
  }
  return name;
}

std::string_view storedName(const Branch& branch) {
  return branch.name.view();
}

// A name as it is read: a one-character name is stored with a blank after it.
std::string_view readName(const Branch& branch) {
  std::string_view name = branch.name.view();
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

}  // namespace

std::string pathNameOf(const Tree& tree, int level, int slot) {
  return joinedPath(tree, level, slot, storedName);
}

std::string branchLabel(const Tree& tree, int level, int slot) {
  const Branch& branch = tree.branch(level, slot);
  const std::string name(readName(branch));
  if (level <= 1) return name;
  return name + " efter " + joinedPath(tree, level - 1, branch.parentIndex, readName);
}

}  // namespace kvistra
