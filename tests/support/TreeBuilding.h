// Builds trees the way a user does, through the construction commands.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "host/Context.h"
#include "support/FakeHost.h"

namespace kvistra::testing {

// A fresh state, window and host, with the drawing font measured as the window does at start.
struct Fixture {
  TreeState state;
  WindowState window;
  FakeHost host;
  Context context{state, window, host};

  Fixture();
  // Begins a tree of the given branchings and clicks each count in turn.
  void build(int branchings, std::initializer_list<int> branchCounts);
  void build(std::initializer_list<int> branchCounts) {
    build(static_cast<int>(branchCounts.size()), branchCounts);
  }
  // Gives every branch of the tree a probability of 1 / branchesPerNode, as entered.
  void enterUniformProbabilities();
  // Gives a level's branches these typed texts and their values, slot by slot, as entered.
  void enterTyped(int level, std::initializer_list<const char*> typed);
  // Texts to be typed in the probability dialog, in order; std::nullopt presses "Fortryd".
  void type(std::initializer_list<std::optional<std::string>> entries);
  // The window's controls as the work so far has them, worked out as after a command.
  const WindowState& controls();
};

// The probabilities of a level's branches, slot by slot.
std::vector<double> levelProbabilities(const TreeState& state, int level);

}  // namespace kvistra::testing
