// The picture of the tree that is put on the clipboard: the drawing as the screen shows it, in
// the picture font, optionally with a caption line in its top-left corner.
#pragma once

#include <string_view>

#include "host/Canvas.h"
#include "host/Context.h"

namespace kvistra {

// Arial, bold, 9 points.
inline constexpr int TreePictureFontPixels = 12;
// Where the approve box writes its result line on the picture.
inline constexpr int PictureCaptionX = 10;
inline constexpr int PictureCaptionY = 10;

// Draws the tree at the screen's offset and, when caption is not empty, writes it at the
// caption's place.
void drawTreePicture(const TreeState& state, Canvas& canvas, std::string_view caption);

// Whether the tree reaches past where the trees "2 forgreninger" and "3 forgreninger" build can
// reach: right of a third branching or below the lowest row they use. The drawing area may not
// show all of such a tree, so its pictures are cut to what is drawn instead.
bool outgrowsBuiltTrees(const Tree& tree);
// Whether a picture of the drawing is cut to what is drawn rather than made the drawing area's
// size: for such a tree, and for a counting tree, which may be larger than the area too.
bool cutToDrawing(const TreeState& state);

// Puts the picture, the size of the drawing area, on the clipboard; a tree that outgrows the
// built trees whole, cut to what is drawn.
void copyTreePicture(Context& context, std::string_view caption);

}  // namespace kvistra
