// Where things stand on the printed page and on the clipboard's pictures. The page is a space of
// PageWidth x PageHeight units scaled to the paper, so it looks the same on every printer; the
// pictures are in pixels.
#pragma once

#include "host/Canvas.h"
#include "tree/Layout.h"

namespace kvistra {

inline constexpr int PageWidth = 800;
inline constexpr int PageHeight = 600;

// The page's own lines, written at the left margin above the tree (drawn at PrinterOffsetX and
// PrinterOffsetY) and its results column.
inline constexpr int PageTextX = 10;
inline constexpr int PageTitleY = 30;
inline constexpr int PageHeadingY = 50;
// The result being approved, when printed from the approve box.
inline constexpr int PageResultLineY = 70;
// The explanation lines of the branch names, one text height apart.
inline constexpr int PageExplanationTop = 565;
// Space kept between the explanation and what the tree's drawing writes above it: a long
// results column, or the reduction note, which reaches PageReductionNoteBottom.
inline constexpr int PageExplanationGap = 10;
inline constexpr int PageReductionNoteBottom = PrinterOffsetY + 520;
// An event's working, printed from the approve box below all the rest, in up to two columns of
// WorkingWidth characters.
inline constexpr int PageWorkingColumns = 2;
inline constexpr int PageWorkingColumnPitch = 395;

// The texts of the page, the results column and the tree on paper: the staging text's Courier
// New, one unit smaller, so that a results line cut to 20 characters ends before the value
// column at x 160 instead of running under it.
inline const Font PageFont{"Courier New", 12, false};

// The picture of everything: 1.5 times the drawing area, the tree moved right to make room for
// the framed results, the explanation below them.
inline constexpr double EverythingScale = 1.5;
inline constexpr int EverythingTreeOffsetX = 290;
inline const Font EverythingTextFont{"Courier New", 16, true};  // 12 points, bold
inline constexpr int EverythingFrameLeft = 5;
inline constexpr int EverythingFrameTop = 10;
inline constexpr int EverythingFrameRight = 275;
inline constexpr int EverythingFrameBottom = 490;
inline constexpr int EverythingTextX = 10;
inline constexpr int EverythingResultsTop = 25;
inline constexpr int EverythingExplanationTop = 500;

// Copied texts keep the font of the staging text: Courier New, 13 pixels.
inline const Font CopiedTextFont{"Courier New", 13, false};

}  // namespace kvistra
