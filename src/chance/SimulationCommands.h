// "Simulér…" and "Simulér igen": trials drawn from the tree shown beside it, leaf by leaf and as
// a bar chart, until the tree changes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/Context.h"

namespace kvistra {

inline constexpr std::int64_t LargestRun = 1000000;

// A typed seed: digits only, at most 18 of them, so any seed a class writes down is taken.
std::optional<std::uint64_t> readSeed(const std::string& text);

// The dialog, on the last run's number of trials and a fresh seed; then a new simulation of that
// many trials. Nonsense typed is refused with a message and the dialog opens again.
void simulate(Context& context);

// As many trials again, going on with the same stream; the dialog when nothing is simulated.
void simulateAgain(Context& context);

// A command that changed the tree, its probabilities or its reduction leaves no simulation of
// the tree that was.
void dropOutdatedSimulation(const Work& before, Context& context);

}  // namespace kvistra
