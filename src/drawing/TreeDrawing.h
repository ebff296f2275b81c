// The one routine that draws a complete tree, on the screen, a printer page or a picture.
#pragma once

#include "tree/Canvas.h"
#include "tree/Context.h"

namespace kvistra {

inline constexpr int ScreenOffsetX = 50;
inline constexpr int PrinterOffsetX = 250;
inline constexpr int PrinterOffsetY = 150;

// Draws the whole tree at the given x offset. On any canvas but the printer's it erases the
// canvas first and shows the reduction note in the window instead of on the canvas.
void drawTree(TreeState& state, WindowState& window, Canvas& canvas, int offsetX);

// The path from leaf k to the root; dashed paths carry no texts.
void drawPath(const TreeState& state, Canvas& canvas, int k, int offsetY, bool solid);

// The label written beside leaf k: its number and, for a shown event, its path probability.
std::string leafLabel(const TreeState& state, int k);

// The screen's paint handler: only a complete tree is drawn.
void PaintBox1Paint(Context& context);

}  // namespace kvistra
