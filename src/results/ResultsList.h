// The results list: approved events, reductions and notices, at most 30 rows, shown in the
// results pane with the values lined up.
#pragma once

#include <string>
#include <vector>

#include "host/Context.h"

namespace kvistra {

// The notices the list carries besides results.
inline constexpr const char* TreeChangedNotice = "Træet er ændret";  // UTF-8; see w1252
inline constexpr const char* TreeRestoredNotice = "Træet er gendannet";
// A reduction's row: this, then the reduction event.
inline constexpr const char* ReductionRowPrefix = "Reduc: ";

// Appends a row when there is room and shows the list again; warns at the 29th row and when
// the list is full. fraction is the value exactly, when known; working how it came about, in
// its encoding.
void addResult(Context& context, const std::string& lineText, const std::string& valueText,
               const std::string& fraction = "", const std::vector<std::string>& working = {},
               TextEncoding workingEncoding = TextEncoding::Windows1252);

// The pane's lines: a blank line, then one line a row with the value ending in column 25; with
// comma, the values are shown with a decimal comma, as the rows themselves never are.
std::vector<std::string> resultsPaneLines(const Results& results, bool comma = false);
void rebuildResultsPane(const TreeState& state, WindowState& window);

// "Rens skema": the list is emptied, the pane holds no line at all.
void clearResults(Context& context);

// Removes row k (1..count); the rows after it move up.
void deleteResultRow(TreeState& state, WindowState& window, int k);

// A change of a completed tree that has results is noted once at the end of the list; the rows
// before it no longer know their values exactly.
void noteTreeChanged(Context& context);

}  // namespace kvistra
