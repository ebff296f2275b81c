// Reversing the largest tree (27 leaves, every group typed with four-digit denominators) and a
// million trials drawn from its outcomes, the table for them built each time.
#include <benchmark/benchmark.h>

#include "chance/Simulation.h"
#include "chance/TreeReversal.h"
#include "events/EventTrees.h"

namespace kvistra {
namespace {

void BM_ReverseTree27Leaves(benchmark::State& run) {
  const TreeState state = test_trees::FractionTree();
  for (auto _ : run) benchmark::DoNotOptimize(reversedTree(state, 3));
}

void BM_SimulateMillionTrials27Leaves(benchmark::State& run) {
  const std::vector<Exact> probabilities = outcomeProbabilities(test_trees::FractionTree().tree);
  for (auto _ : run) {
    Simulation simulation(probabilities, 2024);
    simulation.run(1'000'000);
    benchmark::DoNotOptimize(simulation.counts().data());
  }
  run.SetItemsProcessed(run.iterations() * 1'000'000);
}

BENCHMARK(BM_ReverseTree27Leaves)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SimulateMillionTrials27Leaves)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kvistra
