// Trees as a user leaves them before saving: built, every probability entered, reduced or
// not, with results and name rows.
#pragma once

#include <string>
#include <vector>

#include "support/TreeBuilding.h"

namespace kvistra::testing {

struct SavedTree {
  std::vector<int> branchCounts;
  std::vector<int> keptOutcomes;  // the reduction keeps these; empty: not reduced
  int results = 0;
  bool nameRows = false;  // the names dialog has been used: rows with Danish texts
};

// Builds the tree in f through the construction commands and fills in the rest.
void makeSavedTree(Fixture& f, const SavedTree& tree);

// The lines of a file, without their CR LF ends.
std::vector<std::string> fileLines(const std::string& text);
std::string joinLines(const std::vector<std::string>& lines, const std::string& end);

}  // namespace kvistra::testing
