// The counting tree ("Tælletræ") of repeated trials: the lattice in which the paths with the same
// number of successes meet. Node (i, k), after i trials with k successes, shows how many paths
// lead to it and its probability; each step shows the probability of its outcome given the node
// it leaves. Successes go up, failures down, the trials from left to right.
#pragma once

#include <optional>
#include <vector>

#include "drawing/DrawingReading.h"
#include "host/Canvas.h"
#include "tree/TreeState.h"

namespace kvistra {

// Whether the drawing shows the counting tree in place of the tree: while "Tælletræ" is checked,
// and always when the trials are too many for a tree but few enough to count, for then nothing
// else can be drawn. Never for trials it cannot count. The one place that decides.
bool drawsCountingTree(const TreeState& state);

// The counting tree, its heading at (offsetX, offsetY), in the canvas's font; its texts are
// display texts. Nothing for trials it cannot count.
void drawCountingTree(const TreeState& state, Canvas& canvas, int offsetX, int offsetY);

// What a screen reader reads of it: the heading, then column by column and top to bottom each
// node ("Efter 2 forsøg 1 S: 2 veje, 1/2") followed by its steps ("Efter 2 forsøg 1 S, så S: 1/2").
std::vector<DrawingReading> countingTreeReadings(const TreeState& state, Canvas& measurer,
                                                 int offsetX, int offsetY);

// How far down the counting tree reaches, for what is written below it; nothing when the drawing
// shows none.
std::optional<int> countingTreeBottom(const TreeState& state, Canvas& measurer, int offsetY);

}  // namespace kvistra
