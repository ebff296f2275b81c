// What a screen reader says of one thing on the screen's drawing, and where it lies there.
#pragma once

#include <string>

#include "host/Canvas.h"

namespace kvistra {

// A branch (level 1 and up, slot on its level), or, at level and slot 0, something drawn that is
// no branch: the root's total, the simulation chart's heading and its bars.
struct DrawingReading {
  int level = 0;
  int slot = 0;
  std::string text;  // "B2 efter A1, 0.5000, udfald 2, markeret, 0.2500"
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  // Readings are Windows-1252 like the drawing's texts, but for display texts with "σ" or "≤".
  TextEncoding encoding = TextEncoding::Windows1252;
  friend bool operator==(const DrawingReading&, const DrawingReading&) = default;
};

}  // namespace kvistra
