#include "drawing/DistributionChart.h"

#include <algorithm>
#include <array>

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

void drawDistributionChart(const DistributionPane& pane, Canvas& canvas, int width, int height) {
  const auto& rows = pane.rows;
  if (rows.empty()) return;
  canvas.setFont(ChartFont);
  const int textHeight = canvas.textHeight("0");
  double largest = 0;
  for (const auto& row : rows) largest = std::max(largest, row.share);
  const double scaleEnd = *std::find_if(ScaleEnds.begin(), ScaleEnds.end() - 1,
                                        [&](double end) { return end >= largest - 1e-12; });
  std::array<std::string, 3> ticks;
  int tickWidth = 0;
  for (std::size_t t = 0; t < ticks.size(); ++t) {
    ticks[t] = tickText(scaleEnd * static_cast<double>(t) / 2, pane.decimalComma);
    tickWidth = std::max(tickWidth, canvas.textWidth(ticks[t]));
  }
  const int left = Margin + tickWidth + TickLength + 2;
  const int right = width - Margin;
  const int top = Margin + textHeight / 2;
  const int axisY = height - Margin - textHeight - TickLength;
  if (right - left < static_cast<int>(rows.size()) || axisY - top < 10) return;

  for (std::size_t t = 0; t < ticks.size(); ++t) {
    const int y = axisY - (axisY - top) * static_cast<int>(t) / 2;
    if (t > 0) {
      canvas.setPen(GridGrey, PenStyle::Solid);
      drawLine(canvas, left + 1, y, right, y);
    }
    canvas.setPen(Black, PenStyle::Solid);
    drawLine(canvas, left - TickLength, y, left, y);
    canvas.textOut(left - TickLength - 2 - canvas.textWidth(ticks[t]), y - textHeight / 2,
                   ticks[t]);
  }

  const double slot = static_cast<double>(right - left) / static_cast<double>(rows.size());
  const int barWidth = std::clamp(static_cast<int>(slot * BarShare), 1, WidestBar);
  // Labels that would run into each other are written for every few bars only.
  int widestLabel = 0;
  for (const auto& row : rows) widestLabel = std::max(widestLabel, canvas.textWidth(row.value));
  const int labelEvery = std::max(1, static_cast<int>((widestLabel + 4) / slot) + 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int middle = left + static_cast<int>(slot * (static_cast<double>(i) + 0.5));
    const int barTop = axisY - static_cast<int>(rows[i].share / scaleEnd * (axisY - top) + 0.5);
    canvas.setPen(rows[i].taken ? EventBlue : BarGrey, PenStyle::Solid);
    if (barTop < axisY)
      filledBar(canvas, middle - barWidth / 2, middle - barWidth / 2 + barWidth, barTop, axisY);
    if (i % static_cast<std::size_t>(labelEvery) == 0)
      canvas.textOut(middle - canvas.textWidth(rows[i].value) / 2, axisY + TickLength,
                     rows[i].value);
  }
  canvas.setPen(Black, PenStyle::Solid);
  drawLine(canvas, left, top, left, axisY);
  drawLine(canvas, left, axisY, right, axisY);
}

std::vector<std::string> distributionChartReadings(const DistributionPane& pane) {
  std::vector<std::string> readings;
  for (const auto& row : pane.rows) readings.push_back("x = " + row.value + ": " + row.probability);
  return readings;
}

}  // namespace kvistra
