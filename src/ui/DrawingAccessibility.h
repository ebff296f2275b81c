// The drawing in the accessibility tree: a list with one item per branch, named with what a
// sighted pupil reads there, so a screen reader can read the tree aloud.
#pragma once

#include <vector>

#include "drawing/TreeDrawing.h"

namespace kvistra::ui {

class DrawingArea;

// Makes Qt give every drawing area the list's interface; once, before any window is shown.
void installDrawingAccessibility();

// Tells the accessibility tree what changed since the readings before: names, branches that
// came or went, and the branch the keyboard is on.
void announceReadings(DrawingArea& drawing, const std::vector<DrawingReading>& before,
                      int focusedBefore);

// Tells the accessibility tree which item the keyboard is on, while the drawing has the focus.
void announceFocus(DrawingArea& drawing);

}  // namespace kvistra::ui
