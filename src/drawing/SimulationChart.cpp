#include "drawing/SimulationChart.h"

#include <algorithm>
#include <array>
#include <string>

#include "distribution/DisplayNumbers.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"
#include "tree/ExactValues.h"
#include "tree/Layout.h"
#include "tree/NaturalFrequencies.h"
#include "tree/RandomVariable.h"

namespace kvistra {

namespace {

// The longest bar, and the bars' thickness within a leaf's share of the height.
constexpr int BarRoom = 220;
constexpr int ThinnestBar = 3;
constexpr int ThickestBar = 12;
constexpr int TickLength = 4;
constexpr int SwatchWidth = 24;
// The scale ends at the first of these at or above the largest value, so its three ticks read
// as round numbers.
constexpr std::array<double, 7> ScaleEnds = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1.0};

struct Bars {
  std::array<double, MaxOutcomes + 1> observed{};
  std::array<double, MaxOutcomes + 1> expected{};
  double largest = 0;
};

// The probabilities are those given the outcomes that exist: the simulation draws only those.
Bars bars(const TreeState& state) {
  const Tree& tree = state.tree;
  const SimulationTally& tally = *state.simulation;
  const ExactValues values(tree);
  const Exact existing = exactExistingSum(tree, values);
  Bars result;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    if (!tree.leaf(k).exists) continue;
    if (sgn(existing) > 0)
      result.expected[k] = Exact(exactPathProbability(tree, values, k) / existing).get_d();
    if (tally.trials > 0)
      result.observed[k] = static_cast<double>(tally.counts[k]) / static_cast<double>(tally.trials);
    result.largest = std::max({result.largest, result.expected[k], result.observed[k]});
  }
  return result;
}

// A filled bar: the canvas fills only with white, so the bar is ruled line by line.
void filledBar(Canvas& canvas, int left, int top, int length, int thickness) {
  for (int y = top; y < top + thickness; ++y) drawLine(canvas, left, y, left + length, y);
}

std::string scaleText(double value, bool comma) {
  return shownNumber(fixedPoint(value, 0, value < 0.1 && value > 0 ? 3 : 2), comma);
}

void drawScale(Canvas& canvas, int left, int top, int axisY, double scaleEnd, bool comma) {
  canvas.setPen(Black, PenStyle::Solid);
  drawLine(canvas, left, top, left, axisY);
  drawLine(canvas, left, axisY, left + BarRoom, axisY);
  for (int tick = 0; tick <= 2; ++tick) {
    const int x = left + BarRoom * tick / 2;
    drawLine(canvas, x, axisY, x, axisY + TickLength);
    const std::string text = scaleText(scaleEnd * tick / 2, comma);
    canvas.textOut(x - canvas.textWidth(text) / 2, axisY + TickLength + 2, text);
  }
}

void drawKey(Canvas& canvas, int left, int top, int thickness) {
  const int rowHeight = canvas.textHeight("H") + 4;
  canvas.setPen(EventBlue, PenStyle::Solid);
  filledBar(canvas, left, top + rowHeight / 2 - thickness / 2, SwatchWidth, thickness);
  canvas.setPen(Black, PenStyle::Solid);
  canvas.rectangle(left, top + rowHeight + rowHeight / 2 - thickness / 2, left + SwatchWidth,
                   top + rowHeight + rowHeight / 2 - thickness / 2 + thickness);
  const int textX = left + SwatchWidth + 6;
  canvas.textOut(textX, top, w1252("Simuleret hyppighed"));
  canvas.textOut(textX, top + rowHeight, "Sandsynlighed");
}

// Where the chart's parts lie, for drawing it and for reading it.
struct ChartLayout {
  Bars bars;
  double scaleEnd = 1.0;
  int thickness = 0;
  int textHeight = 0;
  int top = 0;
  int axisY = 0;

  int barLength(double value) const { return static_cast<int>(value / scaleEnd * BarRoom + 0.5); }
};

bool hasChart(const TreeState& state) {
  return state.simulation && state.tree.depth() > 0 && state.tree.outcomeSlots() >= 1;
}

ChartLayout chartLayout(const TreeState& state, Canvas& canvas, int offsetY) {
  const Tree& tree = state.tree;
  ChartLayout layout;
  layout.bars = bars(state);
  layout.scaleEnd = *std::find_if(ScaleEnds.begin(), ScaleEnds.end() - 1,
                                  [&](double end) { return end >= layout.bars.largest - 1e-12; });
  const int pitch = VerticalSpan / tree.outcomeSlots();
  layout.thickness = std::clamp((pitch - 4) / 2, ThinnestBar, ThickestBar);
  layout.textHeight = canvas.textHeight("H");
  layout.top = tree.leaf(1).y + offsetY - pitch / 2;
  layout.axisY = tree.leaf(tree.outcomeSlots()).y + offsetY + pitch / 2;
  return layout;
}

std::string chartHeading(const SimulationTally& tally) {
  return w1252("Simulering: ") + groupedNumber(tally.trials) + w1252(" forsøg, frø ") +
         std::to_string(tally.seed);
}

std::string barReading(const TreeState& state, const ChartLayout& layout, int k) {
  const bool comma = state.view.decimalComma;
  return "Udfald " + std::to_string(k) + ": simuleret hyppighed " +
         shownNumber(fixedPoint(layout.bars.observed[k], 0, 4), comma) + ", sandsynlighed " +
         shownNumber(fixedPoint(layout.bars.expected[k], 0, 4), comma);
}

// With the random variable defined, the mean and spread of X over the trials drawn, beside E(X)
// and σ(X): "Gennemsnit af X: 1.4930   E(X) = 1.5000". UTF-8 display texts; none without X or
// trials.
std::vector<std::string> variableLines(const TreeState& state) {
  const std::optional<Distribution> expected = variableDistribution(state);
  const SimulationTally& tally = *state.simulation;
  if (!expected || tally.trials <= 0) return {};
  std::vector<DistributionRow> drawn;
  for (int k = 1; k <= state.tree.outcomeSlots(); ++k)
    if (state.tree.leaf(k).exists && tally.counts[k] > 0)
      drawn.push_back({*variableValue(state.tree, *state.variable, k), Exact(tally.counts[k])});
  const std::optional<Distribution> simulated = conditionalDistribution(drawn);
  if (!simulated) return {};
  const int decimals = state.tree.decimalCount;
  const bool comma = state.view.decimalComma;
  const std::string name(1, state.variable->name);
  const auto decimal = [&](const Exact& value) { return displayDecimal(value, decimals, comma); };
  const auto root = [&](const Exact& square) {
    return displayText(roundedRootText(square, decimals), comma);
  };
  return {"Gennemsnit af " + name + ": " + decimal(simulated->mean()) + "   E(" + name +
              ") = " + decimal(expected->mean()),
          "Spredning af " + name + ": " + root(simulated->variance()) + "   σ(" + name +
              ") = " + root(expected->variance())};
}

// Below the key: where the lines of X stand, one text line apart.
int variableLinesTop(const ChartLayout& layout) {
  const int keyTop = layout.axisY + TickLength + layout.textHeight + 10;
  return keyTop + 2 * (layout.textHeight + 4) + 8;
}

}  // namespace

void drawSimulationChart(const TreeState& state, Canvas& canvas, int left, int offsetY) {
  const Tree& tree = state.tree;
  if (!hasChart(state)) return;
  const ChartLayout layout = chartLayout(state, canvas, offsetY);
  const int thickness = layout.thickness;
  canvas.textOut(left, layout.top - 2 * layout.textHeight, chartHeading(*state.simulation));
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    if (!tree.leaf(k).exists) continue;
    const int y = tree.leaf(k).y + offsetY;
    canvas.setPen(EventBlue, PenStyle::Solid);
    filledBar(canvas, left + 1, y - thickness - 1, layout.barLength(layout.bars.observed[k]),
              thickness);
    canvas.setPen(Black, PenStyle::Solid);
    if (const int expected = layout.barLength(layout.bars.expected[k]); expected > 0)
      canvas.rectangle(left + 1, y + 1, left + 1 + expected, y + 1 + thickness);
  }
  drawScale(canvas, left, layout.top, layout.axisY, layout.scaleEnd, state.view.decimalComma);
  drawKey(canvas, left, layout.axisY + TickLength + layout.textHeight + 10, thickness);
  const DisplayTexts display(canvas);
  int y = variableLinesTop(layout);
  for (const std::string& line : variableLines(state)) {
    canvas.textOut(left, y, line);
    y += layout.textHeight + 4;
  }
}

std::vector<DrawingReading> simulationChartReadings(const TreeState& state, Canvas& measurer,
                                                    int left, int offsetY) {
  const Tree& tree = state.tree;
  if (!hasChart(state)) return {};
  const ChartLayout layout = chartLayout(state, measurer, offsetY);
  const std::string heading = chartHeading(*state.simulation);
  const int headingTop = layout.top - 2 * layout.textHeight;
  std::vector<DrawingReading> readings = {{0, 0, heading, left, headingTop,
                                           left + measurer.textWidth(heading),
                                           headingTop + layout.textHeight}};
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    if (!tree.leaf(k).exists) continue;
    const int y = tree.leaf(k).y + offsetY;
    readings.push_back({0, 0, barReading(state, layout, k), left + 1, y - layout.thickness - 1,
                        left + 1 + BarRoom, y + 1 + layout.thickness});
  }
  int y = variableLinesTop(layout);
  for (const std::string& line : variableLines(state)) {
    readings.push_back(
        {0, 0, line, left, y, left + BarRoom, y + layout.textHeight, TextEncoding::Utf8});
    y += layout.textHeight + 4;
  }
  return readings;
}

}  // namespace kvistra
