// Which branch counts the next branching of a tree being built may still have.
#pragma once

#include "tree/TreeState.h"

namespace kvistra {

struct BranchCountLimit {
  int firstRefused = MostBranches + 1;  // counts from here up would outgrow the store
  bool completeWithTwo = false;         // the remaining branchings can only have 2 branches
};

// The limit the branchings built so far leave. A tree of "2 forgreninger" or "3 forgreninger" has
// none before its first; one built bound by its outcomes alone refuses a count b for the next
// branching when outcomes so far · b · 2^(branchings after it) would pass MaxOutcomes.
BranchCountLimit branchCountLimit(const Tree& tree);

}  // namespace kvistra
