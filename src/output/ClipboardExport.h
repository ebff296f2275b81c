// Putting the work on the clipboard for other programs: the tree as a picture, the results and
// the explanation of the branch names as text, and everything together as one picture.
#pragma once

#include <string>
#include <vector>

#include "host/Context.h"

namespace kvistra {

// "Kopier træet til Klippebordet": the tree as the screen shows it, the drawing area's size.
void copyTree(Context& context);

// "Kopier resultater til Klippebordet": the results pane's lines, its blank first line included.
void copyResults(Context& context);

// "Kopier forklaring til Klippebordet": a blank line, the title and one line a name row in use.
std::vector<std::string> branchTextsCopy(const LabelRows& labels);
void copyBranchTexts(Context& context);

// "Kopier alt til Klippebordet": a picture 1.5 times the drawing area with the results framed
// at the left, the tree beside them and the explanation below.
void copyAll(Context& context);
void drawEverything(const TreeState& state, Canvas& canvas);

// "Kopiér" in the pane "Fordeling af X": the pane's chart as a picture, cut to what is drawn.
void copyDistributionChart(Context& context);

}  // namespace kvistra
