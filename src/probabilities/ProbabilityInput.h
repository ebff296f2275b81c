// Getting a probability onto a branch: asking it, checking it against its sibling group,
// drawing it, and completing the group's last branch.
#pragma once

#include <optional>
#include <string>

#include "host/Context.h"
#include "probabilities/ProbabilityReading.h"
#include "text/Exact.h"

namespace kvistra {

// Shows the probability dialog: the typed text and its value, or nothing when "Fortryd" was
// pressed (which also sets cancelled).
std::optional<TypedValue> askProbability(Context& context);

// Whether p may stand on the branch being asked, after branches of its group that hold groupSum;
// shows a message or asks a yes/no question.
bool checkProbability(Context& context, const Exact& p, const Exact& groupSum);

// Asks the branch (currentLevel, currentSlot) until a value is accepted; "Fortryd" clears every
// probability of the tree. May advance currentSlot past an automatically completed last branch.
void enterBranchProbability(Context& context);

// Asks branch after branch from currentSlot + 1 until the sibling group is complete.
void enterSiblingGroup(Context& context);

// Asks level 1 and, when level 2 has another branch count, level 2's first group.
void setFirstChances(Context& context);
// "Sæt chancer på første grene": the input starts over from level 1.
void setFirstProbabilities(Context& context);

// "Fortryd": every probability of the tree is cleared, the tree drawn again, and only
// "Sæt chancer på første grene" offered to start over.
void resetAllProbabilities(Context& context);

// Whether every leaf of the deepest level has its probability.
bool allLeavesEntered(const TreeState& state);
// Whether every branch of every level has its probability: only then is the tree complete.
bool allBranchesEntered(const TreeState& state);

// Writes text on the drawing at branch's probability place.
void writeProbability(Context& context, const Branch& branch, const std::string& text);

}  // namespace kvistra
