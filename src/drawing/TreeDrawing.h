// The one routine that draws a complete tree, on the screen, a printer page or a picture.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "drawing/DrawingReading.h"
#include "host/Canvas.h"
#include "host/Host.h"
#include "tree/Layout.h"
#include "tree/TreeState.h"

namespace kvistra {

// What the leaves write after their numbers: a shown event's outcomes their path probability,
// every leaf its path probability, or every leaf a blank to write it on.
enum class LeafValues { ShownEvent, All, Blank };

// What a drawing writes besides what the screen shows; the default draws the tree as the screen
// and the printed page show it.
struct TreeDrawingOptions {
  // Branchings (1 to 3) whose values give way to blanks: lines to write on, the value's width.
  std::array<bool, MaxBranchings + 1> blankLevels{};
  LeafValues leafValues = LeafValues::ShownEvent;
  // On the printer's canvas: the results column and the reduction note.
  bool printerNotes = true;
};

// Whether the drawing is the bar chart of repeated trials rather than a tree: the work has
// trials but no tree, and too many of them to count on one.
bool drawsTrialsChart(const TreeState& state);

// Draws the whole tree at the given x offset, or in its place the trials' counting tree where
// drawsCountingTree says so, or the chart of trials too many for one; on every medium alike. On
// any canvas but the printer's it erases the canvas first; on the printer's it adds the reduction
// note and the results column.
void drawTree(const TreeState& state, Canvas& canvas, int offsetX,
              const TreeDrawingOptions& options = {});

// The blank a worksheet writes in place of a branch's value, and of a leaf's path probability.
std::string branchValueBlank(Canvas& canvas);
std::string pathBlank();

// The path from leaf k to the root; dashed paths carry no texts.
void drawPath(const TreeState& state, Canvas& canvas, int k, int offsetX, int offsetY, bool solid);

// The label written beside leaf k: its number and, for a shown event, its path probability.
std::string leafLabel(const TreeState& state, int k);

// The probability the tree is reduced to, exactly, four decimals, as the notes about the
// reduction write it.
std::string reductionProbabilityText(const TreeState& state);

// Everything on the screen's drawing in reading order, with what a sighted pupil reads there: the
// root's total first, if any; then every branch, level by level and top to bottom, with its name,
// its value as shown (or that it has none yet), its text, and for a leaf its outcome, whether a
// shown event marks it, the value beside it and its simulated count; then the simulation chart.
// A tree being built is read by its branches' names, a counting tree node by node. measurer
// measures text as the drawing does, so a value is read as the drawing shows it.
std::vector<DrawingReading> drawingReadings(const TreeState& state, Canvas& measurer);

// The drawing of a tree still being built.
void drawConstruction(const TreeState& state, Canvas& canvas);

// The screen's drawing: a complete tree, a tree under construction, a counting tree, or a blank
// for none.
void paintTree(const TreeState& state, Canvas& canvas);
// paintTree on the drawing area, over what it showed.
void paintTreeOnScreen(const TreeState& state, Host& host);

}  // namespace kvistra
