// Pointing at the drawn tree: the hint of what was typed for a branch, changing one group's
// values by clicking a branch, replacing a branch letter throughout the tree, and how the drawn
// values are written: decimals or fractions, point or comma, plain or given the reduction.
#pragma once

#include <optional>
#include <string>

#include "host/Context.h"

namespace kvistra {

// A branch of the store.
struct BranchAddress {
  int level = 0;
  int slot = 0;
  friend bool operator==(const BranchAddress&, const BranchAddress&) = default;
};

// Which point of the pointer a hit test looks at. A press just on a branch's left end, where
// the connector to its parent runs, does not count.
enum class PointerPoint { Release, Press };

// The branch whose line or texts lie under the pointer. The level comes from x alone, so only
// the part of a branch's rectangle inside its level's band can be hit.
std::optional<BranchAddress> branchHitTest(const TreeState& state, PointerPoint point);

// "Ret talværdi" and "Udskift navn på hele træet": the next click on the drawing acts with the
// tool, and only that one.
void chooseTool(Context& context, ToolMode mode);
// What the window's status line says while a tool waits for its branch: the drawing's "Klik på
// en gren" with the keyboard's way to choose one. Without a tool, that a copy passes over groups
// of another size, if one does; else empty.
std::string toolNote(const TreeState& state);

// A press on the drawing of a complete tree without a tool shows what was typed for the branch.
void pressOnDrawing(Context& context, int x, int y);
// Any move of the pointer takes the hint away.
void moveOnDrawing(WindowState& window);
// A release on the drawing of a complete tree runs the tool on the branch hit, then drops it.
void releaseOnDrawing(Context& context, int x, int y);

// The click action of the tool in use. The input position is the same afterwards, so the
// stepping through the groups goes on where it was.
void clickAction(Context& context);

// Asks the clicked branch and the rest of its group again; the group's last branch is completed.
void editBranchValue(Context& context, BranchAddress clicked);

// Asks for a letter and gives it to every branch whose name starts with the clicked branch's
// letter, on every level, keeping each level's digit.
void replaceLetterInTree(Context& context, BranchAddress clicked);

// "2 decimaler", "3 decimaler", "4 decimaler": branch probabilities are written anew, as
// decimals.
void setDecimalCount(Context& context, int decimals);
// "Brøker": the tree's values are written as fractions where they fit.
void showFractions(Context& context);

// "Decimalkomma": every value shown is written with a decimal comma, or a point again.
void setDecimalComma(Context& context, bool comma);
// "Vis betingede sandsynligheder": a reduced tree's values are shown given its reduction.
void setConditionalValues(Context& context, bool conditional);

// "Fremhæv hændelsen": a shown event's paths in colour and thick, or as the other lines.
void setHighlightEvent(Context& context, bool highlight);

// "Tælletræ": the trials' counting tree in the tree's place, or the tree again.
void setCountingTree(Context& context, bool shown);

}  // namespace kvistra
