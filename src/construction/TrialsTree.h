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

// The most trials drawn as a tree: 2^6 paths fill the 64 outcomes a tree can have.
constexpr int MostTrialsDrawn = 6;

// Why the trials cannot be made, for the user (UTF-8); empty when they can: 1 ≤ n ≤ 1 000, two
// different letters, 0 < p < 1 with replacement, 1 ≤ n ≤ N ≤ 10 000 and 0 ≤ M ≤ N without.
std::string trialsRefusal(const RepeatedTrials& trials);

// Whether the trials are drawn as a tree: at most MostTrialsDrawn of them, and both outcomes
// possible on the first (a tree's groups have two branches at least).
bool drawnAsTree(const RepeatedTrials& trials);

// The full tree of trials that trialsRefusal lets by and drawnAsTree draws:
// branches S1, F1, S2, … with their values typed exactly, the successes counted. Without
// replacement the values follow what has been drawn, and a path ends where its successes or
// failures have run out.
Tree trialsTree(const RepeatedTrials& trials);

// The trials in words (UTF-8): "n = 10, p = 0.3", or "n = 10 trukket fra N = 50 med M = 5
// succeser" without replacement.
std::string trialsDescription(const RepeatedTrials& trials, bool decimalComma);

// Whether the tree is still the one the trials built, whatever its layout and the random
// variable's marks: any change of a name, a value or the shape makes it an ordinary tree.
bool treeOfTrials(const Tree& tree, const RepeatedTrials& trials);

// "Gentagne forsøg…": asks the trials (after the question about unsaved changes, which the
// caller asks) and shows them, as one step: the full tree with X = the number of successes when
// they are drawn as a tree, else the trials alone.
void askRepeatedTrials(Context& context);

}  // namespace kvistra
