// The bar chart of a simulation, drawn beside the tree so it prints, exports and copies with it.
#pragma once

#include <vector>

#include "drawing/DrawingReading.h"
#include "host/Canvas.h"
#include "tree/TreeState.h"

namespace kvistra {

// For each outcome, level with its leaf, a filled bar of its relative frequency in the trials
// above an outlined bar of its probability, on one scale; a title with the trials and the seed
// above, the scale and a key below. The chart's left edge stands at left.
void drawSimulationChart(const TreeState& state, Canvas& canvas, int left, int offsetY);

// The chart as a screen reader reads it: its heading, then one bar pair an outcome.
std::vector<DrawingReading> simulationChartReadings(const TreeState& state, Canvas& measurer,
                                                    int left, int offsetY);

}  // namespace kvistra
