// Where things stand on the drawing, in drawing units. Every number of the tree's layout is
// named here, so construction, drawing and hit testing agree.
#pragma once

namespace kvistra {

// A level's branches start at RootX + level * LevelPitch and are LevelPitch long.
inline constexpr int RootX = -70;
inline constexpr int RootY = 245;
inline constexpr int LevelPitch = 100;
// The short line that leads into the root.
inline constexpr int RootStemLength = 30;
// Texts of a branch, measured from its left end.
inline constexpr int NameOffset = 5;
inline constexpr int ProbabilityOffset = 40;
// The deepest level's branches share this height evenly.
inline constexpr int VerticalSpan = 432;
// The leaf label: outcome number and path probability, right of the leaf's line.
inline constexpr int LeafLabelGap = 10;
inline constexpr int LeafLabelRise = 8;

// The x offset of the whole drawing on each surface.
inline constexpr int ConstructionOffsetX = 25;
inline constexpr int ScreenOffsetX = 50;
inline constexpr int PrinterOffsetX = 250;
inline constexpr int PrinterOffsetY = 150;

// A click hits a branch in this rectangle: from the left end of its line this far to the right,
// and from its texts down to a little below the line.
inline constexpr int BranchHitWidth = 150;
inline constexpr int BranchHitBelowLine = 3;
// Where the drawing asks for a click on a branch, in screen drawing units.
inline constexpr int ClickNoteX = 25;
inline constexpr int ClickNoteY = 425;
// The hint of what was typed for a branch stands this far right of and below the pointer.
inline constexpr int BranchHintGap = 10;

constexpr int branchLeft(int level) {
  return RootX + level * LevelPitch;
}

}  // namespace kvistra
