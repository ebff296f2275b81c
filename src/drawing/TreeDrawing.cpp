#include "drawing/TreeDrawing.h"

#include <string>

#include "tree/Helpers.h"
#include "tree/Windows1252.h"

namespace kvistra {

namespace {

constexpr std::size_t MaxProbabilityChars = 12;

// "xx.." when text is longer than limit: the first keep characters and two dots.
std::string cutWithDots(const std::string& text, std::size_t limit, std::size_t keep) {
  return text.size() > limit ? text.substr(0, keep) + ".." : text;
}

void writeBranchTexts(const TreeState& state, Canvas& canvas, const Gren_Info& branch,
                      int offsetY) {
  const int textY = branch.y + offsetY - state.lineTextHeight;
  canvas.textOut(state.drawOffsetX + branch.nameX, textY, branch.name.view());
  if (!branch.probabilityEntered) return;
  std::string probability = ProbabilityFormat(state, branch.probability);
  if (probability.size() > MaxProbabilityChars) probability.resize(MaxProbabilityChars);
  canvas.textOut(state.drawOffsetX + branch.probX, textY, probability);
}

void drawBranchLine(const TreeState& state, Canvas& canvas, const Gren_Info& branch, int offsetY) {
  const int left = state.drawOffsetX + branch.x;
  drawLine(canvas, left, branch.y + offsetY, left + LevelPitch, branch.y + offsetY);
}

void showScreenReductionNote(const TreeState& state, WindowState& window) {
  const std::string probability = fixedPoint(state.reducedProbability, 6, 4);
  window.panel6Yellow = true;
  window.label2Caption = "Reduc: " + cutWithDots(state.reductionText, 18, 16);
  window.label3Caption = w1252("Sands. på reduc. træ:") + probability;
}

void drawPrinterReductionNote(const TreeState& state, Canvas& canvas, int offsetY) {
  const std::string probability = fixedPoint(state.reducedProbability, 6, 4);
  const std::string reduced = "Reduceret: " + cutWithDots(state.reductionText, 45, 43);
  const std::string chance = w1252("Sands. på reduceret træ: ") + probability;
  const int width = largerOf(canvas.textWidth(reduced), canvas.textWidth(chance));
  canvas.rectangle(5, offsetY + 460, width + 15, offsetY + 520);
  canvas.textOut(10, offsetY + 470, reduced);
  canvas.textOut(10, offsetY + 490, chance);
}

void drawPrinterResults(const TreeState& state, Canvas& canvas, int offsetY) {
  canvas.rectangle(4, offsetY + 5, state.drawOffsetX - 20, offsetY + 408);
  const int rowHeight = canvas.textHeight("H");
  for (int i = 1; i <= state.resultCount; ++i) {
    const skema_Var& row = state.results[i];
    const int rowY = i * rowHeight + offsetY;
    canvas.textOut(10, rowY, cutWithDots(row.line, 20, 18));
    if (!row.line.starts_with(w1252("Træet"))) canvas.textOut(160, rowY, " " + row.value.str());
  }
}

}  // namespace

std::string leafLabel(const TreeState& state, int k) {
  std::string number = std::to_string(k);
  if (number.size() < 2) number.insert(0, 2 - number.size(), ' ');
  std::string label = number + " ";
  if (state.eventShown && state.outcomeMarked[k]) label += pathProbabilityText(state, k);
  return label;
}

void drawPath(const TreeState& state, Canvas& canvas, int k, int offsetY, bool solid) {
  if (state.branchingCount == 0) return;
  canvas.setPen(Black, solid ? PenStyle::Solid : PenStyle::Dashed);
  const Gren_Info* child = &state.node(state.branchingCount, k);
  drawBranchLine(state, canvas, *child, offsetY);
  if (solid) writeBranchTexts(state, canvas, *child, offsetY);
  for (int level = state.branchingCount - 1; level >= 1; --level) {
    const Gren_Info& parent = state.node(level, child->parentIndex);
    drawLine(canvas, state.drawOffsetX + parent.x + LevelPitch, parent.y + offsetY,
             state.drawOffsetX + child->x, child->y + offsetY);
    drawBranchLine(state, canvas, parent, offsetY);
    if (solid) writeBranchTexts(state, canvas, parent, offsetY);
    child = &parent;
  }
  const Gren_Info& root = state.root();
  drawLine(canvas, state.drawOffsetX + root.x + LevelPitch, root.y + offsetY,
           state.drawOffsetX + child->x, child->y + offsetY);
  if (solid)
    drawLine(canvas, state.drawOffsetX, root.y + offsetY, state.drawOffsetX + 30, root.y + offsetY);
  canvas.setPen(Black, PenStyle::Solid);
}

void drawTree(TreeState& state, WindowState& window, Canvas& canvas, int offsetX) {
  state.drawOffsetX = offsetX;
  const bool printer = canvas.isPrinter();
  const int offsetY = printer ? PrinterOffsetY : 0;
  if (!printer) canvas.fillRect(0, 0, canvas.width(), canvas.height());

  if (state.treeReduced) {
    if (printer)
      drawPrinterReductionNote(state, canvas, offsetY);
    else
      showScreenReductionNote(state, window);
    for (int k = 1; k <= state.levelNodeCount; ++k) drawPath(state, canvas, k, offsetY, false);
  }

  for (int k = 1; k <= state.levelNodeCount; ++k) {
    const Gren_Info& leaf = state.leaf(k);
    if (!leaf.exists) continue;
    drawPath(state, canvas, k, offsetY, true);
    canvas.textOut(state.drawOffsetX + leaf.x + LevelPitch + 10, leaf.y + offsetY - 8,
                   leafLabel(state, k));
  }

  if (printer) drawPrinterResults(state, canvas, offsetY);
}

void PaintBox1Paint(Context& context) {
  if (context.state.treeComplete)
    drawTree(context.state, context.window, context.host.drawingCanvas(), ScreenOffsetX);
}

}  // namespace kvistra
