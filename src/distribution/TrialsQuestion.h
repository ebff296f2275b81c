// Questions about the number of successes in repeated trials, answered from the trials' exact
// table: a question takes a run of whole k, so its answer is a difference of cumulative sums.
#pragma once

#include <string>

#include "distribution/RepeatedTrials.h"
#include "distribution/VariableQuestion.h"

namespace kvistra {

// The k from first to last that a question takes among 0 … n; empty when first > last.
struct TakenValues {
  int first = 1;
  int last = 0;
  bool empty() const { return first > last; }
  bool contains(int k) const { return first <= k && k <= last; }
};

TakenValues takenValues(const VariableQuestion& question, int n);

// P(X ≤ last) − P(X < first), exactly.
Exact trialsProbability(const TrialsTable& table, const VariableQuestion& question);

// "P(X ≤ 9) = P(X = 0) + … + P(X = 9) = 0.9269", the terms written out while there are at most
// MostTermsSpelledOut of them; numbers as tableProbabilityDisplayText writes them.
std::string trialsAnswerDisplayText(const TrialsTable& table, const VariableQuestion& question,
                                    const NumberStyle& style, const std::string& name = "X");

// More terms than this make the sum too long for the pane's width.
constexpr int MostTermsSpelledOut = 4;

}  // namespace kvistra
