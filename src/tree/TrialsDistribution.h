// The number of successes in repeated trials as a table, for whoever shows or asks about it:
// the pane, the questions and the drawing, which all lie below the commands that build trees.
#pragma once

#include <optional>

#include "distribution/RepeatedTrials.h"
#include "text/Exact.h"
#include "tree/TreeState.h"

namespace kvistra {

// p exactly: as typed with replacement, M/N without; nothing for trials out of range.
std::optional<Exact> successProbability(const RepeatedTrials& trials);

// X = the number of successes: binomial with replacement, hypergeometric without.
std::optional<TrialsTable> trialsTable(const RepeatedTrials& trials);

}  // namespace kvistra
