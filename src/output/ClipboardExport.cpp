#include "output/ClipboardExport.h"

#include <cmath>

#include "drawing/DistributionChart.h"
#include "drawing/TreeDrawing.h"
#include "names/BranchNames.h"
#include "output/PageLayout.h"
#include "output/TreePicture.h"
#include "results/ResultsList.h"
#include "text/TextFormat.h"
#include "text/Windows1252.h"

namespace kvistra {

void copyTree(Context& context) {
  copyTreePicture(context, "");
}

void copyResults(Context& context) {
  context.host.copyText(resultsPaneLines(context.state.results), CopiedTextFont);
}

std::vector<std::string> branchTextsCopy(const LabelRows& labels) {
  std::vector<std::string> lines{" "};
  for (std::string& line : branchTextLines(labels)) lines.push_back(std::move(line));
  return lines;
}

void copyBranchTexts(Context& context) {
  context.host.copyText(branchTextsCopy(context.state.labels), CopiedTextFont);
}

void drawEverything(const TreeState& state, Canvas& canvas) {
  canvas.setFont(Font{"Arial", TreePictureFontPixels, true});
  drawTree(state, canvas, EverythingTreeOffsetX);
  canvas.setFont(EverythingTextFont);
  // The frame covers whatever of the tree lies under it; the results are not held to it.
  canvas.rectangle(EverythingFrameLeft, EverythingFrameTop, EverythingFrameRight,
                   EverythingFrameBottom);
  const int lineHeight = canvas.textHeight("H");
  const std::vector<std::string> results = resultsPaneLines(state.results);
  for (std::size_t i = 0; i < results.size(); ++i)
    canvas.textOut(EverythingTextX, EverythingResultsTop + static_cast<int>(i) * lineHeight,
                   results[i]);
  const std::vector<std::string> explanation = branchTextLines(state.labels);
  for (std::size_t j = 0; j < explanation.size(); ++j)
    canvas.textOut(EverythingTextX, EverythingExplanationTop + static_cast<int>(j) * lineHeight,
                   explanation[j]);
}

void copyAll(Context& context) {
  const auto draw = [&](Canvas& canvas) { drawEverything(context.state, canvas); };
  if (cutToDrawing(context.state)) return context.host.copyCroppedPicture(draw);
  const PictureSize size = context.host.drawingSize();
  const auto scaled = [](int pixels) {
    return static_cast<int>(std::lround(pixels * EverythingScale));
  };
  context.host.copyPicture(scaled(size.width), scaled(size.height), draw);
}

void copyDistributionChart(Context& context) {
  if (!context.window.distributionPane) return;
  const DistributionPane& pane = *context.window.distributionPane;
  context.host.copyCroppedPicture([&](Canvas& canvas) {
    drawDistributionChart(pane, canvas, CopiedChartWidth, CopiedChartHeight);
  });
}

}  // namespace kvistra
