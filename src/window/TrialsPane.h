// The pane of repeated trials: X, the number of successes, as "Binomialfordeling" or
// "Hypergeometrisk fordeling", from the trials' exact table rather than from a tree, which
// more than six trials do not have.
#pragma once

#include <string>

#include "tree/TreeState.h"
#include "window/DistributionPane.h"

namespace kvistra {

// Whether the pane shows the trials: while the work has them and is not reduced, since a
// reduced tree's X is no longer the trials' count.
bool showsTrials(const TreeState& state);

// The letter of the trials' count: the variable's when the tree defines one, else X.
std::string trialsVariableName(const TreeState& state);

// Decimals, never the tree's fractions: a thousand trials' fractions run to hundreds of digits.
NumberStyle trialsNumberStyle(const TreeState& state);

DistributionPane trialsPaneOf(const TreeState& state);

}  // namespace kvistra
