// What the mouse and the keys do in the results pane: evaluating a row again, showing it in the
// line viewer, and picking a row to delete it.
#pragma once

#include <string>
#include <vector>

#include "host/Context.h"

namespace kvistra {

enum class MouseButton { Left, Middle, Right };

// A mouse release over the results pane.
struct PaneRelease {
  MouseButton button = MouseButton::Left;
  // The pane line under the pointer as the pane shows it, scrolled or not: 0 is the blank first
  // line, k shows row k; -1 when the pointer is below the last line.
  int line = -1;
  // The text selected in the pane; line breaks as "\n".
  std::string selection;
};

enum class PaneResponse { Nothing, PickRow, EvaluateRow, ShowRow };

struct PaneDecision {
  PaneResponse response = PaneResponse::Nothing;
  int row = 0;
  friend bool operator==(const PaneDecision&, const PaneDecision&) = default;
};

// A release that ends a selection picks the row under the pointer for deleting; otherwise the
// left and middle buttons evaluate that row again and the right button shows it.
PaneDecision decideRelease(const Results& results, const PaneRelease& release);

// Notices and reduction rows are not events: evaluating them would show a meaningless value.
bool isEventRow(const ResultRow& row);

// The line viewer's text for a row: the value, its fraction where known, three blanks and the
// line: "0.3000 = 3/10   R1R2".
std::string resultLineText(const ResultRow& row, bool comma);

// What each line of the results pane tells when the pointer rests on it: nothing for the blank
// first line, then for each row its whole line, its value and, where known, its fraction.
std::vector<std::string> resultRowTips(const TreeState& state);

// The yes/no box's question before row is deleted.
struct DeleteQuestion {
  std::string line1;
  std::string line2;
  int width;
};
DeleteQuestion deleteQuestion(const ResultRow& row);

// Picks the row under the pointer for deleting, then does what decideRelease decides.
void releaseInResultsPane(Context& context, const PaneRelease& release);

// Delete and Backspace delete the picked row after a question; every key released forgets the
// pick.
enum class PaneKey { Delete, Backspace, Other };
void keyReleasedInResultsPane(Context& context, PaneKey key);

}  // namespace kvistra
