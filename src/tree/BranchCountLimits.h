// Which branch counts the next branching of a tree being built may still have.
#pragma once

#include "tree/TreeState.h"

namespace kvistra {

struct BranchCountLimit {
  int firstRefused = MostBranches + 1;  // counts from here up would outgrow the store
  bool completeWithTwo = false;         // the remaining branchings can only have 2 branches
};

// The limit the branchings built so far leave: none before the first.
BranchCountLimit branchCountLimit(const Tree& tree);

}  // namespace kvistra
