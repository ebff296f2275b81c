// Which controls are on, worked out from the work alone: the phase the work is in picks a column
// of one table, and a few cells ask the work a little more.
#pragma once

#include <array>
#include <cstddef>

#include "tree/TreeState.h"
#include "window/WindowState.h"

namespace kvistra {

// Where a piece of work stands, from the empty window to a tree to compute with.
enum class Phase {
  NoTree,          // nothing drawn yet
  Building,        // branchings still to be given their branch counts
  FirstGroups,     // built; the probabilities start with "Sæt chancer på første grene"
  Stepping,        // the first groups entered; the rest are typed or copied one at a time
  Complete,        // every probability entered, every group a distribution
  Reduced,         // complete, and reduced to an event
  Invalid,         // every probability there, but some group no distribution (a loaded file)
  InvalidReduced,  // the same, reduced as the file had it
  Trials,          // repeated trials too many to draw as a tree
  Count
};

Phase phaseOf(const TreeState& state);

// What the cells that are not plainly on or off ask of the work beyond its phase.
struct ControlConditions {
  bool canCopyAcross = false;
  bool canCopyDown = false;
  int firstRefusedBranchCount = MostBranches + 1;
  bool hasVariable = false;
  bool hasCountableTrials = false;
  bool trialsTabulated = false;
};

ControlConditions controlConditionsOf(const TreeState& state);

using EnabledControls = std::array<bool, static_cast<std::size_t>(Control::Count)>;

// Every control's state in a phase.
EnabledControls enabledControls(Phase phase, const ControlConditions& conditions);

// Sets every control of the window as the work has it; the one place the controls are set, after
// every command, every undo and redo, and at start.
void showControls(const TreeState& state, WindowState& window);

}  // namespace kvistra
