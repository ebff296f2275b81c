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

// Fills the rows with the names the branches now have: each row the name of its first branch from
// the top, as its old and its new name, and the text of the row of textsFrom that gave the same
// new name, if any. The count is left as it was.
void fillLabelRows(const Tree& tree, const LabelRows& textsFrom, LabelRows& labels);

}  // namespace kvistra
