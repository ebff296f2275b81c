// Which commands each state of the program enables and disables, as data. A command not named
// in a table keeps its state.
#pragma once

#include <array>

#include "tree/WindowState.h"

namespace kvistra {

namespace command_tables {

using enum Command;
constexpr CommandChange off(Command c) {
  return {c, false};
}
constexpr CommandChange on(Command c) {
  return {c, true};
}

// Commands that need a tree to work on, disabled at start and when a new tree is begun.
inline constexpr auto NoTreeCommands = std::to_array<CommandChange>({
    off(Udskriv),
    off(Klargrtr1),
    off(Beregninger1),
    off(Reducrtr1),
    off(Gendantr1),
    off(SpeedButton1),
    off(SpeedButton2),
    off(SpeedButton3),
    off(SpeedButton4),
    off(SpeedButton5),
    off(SpeedButton6),
    off(SpeedButton8),
    off(SpeedButton10),
});

// At start there is nothing to save either.
inline constexpr auto StartCommands = std::to_array<CommandChange>({off(Gem1)});

// A new tree has no results to clear; saving and the printout heading keep their state.
inline constexpr auto NewTreeCommands = std::to_array<CommandChange>({off(SpeedButton7)});

// The last branching built: probabilities can be entered.
inline constexpr auto TreeCompleteCommands = std::to_array<CommandChange>({
    on(Klargrtr1),
    on(Stchancerp1),
    off(Kopiersandsynligheder1),
    off(Kopiersandsynligheder2),
    off(Indtastsandsynligheder1),
});

// The first groups entered: the remaining groups are typed or copied one at a time. Copying
// depends on the tree's shape and is set apart.
inline constexpr auto SteppingCommands = std::to_array<CommandChange>({
    off(Stchancerp1),
    on(Indtastsandsynligheder1),
    on(SpeedButton3),
});

// Every probability cleared by "Fortryd": the groups can only be entered again from the start.
inline constexpr auto ProbabilitiesClearedCommands = std::to_array<CommandChange>({
    on(Stchancerp1),
    off(Indtastsandsynligheder1),
    off(SpeedButton3),
    off(Kopiersandsynligheder1),
    off(SpeedButton1),
    off(Kopiersandsynligheder2),
    off(SpeedButton2),
});

// Every branch has its probability: events, reduction, printing and saving open up.
inline constexpr auto ProbabilitiesCompleteCommands = std::to_array<CommandChange>({
    on(Udskriv),
    on(Beregninger1),
    on(Reducrtr1),
    on(SpeedButton4),
    on(SpeedButton5),
    off(SpeedButton6),
    on(SpeedButton7),
    on(SpeedButton8),
    on(SpeedButton9),
    on(SpeedButton10),
    on(Gem1),
    off(Stchancerp1),
    off(Kopiersandsynligheder1),
    off(Kopiersandsynligheder2),
    off(Indtastsandsynligheder1),
    off(SpeedButton1),
    off(SpeedButton2),
    off(SpeedButton3),
});

}  // namespace command_tables

using command_tables::NewTreeCommands;
using command_tables::NoTreeCommands;
using command_tables::ProbabilitiesClearedCommands;
using command_tables::ProbabilitiesCompleteCommands;
using command_tables::StartCommands;
using command_tables::SteppingCommands;
using command_tables::TreeCompleteCommands;

}  // namespace kvistra
