// Getting a probability onto a branch: asking it, checking it against its sibling group,
// drawing it, and completing the group's last branch.
#pragma once

#include <string>

#include "tree/Context.h"

namespace kvistra {

// Shows the probability dialog; its answer is left in cancelled, or in probabilityText and
// enteredValue.
void askProbability(Context& context);

// Whether p may stand on the branch being asked; shows a message or asks a yes/no question.
bool CheckProbability(Context& context, double p);

// Asks the branch (currentLevel, currentNode) until a value is accepted; "Fortryd" clears every
// probability of the tree. May advance currentNode past an automatically completed last branch.
void EnterBranchProbability(Context& context);

// Asks branch after branch from currentNode + 1 until the sibling group is complete.
void EnterSiblingGroup(Context& context);

// Asks level 1 and, when level 2 has another branch count, level 2's first group.
void SetFirstChances(Context& context);
void Stchancerp1Click(Context& context);

// "Fortryd": every probability of the tree is cleared, the tree drawn again, and only
// "Sæt chancer på første grene" offered to start over.
void ResetAllProbabilities(Context& context);

// Whether every leaf of the deepest level has its probability.
bool AllLeavesEntered(const TreeState& state);
// Whether every branch of every level has its probability: only then is the tree complete.
bool AllBranchesEntered(const TreeState& state);

// Writes text on the drawing at branch's probability place.
void writeProbability(Context& context, const Gren_Info& branch, const std::string& text);

// Enables the menu item and the toolbar button of each copy direction as it is possible.
void showCopyCommands(WindowState& window, bool across, bool down);

}  // namespace kvistra
