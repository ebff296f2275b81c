// The exact distributions: a whole binomial table as the window shows it (exact values,
// cumulative sums and their display texts), and a random variable's E and Var.
#include <benchmark/benchmark.h>

#include <vector>

#include "distribution/Distribution.h"
#include "distribution/RepeatedTrials.h"
#include "window/DistributionPane.h"

namespace kvistra {
namespace {

void BM_BinomialTableWithTexts(benchmark::State& run) {
  const int n = static_cast<int>(run.range(0));
  const Exact p(3, 10);
  for (auto _ : run) {
    const auto table = binomialTable(n, p);
    for (const auto& row : table->rows) {
      benchmark::DoNotOptimize(tableProbabilityDisplayText(row.probability, 4, false));
      benchmark::DoNotOptimize(tableProbabilityDisplayText(row.cumulative, 4, false));
    }
  }
}

void BM_HypergeometricTableWithTexts(benchmark::State& run) {
  for (auto _ : run) {
    const auto table = hypergeometricTable(10000, 3000, 1000);
    for (const auto& row : table->rows) {
      benchmark::DoNotOptimize(tableProbabilityDisplayText(row.probability, 4, false));
      benchmark::DoNotOptimize(tableProbabilityDisplayText(row.cumulative, 4, false));
    }
  }
}

// The pane as every command works it out again, for trials too many to draw as a tree.
void BM_TrialsPane(benchmark::State& run) {
  TreeState state;
  RepeatedTrials trials;
  trials.count = static_cast<int32_t>(run.range(0));
  trials.probability = "0.125";
  state.trials = trials;
  for (auto _ : run) benchmark::DoNotOptimize(distributionPaneOf(state));
}

// 64 outcomes with values and path probabilities as a tree of three levels gives them.
void BM_DistributionOf64Pairs(benchmark::State& run) {
  std::vector<DistributionRow> pairs;
  for (int i = 0; i < 64; ++i) pairs.push_back({Exact(i % 13 - 6, 1 + i % 4), Exact(1, 64)});
  for (auto _ : run) {
    const Distribution distribution(pairs);
    benchmark::DoNotOptimize(distribution.variance());
  }
}

BENCHMARK(BM_BinomialTableWithTexts)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HypergeometricTableWithTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrialsPane)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DistributionOf64Pairs)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kvistra
