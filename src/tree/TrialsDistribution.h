// The number of successes in repeated trials as a table, for whoever shows or asks about it:
// the pane, the questions and the drawing, which all lie below the commands that build trees.
#pragma once

#include <optional>
#include <string>

#include "distribution/RepeatedTrials.h"
#include "text/Exact.h"
#include "tree/TreeState.h"

namespace kvistra {

// p exactly: as typed with replacement, M/N without; nothing for trials out of range.
std::optional<Exact> successProbability(const RepeatedTrials& trials);

// The most trials drawn as a tree: 2^6 paths fill the 64 outcomes a tree can have.
constexpr int MostTrialsDrawn = 6;

// Why the trials cannot be made, for the user (UTF-8); empty when they can: 1 ≤ n ≤ 1 000, two
// different letters, 0 < p < 1 with replacement, 1 ≤ n ≤ N ≤ 10 000 and 0 ≤ M ≤ N without.
std::string trialsRefusal(const RepeatedTrials& trials);

// A probability of the trials as their tree types it, in the form p was typed in: a fraction
// when p was ("1/6" and "5/6"), else the exact decimal when it has at most four places ("0.3").
std::string trialsValueText(const Exact& value, const RepeatedTrials& trials);

// The trials in words (UTF-8): "n = 10, p = 0.3", or "n = 10 trukket fra N = 50 med M = 5
// succeser" without replacement.
std::string trialsDescription(const RepeatedTrials& trials, bool decimalComma);

// X = the number of successes: binomial with replacement, hypergeometric without.
std::optional<TrialsTable> trialsTable(const RepeatedTrials& trials);

}  // namespace kvistra
