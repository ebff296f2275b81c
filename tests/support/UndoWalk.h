// A walk of commands, as a user might give them, through a session, followed by undoing every
// step and redoing them all. Shared by the history test (a fixed seed) and its fuzz target.
#pragma once

#include <functional>
#include <string>

namespace kvistra::testing {

// choose(n) picks one of n choices, 0..n-1. Files the walk saves go to folder. Returns what went
// wrong: the first step whose work or file text an undo or a redo did not give back, or a dialog
// the walk did not script; empty when every step came back.
std::string undoWalkFault(const std::function<int(int)>& choose, int commands,
                          const std::string& folder);

}  // namespace kvistra::testing
