#include "output/Printing.h"

#include <algorithm>
#include <vector>

#include "drawing/TreeDrawing.h"
#include "output/PageLayout.h"

namespace kvistra {

namespace {

// The explanation starts at its place unless the results column or the reduction note already
// reaches there; then it follows below them rather than writing over them.
int explanationTop(const TreeState& state, int lineHeight) {
  int top = PageExplanationTop;
  const int resultsBottom = PrinterOffsetY + (state.results.count + 1) * lineHeight;
  top = std::max(top, resultsBottom + PageExplanationGap);
  if (state.reduction.reduced) top = std::max(top, PageReductionNoteBottom + PageExplanationGap);
  return top;
}

void printPage(Context& context, const std::string& resultLine) {
  context.host.printPage(
      [&](Canvas& canvas) { drawPrintPage(context.state, context.window, canvas, resultLine); });
}

}  // namespace

void drawPrintPage(const TreeState& state, const WindowState& window, Canvas& canvas,
                   const std::string& resultLine) {
  canvas.setFont(PageFont);
  canvas.textOut(PageTextX, PageTitleY, "Udskrift fra KVISTRA");
  canvas.textOut(PageTextX, PageHeadingY, state.printout.heading);
  if (!resultLine.empty()) canvas.textOut(PageTextX, PageResultLineY, resultLine);
  drawTree(state, canvas, PrinterOffsetX);

  // The pane's title line and at least one name row; a pane hidden since a new tree was begun
  // still holds the old tree's lines, which do not belong on this page.
  const std::vector<std::string>& lines = window.branchTextLines;
  if (!window.branchTextsVisible || lines.size() < 2) return;
  const int lineHeight = canvas.textHeight("H");
  const int top = explanationTop(state, lineHeight);
  for (std::size_t i = 0; i < lines.size(); ++i)
    canvas.textOut(PageTextX, top + static_cast<int>(i) * lineHeight, lines[i]);
}

void printTree(Context& context) {
  printPage(context, "");
}

void printTree(Context& context, const std::string& resultLine) {
  bool& marksShown = context.state.event.shown;
  const bool wereShown = marksShown;
  marksShown = true;
  printPage(context, resultLine);
  marksShown = wereShown;
}

void editPrintHeading(Context& context) {
  const PrintHeadingReply reply = context.host.showPrintHeadingDialog();
  std::string& heading = context.state.printout.heading;
  switch (reply.closedBy) {
    case PromptClose::Ok:
      heading = reply.text;
      break;
    case PromptClose::Cancel:
      heading = reply.savedText;
      break;
    case PromptClose::CloseBox:
      break;
  }
}

}  // namespace kvistra
