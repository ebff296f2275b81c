// The random variable on a tree: its value on each outcome, read from what its branches hold,
// and its distribution, given the reduction when the tree is reduced.
#pragma once

#include <optional>
#include <vector>

#include "distribution/Distribution.h"
#include "tree/TreeState.h"

namespace kvistra {

// X on outcome k; nothing while a value it needs has not been typed.
std::optional<Exact> variableValue(const Tree& tree, const RandomVariable& variable, int k);

// The outcomes whose value still waits for a value to be typed, top to bottom.
std::vector<int> outcomesWithoutValue(const Tree& tree, const RandomVariable& variable);

// X's distribution over the outcomes that exist, given the reduction on a reduced tree;
// nothing without a variable, while a value is missing, or when the tree is not one to compute
// with.
std::optional<Distribution> variableDistribution(const TreeState& state);

}  // namespace kvistra
