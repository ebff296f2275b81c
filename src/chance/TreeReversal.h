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
ReversedTree reversedTree(const TreeState& state, int firstBranching);

// The names of each branching's branches, "A2, B2, C2", for branchings 1 to branchingCount.
std::vector<std::string> branchingNames(const Tree& tree);

// The question about unsaved changes, on a tree of three branchings the choice of the one to go
// first, then the reversed tree in place of the tree, or a message why it cannot be reversed.
void reverseTree(Context& context);

}  // namespace kvistra
