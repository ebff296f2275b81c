#include "output/TreePicture.h"

#include "drawing/CountingTree.h"
#include "drawing/TreeDrawing.h"
#include "tree/Layout.h"

namespace kvistra {

void drawTreePicture(const TreeState& state, Canvas& canvas, std::string_view caption) {
  canvas.setFont(Font{"Arial", TreePictureFontPixels, true});
  drawTree(state, canvas, ScreenOffsetX);
  if (!caption.empty()) canvas.textOut(PictureCaptionX, PictureCaptionY, caption);
}

bool outgrowsBuiltTrees(const Tree& tree) {
  constexpr int BuiltBranchings = 3;
  constexpr int LowestBuiltRow = RootY + VerticalSpan / 2;
  if (tree.depth() > BuiltBranchings) return true;
  for (int k = 1; k <= tree.outcomeSlots(); ++k)
    if (tree.leaf(k).y > LowestBuiltRow) return true;
  return false;
}

bool cutToDrawing(const TreeState& state) {
  return outgrowsBuiltTrees(state.tree) || drawsCountingTree(state);
}

void copyTreePicture(Context& context, std::string_view caption) {
  const TreeState& state = context.state;
  const auto draw = [&](Canvas& canvas) { drawTreePicture(state, canvas, caption); };
  if (cutToDrawing(state)) return context.host.copyCroppedPicture(draw);
  const PictureSize size = context.host.drawingSize();
  context.host.copyPicture(size.width, size.height, draw);
}

}  // namespace kvistra
