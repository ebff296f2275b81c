// The drawing in the accessibility tree: a list with one item per branch, named with what a
// sighted pupil reads there, so a screen reader can read the tree aloud.
#pragma once

#include <vector>

#include "drawing/TreeDrawing.h"

namespace kvistra::ui {

class DrawingArea;

// Makes Qt give every drawing area the list's interface; once, before any window is shown.
void installDrawingAccessibility();

// Tells the accessibility tree what changed since the readings before: names, items that came,
// and the item the keyboard is on.
void announceReadings(DrawingArea& drawing, const std::vector<DrawingReading>& before,
                      int focusedBefore);
// Before the readings shrink to their first kept: tells of each item that goes while it is
// still there to be named.
void announceRemovedReadings(DrawingArea& drawing, std::size_t kept);

// Tells the accessibility tree which item the keyboard is on, while the drawing has the focus.
void announceFocus(DrawingArea& drawing);

}  // namespace kvistra::ui
