// Where the branches of a tree of any shape stand on the drawing. A tree of the shape
// construction builds keeps construction's coordinates exactly; any other shape gets one row per
// outcome, each node's line at the middle of its children's rows.
#pragma once

#include "tree/TreeState.h"

namespace kvistra {

// Construction builds no more outcomes than this, whatever the store holds.
inline constexpr int MostOutcomesBuilt = 27;
// Rows of outcomes stand at least this far apart, and within these lines while they fit.
inline constexpr int ClosestRows = 16;
inline constexpr int TopRow = 37;
inline constexpr int BottomRow = 453;

// The x of a level's branch and of its texts, the same for every shape.
void placeAcross(Branch& branch, int level);

// Lays out a level whose groups are all of one size as construction does: the level's branches
// share VerticalSpan evenly, each group centred on its parent's line.
void layOutEvenLevel(Tree& tree, int level);

// Whether the tree has a shape construction builds: 2 or 3 branchings, every group of a branching
// the same size, every path through every branching, at most MostOutcomesBuilt outcomes.
bool hasBuiltShape(const Tree& tree);

// Whether a tree being built with its groups alike on every branching may still end in a shape
// "2 forgreninger" and "3 forgreninger" build, and so is laid out level by level as they lay out.
bool mayHaveBuiltShape(const Tree& tree);

// The y of row 0..rows-1 of a tree of that many outcomes that construction does not build.
int outcomeRowY(int row, int rows);

// One row per outcome of the branchings there are, whatever the shape: how a tree of a shape
// construction does not build is laid out, also while it is built.
void layOutInRows(Tree& tree);

// Sets the coordinates of every branch, the root's included, for the tree's shape.
void layOutTree(Tree& tree);

}  // namespace kvistra
