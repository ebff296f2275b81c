// Questions asked of the tree by every part of the program.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "text/Exact.h"
#include "tree/TreeState.h"

namespace kvistra {

// Whether the last release on the drawing lies in the rectangle, edges included.
bool clickInRect(const TreeState& state, int left, int top, int right, int bottom);

// A branch probability as written on the drawing: decimalCount decimals, width decimalCount + 2.
// The exact value is what is shown; the double's form is what a filled-in branch keeps as its
// typed text, as tree files have always held it.
std::string probabilityFormat(const TreeState& state, const Exact& probability);
std::string probabilityFormat(const TreeState& state, double probability);

void rebuildPathNames(TreeState& state);

// The product of the probabilities on the path of outcome k, in doubles.
double pathProbability(const TreeState& state, int k);

// The probability of the outcomes that exist: 1 on a whole tree, the reduction's on a reduced one.
double existingOutcomesProbability(const TreeState& state);

// A group of sibling branches whose probabilities are no distribution: one is negative, or they
// do not add up to 1. Slots first to last on level.
struct InvalidGroup {
  int level = 0;
  int firstSlot = 0;
  int lastSlot = 0;
  bool negative = false;
};

// The groups of a tree with every probability entered that are not valid. A group is valid when
// no value is negative and its sum lies within 1e-9 of 1: a file keeps 15 digits, so 1/3 three
// times reads back as 0.9999999999999989.
std::vector<InvalidGroup> invalidGroups(const Tree& tree);

// Whether every path runs through every branching and the groups of each branching are all of
// one size: the shape "2 forgreninger" and "3 forgreninger" build.
bool isEvenTree(const Tree& tree);

// A group of sibling branches: its level and its slots there.
struct Group {
  int level = 0;
  Slots range;
  friend bool operator==(const Group&, const Group&) = default;
};

// The group the branch at level, slot belongs to.
Group groupOf(const Tree& tree, int level, int slot);

// Whether every branch of the group has its probability.
bool groupEntered(const Tree& tree, const Group& group);

// The first group, branching by branching and top to bottom, that still waits for a value: the
// order in which the probabilities are asked.
std::optional<Group> firstOpenGroup(const Tree& tree);

// Whether the tree is one to compute with: complete, every branch with its probability and every
// group a distribution. Events, counts of N and simulations need it alike.
bool computableTree(const TreeState& state);

// Whether the values are shown given the reduction in force: "Vis betingede sandsynligheder" on
// a reduced tree.
bool showsConditionalValues(const TreeState& state);

// The names on the path to the branch, the branch's own last: "A1B2" for B2 under A1.
std::string pathNameOf(const Tree& tree, int level, int slot);

// The branch as a sentence names it: "B2 efter A1", or "A1" on the first branching; names are
// read without the blank a one-character name is stored with ("P efter S").
std::string branchLabel(const Tree& tree, int level, int slot);

}  // namespace kvistra
