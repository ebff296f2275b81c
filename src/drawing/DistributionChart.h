// The bar chart of the pane "Fordeling af X": one bar for each x in rising order with x under it,
// on a probability scale, for repeated trials only the k worth a bar; the bars the last question
// takes in EventBlue. The pane paints it and "Kopiér" copies it through the same routine.
#pragma once

#include <string>
#include <vector>

#include "drawing/DrawingReading.h"
#include "host/Canvas.h"
#include "window/DistributionPane.h"

namespace kvistra {

// The size of the copied picture.
inline constexpr int CopiedChartWidth = 480;
inline constexpr int CopiedChartHeight = 300;

struct ChartArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The chart of the rows charted, filling the area; nothing without them.
void drawDistributionChart(const DistributionPane& pane, Canvas& canvas, const ChartArea& area);
// The chart filling width × height from the canvas's top left corner, as the pane shows it.
void drawDistributionChart(const DistributionPane& pane, Canvas& canvas, int width, int height);

// The chart as a screen reader reads it: "x = 2: 3/8" for each bar, "k = 3: 0.2668" for trials.
std::vector<std::string> distributionChartReadings(const DistributionPane& pane);

// The same readings where the bars lie, for the drawing area's accessibility.
std::vector<DrawingReading> distributionChartBarReadings(const DistributionPane& pane,
                                                         Canvas& measurer, const ChartArea& area);

}  // namespace kvistra
