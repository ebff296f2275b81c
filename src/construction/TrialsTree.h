// Repeated trials as a tree: up to six trials of success or failure drawn as the full tree, and
// the table of the number of successes for any number of trials.
#pragma once

#include <optional>
#include <string>

#include "distribution/RepeatedTrials.h"
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

}  // namespace kvistra
