// How an event's value comes about, written out in the tree's own names: for the approve box,
// the clipboard and the printed page.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tree/ExactValues.h"
#include "tree/TreeState.h"

namespace kvistra {

// Longer lines are folded before a "+", "·", ":" or "=", never cut.
inline constexpr std::size_t WorkingWidth = 52;

// The working of the marked event named display: each marked outcome's path as the product of
// its branches, the paths summed and, on a reduced tree, divided by the probability the tree is
// reduced to, ending in the value as the approve box shows it. A tree typed in decimals is worked
// in decimals, any other in fractions; a typed fraction stands as it was typed (2/4), a computed
// one reduced (3/10).
std::vector<std::string> eventWorking(const TreeState& state, const ExactValues& values,
                                      const std::string& display);
inline std::vector<std::string> eventWorking(const TreeState& state, const std::string& display) {
  return eventWorking(state, ExactValues(state.tree), display);
}

}  // namespace kvistra
