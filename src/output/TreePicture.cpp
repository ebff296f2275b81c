#include "output/TreePicture.h"

#include "drawing/TreeDrawing.h"
#include "tree/Layout.h"

namespace kvistra {

void drawTreePicture(const TreeState& state, Canvas& canvas, std::string_view caption) {
  canvas.setFont(Font{"Arial", TreePictureFontPixels, true});
  drawTree(state, canvas, ScreenOffsetX);
  if (!caption.empty()) canvas.textOut(PictureCaptionX, PictureCaptionY, caption);
}

void copyTreePicture(Context& context, std::string_view caption) {
  const PictureSize size = context.host.drawingSize();
  const TreeState& state = context.state;
  context.host.copyPicture(size.width, size.height,
                           [&](Canvas& canvas) { drawTreePicture(state, canvas, caption); });
}

}  // namespace kvistra
