// The one routine that draws a complete tree, on the screen, a printer page or a picture.
#pragma once

#include <string>

#include "host/Canvas.h"
#include "tree/Layout.h"
#include "tree/TreeState.h"
#include "window/WindowState.h"

namespace kvistra {

// Draws the whole tree at the given x offset. On any canvas but the printer's it erases the
// canvas first; on the printer's it adds the reduction note and the results column.
void drawTree(const TreeState& state, Canvas& canvas, int offsetX);

// The path from leaf k to the root; dashed paths carry no texts.
void drawPath(const TreeState& state, Canvas& canvas, int k, int offsetX, int offsetY, bool solid);

// The label written beside leaf k: its number and, for a shown event, its path probability.
std::string leafLabel(const TreeState& state, int k);

// What the screen shows below the left pane about the reduction in force, if any.
ReductionNote reductionNote(const TreeState& state);

// The screen's drawing: only a complete tree is drawn.
void paintTree(const TreeState& state, Canvas& canvas);

}  // namespace kvistra
