// Building a new tree branching by branching.
#pragma once

#include "host/Context.h"

namespace kvistra {

// Discards the tree and its results and returns every field to its starting value.
void resetTree(Context& context);

// The state part of resetTree alone, for a tree that is read before it replaces the one shown.
void resetTreeState(TreeState& state);

// Every branch of the store back to its starting value: the root alone, no branch below it.
void resetBranches(Tree& tree);

// A state in which to make a tree that will replace current's: reset as for a new tree, nothing
// marked or picked, and what belongs to the whole run kept.
TreeState freshStateFrom(const TreeState& current);

// "&2 forgreninger" / "&3 forgreninger": a fresh tree waiting for its branch counts.
void beginTree(Context& context, int branchings);

// A fresh tree of 1 to 6 branchings whose branch counts are bound by its outcomes alone: a count
// fits while the outcomes, with 2 branches on every later branching, stay within MaxOutcomes.
void beginOtherShapeTree(Context& context, int branchings);

// "Andre træformer…", once unsaved changes are settled: asks the number of branchings and begins
// a tree of them; cancelled, the tree shown stays as it was.
void askOtherShapeTree(Context& context);

// A click on one of the buttons "2" … "6": builds the next branching with b branches per node.
void addBranching(Context& context, int branchesPerNode);

// Creates level builtBranchings with b branches under every node of the level above. Returns
// false, and builds nothing, when the level would outgrow the store.
bool buildLevel(TreeState& state, int branchesPerNode);

// Fills the names dialog's rows with the names the branches now have, the texts empty.
void collectLabelRows(TreeState& state);

}  // namespace kvistra
