// Trees for the event tests, the fuzz target and the benchmark, written straight into the store
// the way a finished construction leaves it, so that they need nothing but the tree model.
#pragma once

#include <string_view>
#include <vector>

#include "text/Exact.h"
#include "tree/Layout.h"
#include "tree/TreeHelpers.h"
#include "tree/TreeState.h"

namespace kvistra::test_trees {

// A complete tree with the given branch count per branching; branches are named by letter and
// level digit (A1, B1, A2, ...). Every probability stays 0: the evaluator does not read them.
inline TreeState MakeTree(const std::vector<int>& branchCounts) {
  TreeState state;
  Branch& root = state.tree.root();
  root.branchesPerNode = 1;
  root.levelNodeCount = 1;
  root.x = RootX;
  root.y = RootY;
  root.exists = true;
  int nodes = 1;
  int level = 0;
  for (const int branches : branchCounts) {
    ++level;
    nodes *= branches;
    for (int slot = 1; slot <= MaxNodesPerLevel; ++slot) {
      Branch& branch = state.tree.branch(level, slot);
      branch.name = " ";
      if (slot > nodes) continue;
      branch.branchesPerNode = branches;
      branch.levelNodeCount = nodes;
      branch.parentIndex = (slot - 1) / branches + 1;
      branch.x = level * LevelPitch + RootX;
      const char name[] = {static_cast<char>('A' + (slot - 1) % branches),
                           static_cast<char>('0' + level)};
      branch.name = std::string_view(name, 2);
      branch.exists = true;
    }
  }
  state.tree.branchingCount = level;
  state.tree.builtBranchings = level;
  state.tree.leafCount = nodes;
  state.event.outcomeCount = nodes;
  state.tree.complete = true;
  rebuildPathNames(state);
  return state;
}

// The example tree of the event language: A1, B1 and then A2, B2, C2; outcomes 1..6.
inline TreeState ExampleTree() {
  return MakeTree({2, 3});
}

// What a reduction leaves for the evaluator: the leaves are gone, the path names stay.
inline void RemoveOutcomes(TreeState& state, const std::vector<int>& outcomes) {
  for (const int k : outcomes) state.tree.branch(state.tree.branchingCount, k).exists = false;
}

// Renames every branch called oldName, as renaming throughout the tree does; a one-letter name
// is stored with a trailing blank.
inline void RenameBranches(TreeState& state, std::string_view oldName, std::string newName) {
  if (newName.size() == 1) newName += ' ';
  for (int level = 1; level <= state.tree.branchingCount; ++level) {
    for (int slot = 1; slot <= state.tree.branch(level, 1).levelNodeCount; ++slot) {
      if (state.tree.branch(level, slot).name == oldName)
        state.tree.branch(level, slot).name = newName;
    }
  }
  rebuildPathNames(state);
}

// Gives a level's branches, slot 1 on, the probabilities typed as texts: the typed text and its
// double, as the probability dialog leaves them.
inline void TypeLevel(TreeState& state, int level, const std::vector<std::string_view>& typed) {
  int slot = 0;
  for (const std::string_view text : typed) {
    Branch& branch = state.tree.branch(level, ++slot);
    const Exact value = readExact(text).value_or(0);
    branch.typedText = text;
    branch.probability = value.get_num().get_d() / value.get_den().get_d();
    branch.probabilityEntered = true;
  }
}

// A full 3 x 3 x 3 tree whose every group is typed 1234/4321, 1000/4321 and 2087/4321.
inline TreeState FractionTree() {
  TreeState state = MakeTree({3, 3, 3});
  for (int level = 1; level <= 3; ++level) {
    std::vector<std::string_view> typed;
    while (typed.size() < static_cast<std::size_t>(state.tree.branch(level, 1).levelNodeCount))
      typed.insert(typed.end(), {"1234/4321", "1000/4321", "2087/4321"});
    TypeLevel(state, level, typed);
  }
  return state;
}

inline std::vector<int> MarkedOutcomes(const TreeState& state) {
  std::vector<int> marked;
  for (int k = 1; k <= MaxOutcomes; ++k) {
    if (state.event.outcomeMarked[k]) marked.push_back(k);
  }
  return marked;
}

}  // namespace kvistra::test_trees
