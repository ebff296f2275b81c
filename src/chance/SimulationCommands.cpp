#include "chance/SimulationCommands.h"

#include <algorithm>
#include <random>

#include "chance/Simulation.h"
#include "drawing/TreeDrawing.h"
#include "text/Windows1252.h"
#include "tree/NaturalFrequencies.h"

namespace kvistra {

namespace {

constexpr std::int64_t FirstRun = 1000;
constexpr std::size_t LongestSeed = 18;
// Six digits: short enough for a class to copy from the board.
constexpr std::uint64_t LargestFreshSeed = 999999;

std::uint64_t freshSeed() {
  std::random_device device;
  return std::uniform_int_distribution<std::uint64_t>(1, LargestFreshSeed)(device);
}

// Only the outcomes that exist are drawn: on a reduced tree the frequencies are conditional.
std::vector<Exact> drawnWeights(const Tree& tree) {
  std::vector<Exact> weights = outcomeProbabilities(tree);
  for (int k = 1; k <= tree.outcomeSlots(); ++k)
    if (!tree.leaf(k).exists) weights[static_cast<std::size_t>(k - 1)] = 0;
  return weights;
}

// The stream is drawn again from its seed: two runs count what one run of both counts, and the
// state stays plain data that an undo step can copy.
void addTrials(Context& context, std::int64_t trials) {
  SimulationTally& tally = *context.state.simulation;
  Simulation simulation(drawnWeights(context.state.tree), tally.seed);
  simulation.run(tally.trials + trials);
  tally.trials = simulation.trials();
  for (std::size_t i = 0; i < simulation.counts().size() && i < MaxOutcomes; ++i)
    tally.counts[i + 1] = simulation.counts()[i];
  paintTreeOnScreen(context.state, context.host);
}

// What the random variable keeps on a branch does not change the chances drawn from.
bool sameChances(const Branch& a, Branch b) {
  b.counted = a.counted;
  b.branchValue = a.branchValue;
  b.outcomeValue = a.outcomeValue;
  return a == b;
}

bool sameTreeDrawn(const Work& a, const Work& b) {
  for (int level = 0; level <= MaxBranchings; ++level)
    if (!std::equal(a.tree.branches[level].begin(), a.tree.branches[level].end(),
                    b.tree.branches[level].begin(), sameChances))
      return false;
  return a.tree.branchingCount == b.tree.branchingCount && a.tree.leafCount == b.tree.leafCount &&
         a.tree.complete == b.tree.complete && a.reduction == b.reduction;
}

}  // namespace

std::optional<std::uint64_t> readSeed(const std::string& text) {
  std::uint64_t seed = 0;
  std::size_t digits = 0;
  for (char c : text) {
    if (c == ' ') continue;
    if (c < '0' || c > '9' || ++digits > LongestSeed) return std::nullopt;
    seed = seed * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (digits == 0) return std::nullopt;
  return seed;
}

void simulate(Context& context) {
  TreeState& state = context.state;
  SimulationChoice choice{
      groupedNumber(state.simulation ? state.simulation->trialsPerRun : FirstRun),
      std::to_string(freshSeed())};
  while (const std::optional<SimulationChoice> reply = context.host.chooseSimulation(choice)) {
    choice = *reply;
    const std::optional<std::int64_t> trials = readCaseCount(reply->trials, LargestRun);
    const std::optional<std::uint64_t> seed = readSeed(reply->seed);
    if (!trials) {
      context.host.showMessage(w1252("Skriv et helt antal forsøg fra 1 til 1 000 000."),
                               w1252("Simulér"));
    } else if (!seed) {
      context.host.showMessage(w1252("Frøet skal være et helt tal med højst 18 cifre."),
                               w1252("Simulér"));
    } else {
      state.simulation = SimulationTally{*seed, *trials, 0, {}};
      addTrials(context, *trials);
      return;
    }
  }
}

void simulateAgain(Context& context) {
  if (!context.state.simulation) return simulate(context);
  addTrials(context, context.state.simulation->trialsPerRun);
}

void dropOutdatedSimulation(const Work& before, Context& context) {
  if (!context.state.simulation || sameTreeDrawn(before, context.state)) return;
  context.state.simulation.reset();
  paintTreeOnScreen(context.state, context.host);
}

}  // namespace kvistra
