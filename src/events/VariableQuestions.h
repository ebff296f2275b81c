// Questions about the random variable, asked in its pane: P(X ≥ 2), P(1 ≤ X ≤ 3) and the like.
// The outcomes a question takes are marked on the drawing as an event's are, and its answer is
// offered for approval in the approve box, worked in UTF-8 display text.
#pragma once

#include <string>

#include "distribution/VariableQuestion.h"
#include "host/Context.h"

namespace kvistra {

// "Beregn": the question with the values typed for its bound (and for b in a ≤ X ≤ b). A value
// that is no number gets "Skriv et tal, f.eks. -5, 2.5 eller 1/2.".
void askVariableQuestion(Context& context, Comparison comparison, const std::string& bound,
                         const std::string& upper = "");

// Whether a results row asks about a random variable: no event has "<", ">" or "=".
bool isVariableQuestionRow(const std::string& rowText);

// A clicked results row of such a question, worked out again as that question while a variable
// of its letter is defined; otherwise "X er ikke defineret for dette træ." with the row's
// letter. Never read as an event.
void reevaluateVariableQuestion(Context& context, const std::string& rowText);

}  // namespace kvistra
