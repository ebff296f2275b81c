// Which commands each state of the program enables and disables, as data. A command not named
// in a table keeps its state.
#pragma once

#include <array>

#include "tree/WindowState.h"

namespace kvistra {

namespace detail {
constexpr CommandChange off(Command c) {
  return {c, false};
}
constexpr CommandChange on(Command c) {
  return {c, true};
}
}  // namespace detail

using enum Command;

// The main window as first shown: nothing but the menus for files, drawing and help.
inline constexpr auto StartCommands = std::to_array<CommandChange>({
    detail::off(Gem1),
    detail::off(Udskriv),
    detail::off(Klargrtr1),
    detail::off(Beregninger1),
    detail::off(Reducrtr1),
    detail::off(Gendantr1),
    detail::off(SpeedButton1),
    detail::off(SpeedButton2),
    detail::off(SpeedButton3),
    detail::off(SpeedButton4),
    detail::off(SpeedButton5),
    detail::off(SpeedButton6),
    detail::off(SpeedButton8),
    detail::off(SpeedButton10),
});

// A new tree begun; saving and the printout heading keep their state.
inline constexpr auto NewTreeCommands = std::to_array<CommandChange>({
    detail::off(Udskriv),
    detail::off(Klargrtr1),
    detail::off(Beregninger1),
    detail::off(Reducrtr1),
    detail::off(Gendantr1),
    detail::off(SpeedButton1),
    detail::off(SpeedButton2),
    detail::off(SpeedButton3),
    detail::off(SpeedButton4),
    detail::off(SpeedButton5),
    detail::off(SpeedButton6),
    detail::off(SpeedButton7),
    detail::off(SpeedButton8),
    detail::off(SpeedButton10),
});

// The last branching built: probabilities can be entered.
inline constexpr auto TreeCompleteCommands = std::to_array<CommandChange>({
    detail::on(Klargrtr1),
    detail::on(Stchancerp1),
    detail::off(Kopiersandsynligheder1),
    detail::off(Kopiersandsynligheder2),
    detail::off(Indtastsandsynligheder1),
});

}  // namespace kvistra
