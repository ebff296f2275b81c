// "Vend træet": the tree with its branchings in another order, each branch's value found from
// the original by Bayes' rule, exactly.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/Context.h"

namespace kvistra {

// The reversed tree, or why, in Danish, the tree cannot be reversed.
struct ReversedTree {
  std::optional<TreeState> state;
  std::string refusal;
};

// The complete tree of state with branching firstBranching moved to the front and the others kept
// in their order, laid out as a new tree of those branch counts. Each branching keeps its names
// and texts; each branch's value is its probability given the path above it, typed as a fraction
// where one fits the field, so a file holds it exactly. Refused when the groups of a branching
// do not carry the same names in the same order, or when a value would divide by a probability
// of 0. The whole tree is reversed, even while it is reduced; the reversed one has no results.
// It keeps the tree's choice of decimals or fractions, and holds each branch's working.
ReversedTree reversedTree(const TreeState& state, int firstBranching);

// The names of each branching's branches, "A2, B2, C2", for branchings 1 to branchingCount.
std::vector<std::string> branchingNames(const Tree& tree);

// On a tree of three branchings the choice of the one to go first, then a message why the tree
// cannot be reversed, or the question about unsaved changes and the reversed tree in its place.
void reverseTree(Context& context);

}  // namespace kvistra
