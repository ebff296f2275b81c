// The zoom of the screen's drawing: the steps "Zoom ind" and "Zoom ud" go through, and the zoom
// that fits the drawing to the window.
#pragma once

#include "drawing/RecordedDrawing.h"

namespace kvistra {

inline constexpr double SmallestZoom = 0.5;
inline constexpr double LargestZoom = 4.0;
// Fitted to the window a tall tree may need less than the smallest step: 64 outcomes reach
// four times as far down as the drawing's usual height.
inline constexpr double SmallestFittedZoom = 0.25;

// The next step up or down from zoom; a zoom between steps (fitted to the window) goes to the
// nearest step in that direction.
double zoomedIn(double zoom);
double zoomedOut(double zoom);
// Zoom kept within SmallestFittedZoom and LargestZoom; anything unreadable (a damaged setting)
// is 1.
double boundedZoom(double zoom);
// The largest zoom at which the drawing, from the origin to its ink plus InkMargin, fits an area
// of width x height pixels.
double zoomToFit(const InkBounds& ink, int width, int height);

}  // namespace kvistra
