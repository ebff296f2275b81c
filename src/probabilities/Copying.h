// Filling the remaining sibling groups one command at a time: typed, or copied across from the
// parent's group or down from the group above.
#pragma once

#include "host/Context.h"

namespace kvistra {

enum class CopyDirection { Across, Down };

// "Indtast sandsynligheder": asks the next group.
void enterNextGroup(Context& context);

// "Kopier sandsynligheder vandret" / "lodret": copies the next group.
void copyNextGroup(Context& context, CopyDirection direction);

// Fills the group after currentSlot from its source and advances currentSlot past it.
void copyGroup(Context& context, CopyDirection direction);

// Moves to the next level when the current one is full and enables the copies that fit.
void copyAvailability(Context& context);

// The last probability is in: path names rebuilt and the rest of the program opened.
void treeCompletion(Context& context);

}  // namespace kvistra
