// Filling the remaining sibling groups one command at a time: typed, or copied across from the
// parent's group or down from the group above.
#pragma once

#include <optional>
#include <string>

#include "host/Context.h"
#include "tree/TreeHelpers.h"

namespace kvistra {

enum class CopyDirection { Across, Down };

// "Indtast sandsynligheder": asks the next group.
void enterNextGroup(Context& context);

// "Kopier sandsynligheder vandret" / "lodret": copies the next group.
void copyNextGroup(Context& context, CopyDirection direction);

// Where a copy takes its values from and which group it fills: the first group still without
// values that has a source of its own size, on the branching the input stands at; groups of
// another size before it are passed over.
struct CopyPlan {
  Group source;
  Group target;
  bool passesOver = false;
};
std::optional<CopyPlan> copyPlan(const Tree& tree, CopyDirection direction);

// Fills the planned group from its source.
void copyGroup(Context& context, CopyDirection direction);

// Moves the input to the first group without values and enables the copies that fit.
void copyAvailability(Context& context);

// The input stands before the first group without values, if there is one.
void moveToFirstOpenGroup(TreeState& state);

// The hint a copy that passes over groups gives; empty when no copy does.
std::string copyPassingHint(const TreeState& state);

// The last probability is in: path names rebuilt and the rest of the program opened.
void treeCompletion(Context& context);

}  // namespace kvistra
