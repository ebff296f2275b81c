// Questions asked of the tree by every part of the program.
#pragma once

#include <string>

#include "tree/TreeState.h"

namespace kvistra {

// Whether the last release on the drawing lies in the rectangle, edges included.
bool clickInRect(const TreeState& state, int left, int top, int right, int bottom);

// A branch probability as written on the drawing: decimalCount decimals, width decimalCount + 2.
std::string probabilityFormat(const TreeState& state, double probability);

void rebuildPathNames(TreeState& state);

// The product of the probabilities on the path of outcome k, width 12 with 4 decimals.
double pathProbability(const TreeState& state, int k);
std::string pathProbabilityText(const TreeState& state, int k);

}  // namespace kvistra
