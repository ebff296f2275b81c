// Reducing the tree to an event: the outcomes outside it are removed, later events are computed
// as conditional on it, and restoring brings the whole tree back.
#pragma once

#include "host/Context.h"

namespace kvistra {

// "&Reducér træ": shows the outcome numbers and asks the reduction event until a reduction is
// applied or the prompt is cancelled.
void askReduction(Context& context);

// Reduces the tree to the marked outcomes, or refuses when their probability is 0.
void applyReduction(Context& context);

// After probabilities changed on a reduced tree: the reduction's probability is summed again over
// the outcomes it kept. When that is now 0 the tree is restored, with a message that says why.
void refreshReduction(Context& context);

// "&Gendan træ": every branch exists again.
void restoreTree(Context& context);

// Every branch of the tree's levels exists.
void setAllBranchesExisting(Tree& tree);

// What the screen shows below the left pane about the reduction in force, if any.
ReductionNote reductionNote(const TreeState& state);

}  // namespace kvistra
