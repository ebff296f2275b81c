// Which commands each state of the program enables and disables, as data. A command not named
// in a table keeps its state.
#pragma once

#include <array>

#include "window/WindowState.h"

namespace kvistra {

namespace command_tables {

using enum Control;
constexpr ControlChange off(Control c) {
  return {c, false};
}
constexpr ControlChange on(Control c) {
  return {c, true};
}

// Commands that need a tree to work on, disabled at start and when a new tree is begun.
// Simulating and counting N cases go with "&Hændelser": they need every probability, valid.
inline constexpr auto NoTreeCommands = std::to_array<ControlChange>({
    off(Print),
    off(PrintPreview),
    off(ExportPicture),
    off(PrintWorksheet),
    off(PrepareTreeMenu),
    off(CalculationsMenu),
    off(ReduceTree),
    off(RestoreTree),
    off(Simulate),
    off(SimulateAgain),
    off(NaturalFrequencies),
    off(CopyAcrossButton),
    off(CopyDownButton),
    off(EnterProbabilitiesButton),
    off(EventButton),
    off(ReduceButton),
    off(RestoreButton),
    off(PrintButton),
    off(CopyMenuButton),
});

// At start there is nothing to save either.
inline constexpr auto StartCommands = std::to_array<ControlChange>({off(Save)});

// A new tree has no results to clear, and nothing worth saving until its probabilities are
// complete: a half-built tree would load as a complete one. The printout heading keeps its state.
inline constexpr auto NewTreeCommands =
    std::to_array<ControlChange>({off(ClearResultsButton), off(Save)});

// The last branching built: probabilities can be entered.
inline constexpr auto TreeCompleteCommands = std::to_array<ControlChange>({
    on(PrepareTreeMenu),
    on(SetFirstProbabilities),
    off(CopyAcross),
    off(CopyDown),
    off(EnterProbabilities),
});

// The first groups entered: the remaining groups are typed or copied one at a time. Copying
// depends on the tree's shape and is set apart.
inline constexpr auto SteppingCommands = std::to_array<ControlChange>({
    off(SetFirstProbabilities),
    on(EnterProbabilities),
    on(EnterProbabilitiesButton),
});

// Every probability cleared by "Fortryd": the groups can only be entered again from the start.
// A tree that was complete is not any more, so what needs its probabilities closes again.
inline constexpr auto ProbabilitiesClearedCommands = std::to_array<ControlChange>({
    on(SetFirstProbabilities),
    off(EnterProbabilities),
    off(EnterProbabilitiesButton),
    off(CopyAcross),
    off(CopyAcrossButton),
    off(CopyDown),
    off(CopyDownButton),
    off(Print),
    off(PrintPreview),
    off(ExportPicture),
    off(PrintWorksheet),
    off(CalculationsMenu),
    off(ReduceTree),
    off(RestoreTree),
    off(Simulate),
    off(SimulateAgain),
    off(NaturalFrequencies),
    off(EventButton),
    off(ReduceButton),
    off(RestoreButton),
    off(PrintButton),
    off(CopyMenuButton),
    off(Save),
});

// Every branch has its probability: events, reduction, printing and saving open up.
inline constexpr auto ProbabilitiesCompleteCommands = std::to_array<ControlChange>({
    on(Print),
    on(PrintPreview),
    on(ExportPicture),
    on(PrintWorksheet),
    on(CalculationsMenu),
    on(AskEvent),
    on(ReverseTree),
    on(Simulate),
    on(SimulateAgain),
    on(NaturalFrequencies),
    on(ReduceTree),
    on(EventButton),
    on(ReduceButton),
    off(RestoreButton),
    on(ClearResultsButton),
    on(PrintButton),
    on(PrintHeadingButton),
    on(CopyMenuButton),
    on(Save),
    off(SetFirstProbabilities),
    off(CopyAcross),
    off(CopyDown),
    off(EnterProbabilities),
    off(CopyAcrossButton),
    off(CopyDownButton),
    off(EnterProbabilitiesButton),
});

// While the tree is reduced it can only be restored; after restoring, only reduced again. Only
// the whole tree is reversed, so not while it is reduced.
inline constexpr auto ReducedCommands = std::to_array<ControlChange>({
    off(ReduceTree),
    off(ReduceButton),
    on(RestoreTree),
    on(RestoreButton),
    off(ReverseTree),
});
inline constexpr auto RestoredCommands = std::to_array<ControlChange>({
    on(ReduceTree),
    on(ReduceButton),
    off(RestoreTree),
    off(RestoreButton),
    on(ReverseTree),
});

// A tree loaded from a file is complete, with every probability: everything but entering
// probabilities opens up. Reducing and restoring follow the loaded reduction.
inline constexpr auto LoadedTreeCommands = std::to_array<ControlChange>({
    on(Print),
    on(PrintPreview),
    on(ExportPicture),
    on(PrintWorksheet),
    on(PrepareTreeMenu),
    on(CalculationsMenu),
    on(AskEvent),
    on(ReverseTree),
    on(Simulate),
    on(SimulateAgain),
    on(NaturalFrequencies),
    on(Save),
    on(EventButton),
    on(ClearResultsButton),
    on(PrintButton),
    on(CopyMenuButton),
    off(SetFirstProbabilities),
    off(CopyAcross),
    off(CopyDown),
    off(EnterProbabilities),
});

// A loaded tree whose probabilities are not all valid: nothing is computed from them or printed
// until "Ret talværdi" has mended them. Restoring a reduction stays as the reduction has it.
inline constexpr auto InvalidProbabilitiesCommands = std::to_array<ControlChange>({
    off(AskEvent),
    off(ReverseTree),
    off(Simulate),
    off(SimulateAgain),
    off(NaturalFrequencies),
    off(EventButton),
    off(ReduceTree),
    off(ReduceButton),
    off(Print),
    off(PrintPreview),
    off(ExportPicture),
    off(PrintWorksheet),
    off(PrintButton),
});
// Every group mended: events and printing open up; reducing follows the reduction, as loaded.
inline constexpr auto ValidProbabilitiesCommands = std::to_array<ControlChange>({
    on(AskEvent),
    on(ReverseTree),
    on(Simulate),
    on(SimulateAgain),
    on(NaturalFrequencies),
    on(EventButton),
    on(Print),
    on(PrintPreview),
    on(ExportPicture),
    on(PrintWorksheet),
    on(PrintButton),
});

}  // namespace command_tables

using command_tables::InvalidProbabilitiesCommands;
using command_tables::LoadedTreeCommands;
using command_tables::NewTreeCommands;
using command_tables::NoTreeCommands;
using command_tables::ProbabilitiesClearedCommands;
using command_tables::ProbabilitiesCompleteCommands;
using command_tables::ReducedCommands;
using command_tables::RestoredCommands;
using command_tables::StartCommands;
using command_tables::SteppingCommands;
using command_tables::TreeCompleteCommands;
using command_tables::ValidProbabilitiesCommands;

}  // namespace kvistra
