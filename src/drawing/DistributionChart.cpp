#include "drawing/DistributionChart.h"

#include <algorithm>
#include <array>
#include <optional>

#include "distribution/DisplayNumbers.h"
#include "text/TextFormat.h"

namespace kvistra {

namespace {

// The x values may carry "−", so the chart writes UTF-8.
const Font ChartFont{"Arial", 13, false, TextEncoding::Utf8};
constexpr Color BarGrey{120, 120, 120};
constexpr Color GridGrey{215, 215, 215};
constexpr int Margin = 6;
constexpr int TickLength = 4;
// The bars fill this share of their slot, and are never wider than WidestBar.
constexpr double BarShare = 0.6;
constexpr int WidestBar = 48;
// The scale ends at the first of these at or above the largest probability, so its three ticks
// read as round numbers.
constexpr std::array<double, 8> ScaleEnds = {0.01, 0.02, 0.05, 0.1, 0.2, 0.25, 0.5, 1.0};

// "0", "0.25", "0,5": a tick's value with no trailing zeros.
std::string tickText(double value, bool decimalComma) {
  std::string text = fixedPoint(value, 0, 3);
  while (text.find('.') != std::string::npos && (text.back() == '0' || text.back() == '.'))
    text.pop_back();
  return displayText(text, decimalComma);
}

// A filled bar: the canvas fills only with white, so the bar is ruled line by line.
void filledBar(Canvas& canvas, int left, int right, int top, int bottom) {
  for (int x = left; x < right; ++x) drawLine(canvas, x, top, x, bottom);
}

}  // namespace

namespace {

// Where the chart's parts lie on the canvas, worked out once for the drawing and its readings.
struct ChartLayout {
  std::vector<const DistributionPaneRow*> bars;
  std::array<std::string, 3> ticks;
  int textHeight = 0;
  int left = 0;
  int right = 0;
  int top = 0;
  int axisY = 0;
  double scaleEnd = 1.0;
  double slot = 0.0;
  int barWidth = 0;

  int middleOf(std::size_t bar) const {
    return left + static_cast<int>(slot * (static_cast<double>(bar) + 0.5));
  }
  int topOf(std::size_t bar) const {
    return axisY - static_cast<int>(bars[bar]->share / scaleEnd * (axisY - top) + 0.5);
  }
};

// Nothing when there are no bars or no room for them.
std::optional<ChartLayout> chartLayout(const DistributionPane& pane, Canvas& canvas,
                                       const ChartArea& area) {
  ChartLayout layout;
  for (const auto& row : pane.rows)
    if (row.charted) layout.bars.push_back(&row);
  if (layout.bars.empty()) return std::nullopt;
  canvas.setFont(ChartFont);
  layout.textHeight = canvas.textHeight("0");
  double largest = 0;
  for (const auto* row : layout.bars) largest = std::max(largest, row->share);
  layout.scaleEnd = *std::find_if(ScaleEnds.begin(), ScaleEnds.end() - 1,
                                  [&](double end) { return end >= largest - 1e-12; });
  int tickWidth = 0;
  for (std::size_t t = 0; t < layout.ticks.size(); ++t) {
    layout.ticks[t] = tickText(layout.scaleEnd * static_cast<double>(t) / 2, pane.decimalComma);
    tickWidth = std::max(tickWidth, canvas.textWidth(layout.ticks[t]));
  }
  layout.left = area.left + Margin + tickWidth + TickLength + 2;
  layout.right = area.left + area.width - Margin;
  layout.top = area.top + Margin + layout.textHeight / 2;
  layout.axisY = area.top + area.height - Margin - layout.textHeight - TickLength;
  const int bars = static_cast<int>(layout.bars.size());
  if (layout.right - layout.left < bars || layout.axisY - layout.top < 10) return std::nullopt;
  layout.slot = static_cast<double>(layout.right - layout.left) / bars;
  layout.barWidth = std::clamp(static_cast<int>(layout.slot * BarShare), 1, WidestBar);
  return layout;
}

}  // namespace

void drawDistributionChart(const DistributionPane& pane, Canvas& canvas, const ChartArea& area) {
  const std::optional<ChartLayout> found = chartLayout(pane, canvas, area);
  if (!found) return;
  const ChartLayout& layout = *found;
  const int left = layout.left;
  const int right = layout.right;
  const int axisY = layout.axisY;
  const int textHeight = layout.textHeight;
  for (std::size_t t = 0; t < layout.ticks.size(); ++t) {
    const int y = axisY - (axisY - layout.top) * static_cast<int>(t) / 2;
    if (t > 0) {
      canvas.setPen(GridGrey, PenStyle::Solid);
      drawLine(canvas, left + 1, y, right, y);
    }
    canvas.setPen(Black, PenStyle::Solid);
    drawLine(canvas, left - TickLength, y, left, y);
    canvas.textOut(left - TickLength - 2 - canvas.textWidth(layout.ticks[t]), y - textHeight / 2,
                   layout.ticks[t]);
  }
  // Labels that would run into each other are written for every few bars only.
  int widestLabel = 0;
  for (const auto* row : layout.bars)
    widestLabel = std::max(widestLabel, canvas.textWidth(row->value));
  const int labelEvery = std::max(1, static_cast<int>((widestLabel + 4) / layout.slot) + 1);
  const int barWidth = layout.barWidth;
  for (std::size_t i = 0; i < layout.bars.size(); ++i) {
    const DistributionPaneRow& row = *layout.bars[i];
    const int middle = layout.middleOf(i);
    const int barTop = layout.topOf(i);
    canvas.setPen(row.taken ? EventBlue : BarGrey, PenStyle::Solid);
    if (barTop < axisY)
      filledBar(canvas, middle - barWidth / 2, middle - barWidth / 2 + barWidth, barTop, axisY);
    if (i % static_cast<std::size_t>(labelEvery) == 0)
      canvas.textOut(middle - canvas.textWidth(row.value) / 2, axisY + TickLength, row.value);
  }
  canvas.setPen(Black, PenStyle::Solid);
  drawLine(canvas, left, layout.top, left, axisY);
  drawLine(canvas, left, axisY, right, axisY);
}

void drawDistributionChart(const DistributionPane& pane, Canvas& canvas, int width, int height) {
  drawDistributionChart(pane, canvas, ChartArea{0, 0, width, height});
}

std::vector<std::string> distributionChartReadings(const DistributionPane& pane) {
  std::vector<std::string> readings;
  for (const auto& row : pane.rows)
    if (row.charted)
      readings.push_back(pane.valueColumn + " = " + row.value + ": " + row.probability);
  return readings;
}

std::vector<DrawingReading> distributionChartBarReadings(const DistributionPane& pane,
                                                         Canvas& measurer, const ChartArea& area) {
  std::vector<DrawingReading> readings;
  const std::optional<ChartLayout> layout = chartLayout(pane, measurer, area);
  if (!layout) return readings;
  for (std::size_t i = 0; i < layout->bars.size(); ++i) {
    const DistributionPaneRow& row = *layout->bars[i];
    const int left = layout->middleOf(i) - layout->barWidth / 2;
    readings.push_back({0, 0, pane.valueColumn + " = " + row.value + ": " + row.probability, left,
                        std::min(layout->topOf(i), layout->axisY - 1), left + layout->barWidth,
                        layout->axisY + TickLength + layout->textHeight, TextEncoding::Utf8});
  }
  return readings;
}

}  // namespace kvistra
