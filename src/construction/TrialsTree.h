// Repeated trials as a tree: up to six trials of success or failure drawn as the full tree, and
// the table of the number of successes for any number of trials.
#pragma once

#include <optional>
#include <string>

#include "distribution/RepeatedTrials.h"
#include "host/Context.h"
#include "text/Exact.h"
#include "tree/TreeState.h"
#include "tree/TrialsDistribution.h"

namespace kvistra {

// Whether the trials are drawn as a tree: at most MostTrialsDrawn of them, and both outcomes
// possible on the first (a tree's groups have two branches at least).
bool drawnAsTree(const RepeatedTrials& trials);

// The full tree of trials that trialsRefusal lets by and drawnAsTree draws:
// branches S1, F1, S2, … with their values typed exactly, the successes counted. Without
// replacement the values follow what has been drawn, and a path ends where its successes or
// failures have run out.
Tree trialsTree(const RepeatedTrials& trials);

// Whether the tree is still the one the trials built, whatever its layout and the random
// variable's marks: any change of a name, a value or the shape makes it an ordinary tree.
bool treeOfTrials(const Tree& tree, const RepeatedTrials& trials);

// "Gentagne forsøg…": asks the trials (after the question about unsaved changes, which the
// caller asks) and shows them, as one step: the full tree with X = the number of successes when
// they are drawn as a tree, else the trials alone.
void askRepeatedTrials(Context& context);

}  // namespace kvistra
