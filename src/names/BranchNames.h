// Branch names and texts: the rows of the names dialog applied to the tree, and the list of
// names and texts beside the results.
#pragma once

#include <string>
#include <vector>

#include "host/Context.h"

namespace kvistra {

// The names dialog's rows: b1 + b2 (+ b3) on a tree built alike, one per distinct name on each
// branching otherwise.
int labelRowsOf(const Tree& tree);

// Every branch takes the new name of its row; a one-character name is kept with a blank.
void applyLabelRows(TreeState& state);

// The explanation list: a heading, then each row's name and text in two columns.
std::vector<std::string> branchTextLines(const LabelRows& labels);

// "Navn og tekst på grene": the names dialog, then the tree, the results and the list.
void editBranchNames(Context& context);

}  // namespace kvistra
