// Which row of the names dialog each branch belongs to. A tree whose branchings are built alike
// has one row for each position in a branching's groups; any other tree one row for each
// distinct name on a branching, in the order the names first appear from the top, so that the
// rows stay the same after their new names (which never clash) are applied.
#pragma once

#include <array>

#include "tree/TreeState.h"

namespace kvistra {

struct LabelRowMap {
  int count = 0;
  // The row of each branch, levels 1..6 and slots 1..64; 0 for a branch past the last row.
  std::array<std::array<int, MaxNodesPerLevel + 1>, MaxBranchings + 1> rowOf{};
};

LabelRowMap labelRowMap(const Tree& tree);

}  // namespace kvistra
