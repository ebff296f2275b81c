// The bar chart of the pane "Fordeling af X": one bar for each x in rising order with x under it,
// on a probability scale; the bars the last question takes in EventBlue. The pane paints it and
// "Kopiér" copies it through the same routine.
#pragma once

#include <string>
#include <vector>

#include "host/Canvas.h"
#include "window/DistributionPane.h"

namespace kvistra {

// The size of the copied picture.
inline constexpr int CopiedChartWidth = 480;
inline constexpr int CopiedChartHeight = 300;

// The chart filling width × height from the canvas's top left corner; nothing without rows.
void drawDistributionChart(const DistributionPane& pane, Canvas& canvas, int width, int height);

// The chart as a screen reader reads it: "x = 2: 3/8" for each bar.
std::vector<std::string> distributionChartReadings(const DistributionPane& pane);

}  // namespace kvistra
