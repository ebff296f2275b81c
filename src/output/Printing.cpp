#include "output/Printing.h"

#include <algorithm>
#include <vector>

#include "drawing/CountingTree.h"
#include "drawing/TreeDrawing.h"
#include "output/PageLayout.h"

namespace kvistra {

namespace {

// The explanation starts at its place unless the results column or the reduction note already
// reaches there; then it follows below them rather than writing over them.
int explanationTop(const TreeState& state, Canvas& canvas, int lineHeight) {
  int top = PageExplanationTop;
  // A counting tree may reach further down than any tree.
  if (const std::optional<int> counted = countingTreeBottom(state, canvas, PrinterOffsetY))
    top = std::max(top, *counted + PageExplanationGap);
  const int resultsBottom = PrinterOffsetY + (state.results.count + 1) * lineHeight;
  top = std::max(top, resultsBottom + PageExplanationGap);
  if (state.reduction.reduced) top = std::max(top, PageReductionNoteBottom + PageExplanationGap);
  return top;
}

// The lowest the tree's drawing reaches: its deepest branch's line, the results column and the
// reduction note.
int treeBottom(const TreeState& state, int lineHeight) {
  const Tree& tree = state.tree;
  int bottom = PrinterOffsetY + (state.results.count + 1) * lineHeight;
  if (state.reduction.reduced) bottom = std::max(bottom, PageReductionNoteBottom);
  if (tree.depth() == 0) return bottom;
  for (int k = 1; k <= tree.outcomeSlots(); ++k) {
    const BranchAt leaf = tree.outcome(k);
    bottom = std::max(bottom, PrinterOffsetY + tree.branch(leaf).y + lineHeight);
  }
  return bottom;
}

// The working under its title; what the page has no room for below goes on in a second column.
void writeWorking(Canvas& canvas, const std::vector<std::string>& working, int top, int lineHeight,
                  TextEncoding encoding) {
  Font font = PageFont;
  font.encoding = encoding;
  canvas.setFont(font);
  canvas.textOut(PageTextX, top, "Udregning");
  const int rows = std::max(1, (canvas.height() - top) / lineHeight - 1);
  for (int i = 0; i < static_cast<int>(working.size()); ++i) {
    const int column = std::min(i / rows, PageWorkingColumns - 1);
    canvas.textOut(PageTextX + column * PageWorkingColumnPitch,
                   top + (i - column * rows + 1) * lineHeight, working[i]);
  }
}

void printPage(Context& context, const std::string& resultLine,
               const std::vector<std::string>& working, TextEncoding workingEncoding) {
  context.host.printPage([&](Canvas& canvas) {
    drawPrintPage(context.state, context.window, canvas, resultLine, working, workingEncoding);
  });
}

}  // namespace

void drawPrintPage(const TreeState& state, const WindowState& window, Canvas& canvas,
                   const std::string& resultLine, const std::vector<std::string>& working,
                   TextEncoding workingEncoding) {
  canvas.setFont(PageFont);
  canvas.textOut(PageTextX, PageTitleY, "Udskrift fra KVISTRA");
  canvas.textOut(PageTextX, PageHeadingY, state.printout.heading);
  if (!resultLine.empty()) canvas.textOut(PageTextX, PageResultLineY, resultLine);
  drawTree(state, canvas, PrinterOffsetX);

  const std::vector<std::string> lines = printedBranchTexts(window);
  const int lineHeight = canvas.textHeight("H");
  int bottom = treeBottom(state, lineHeight);
  if (const std::optional<int> counted = countingTreeBottom(state, canvas, PrinterOffsetY))
    bottom = std::max(bottom, *counted);
  if (!lines.empty()) {
    const int top = explanationTop(state, canvas, lineHeight);
    for (std::size_t i = 0; i < lines.size(); ++i)
      canvas.textOut(PageTextX, top + static_cast<int>(i) * lineHeight, lines[i]);
    bottom = std::max(bottom, top + static_cast<int>(lines.size()) * lineHeight);
  }
  if (!working.empty())
    writeWorking(canvas, working, bottom + PageExplanationGap, lineHeight, workingEncoding);
}

std::vector<std::string> printedBranchTexts(const WindowState& window) {
  // A pane hidden since a new tree was begun still holds the old tree's lines, which do not
  // belong on the page.
  const std::vector<std::string>& lines = window.branchTextLines;
  if (!window.branchTextsVisible || lines.size() < 2) return {};
  return lines;
}

void printTree(Context& context) {
  printPage(context, "", {}, TextEncoding::Windows1252);
}

void previewTree(Context& context) {
  context.host.previewPage(
      [&](Canvas& canvas) { drawPrintPage(context.state, context.window, canvas, "", {}); });
}

void printTree(Context& context, const std::string& resultLine,
               const std::vector<std::string>& working, TextEncoding workingEncoding) {
  bool& marksShown = context.state.event.shown;
  const bool wereShown = marksShown;
  marksShown = true;
  printPage(context, resultLine, working, workingEncoding);
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
