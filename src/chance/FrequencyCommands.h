// "Antal ud af N" and "Antal tilfælde N…": the tree shown in counts of N cases.
#pragma once

#include "host/Context.h"

namespace kvistra {

void setNaturalFrequencies(Context& context, bool shown);

// Asks N in the prompt and shows the tree in counts of N cases; 0 lets the tree choose N again.
// Anything but a whole number from 0 to LargestTypedTotal is refused with a message.
void askCaseCount(Context& context);

}  // namespace kvistra
